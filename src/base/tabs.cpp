#include "base/tabs.h"

namespace zenpa::base {

std::string ExpandTabs(std::string_view line, int tabWidth) {
  if (line.find('\t') == std::string_view::npos || tabWidth <= 0)
    return std::string(line);
  std::string out;
  out.reserve(line.size() + 4 * static_cast<std::size_t>(tabWidth));
  for (char c : line) {
    if (c != '\t') {
      out.push_back(c);
      continue;
    }
    out.append(static_cast<std::size_t>(tabWidth - static_cast<int>(out.size() % tabWidth)), ' ');
  }
  return out;
}

int ExpandedColumn(std::string_view line, std::size_t pos, int tabWidth) {
  int col = 0;
  for (std::size_t i = 0; i < pos && i < line.size(); ++i) {
    if (line[i] == '\t' && tabWidth > 0) {
      col += tabWidth - col % tabWidth;
    } else {
      ++col;
    }
  }
  return col;
}

} // namespace zenpa::base
