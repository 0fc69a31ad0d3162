#include "platform/memo.h"

namespace zenpa::platform {

void Memo::ReplaceLines(const std::vector<LineChange> &changes) {
  if (changes.empty())
    return;
  const int first = changes.front().line;
  const int last = changes.back().line;
  std::string text;
  auto next = changes.begin();
  for (int line = first; line <= last; ++line) {
    if (line > first)
      text += "\r\n";
    if (next != changes.end() && next->line == line)
      text += (next++)->text;
    else
      text += Line(line);
  }
  Select({first, 0}, {last, static_cast<int>(Line(last).size())});
  ReplaceSelection(text);
}

} // namespace zenpa::platform
