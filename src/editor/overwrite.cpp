#include "editor/overwrite.h"

#include "base/sjis.h"

#include <algorithm>

namespace zenpa::editor {

ByteSpan OverwriteSpan(std::string_view line, int col) {
  const int size = static_cast<int>(line.size());
  col = std::clamp(col, 0, size);
  if (col == size)
    return {col, col};
  const std::size_t start = base::CharStart(line, static_cast<std::size_t>(col));
  return {static_cast<int>(start), static_cast<int>(start + base::CharLen(line, start))};
}

Overtyped TypeOver(std::string_view line, int col, std::string_view typed) {
  const ByteSpan first = OverwriteSpan(line, col);
  std::size_t replaced = static_cast<std::size_t>(first.start);
  for (std::size_t i = 0; i < typed.size() && replaced < line.size(); i += base::CharLen(typed, i))
    replaced += base::CharLen(line, replaced);
  Overtyped out;
  out.line.reserve(line.size() + typed.size());
  out.line.append(line.substr(0, static_cast<std::size_t>(first.start)));
  out.line.append(typed);
  out.caret = static_cast<int>(out.line.size());
  out.line.append(line.substr(replaced));
  return out;
}

} // namespace zenpa::editor
