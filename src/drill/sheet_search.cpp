#include "drill/sheet_search.h"

#include "base/sjis.h"

#include <algorithm>

namespace zenpa::drill {

std::size_t FindText(std::string_view line, std::string_view needle) {
  if (needle.empty())
    return 0;
  for (std::size_t i = 0; i + needle.size() <= line.size(); i += base::CharLen(line, i)) {
    if (line.compare(i, needle.size(), needle) == 0)
      return i;
  }
  return std::string_view::npos;
}

bool HasText(std::string_view line, std::string_view needle) {
  return FindText(line, needle) != std::string_view::npos;
}

std::optional<int> FindNear(const platform::Memo &memo, int from, std::string_view needle,
                            std::string_view stop) {
  const int count = memo.LineCount();
  if (count == 0)
    return std::nullopt;
  from = std::clamp(from, 0, count - 1);
  for (int i = from; i >= 0; --i) {
    if (HasText(memo.Line(i), needle))
      return i;
    if (!stop.empty() && HasText(memo.Line(i), stop))
      break;
  }
  for (int i = from; i < count; ++i) {
    if (HasText(memo.Line(i), needle))
      return i;
  }
  return std::nullopt;
}

bool AnyLineContains(const platform::Memo &memo, int first, int last, std::string_view needle) {
  for (int i = std::max(0, first); i <= std::min(last, memo.LineCount() - 1); ++i) {
    if (HasText(memo.Line(i), needle))
      return true;
  }
  return false;
}

std::string_view TwoBytesAt(std::string_view line, int pos) {
  if (pos < 0 || static_cast<std::size_t>(pos) >= line.size())
    return {};
  return line.substr(static_cast<std::size_t>(pos), 2);
}

} // namespace zenpa::drill
