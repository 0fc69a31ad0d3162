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

} // namespace zenpa::editor
