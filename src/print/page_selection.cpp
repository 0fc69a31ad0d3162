#include "print/page_selection.h"

#include <algorithm>

namespace zenpa::print {

bool IsPageSelected(const PageSelection &s, int page) {
  if (page < s.startPage)
    return false;
  if (s.endPage != 0 && page > s.endPage)
    return false;
  if (!s.duplex)
    return true;
  return (page % 2 == 0) == s.evenPass;
}

int LastPageOf(const PageSelection &s, int pageCount) {
  return s.endPage > 0 && s.endPage <= pageCount ? s.endPage : pageCount;
}

bool AnyPageSelected(const PageSelection &s, int pageCount) {
  for (int page = std::max(1, s.startPage); page <= pageCount; ++page) {
    if (IsPageSelected(s, page))
      return true;
  }
  return false;
}

int CountSheets(const PageSelection &s, int pageCount, bool pouchBinding, int copies) {
  int sheets = 0;
  int lastKey = 0;
  for (int page = 1; page <= pageCount; ++page) {
    if (!IsPageSelected(s, page))
      continue;
    int key = SheetKeyOf(page, pouchBinding);
    if (key != lastKey)
      ++sheets;
    lastKey = key;
  }
  return sheets * std::max(1, copies);
}

} // namespace zenpa::print
