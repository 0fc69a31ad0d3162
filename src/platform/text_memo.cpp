#include "platform/text_memo.h"

#include "base/file_io.h"

#include <algorithm>

namespace zenpa::platform {
namespace {
const std::string kEmpty;
}

const std::string &TextMemo::Line(int index) const {
  if (index < 0 || index >= LineCount())
    return kEmpty;
  return lines_[static_cast<std::size_t>(index)];
}

void TextMemo::Remember(UndoStep::Kind kind, int index) {
  undo_.kind = kind;
  undo_.index = index;
  undo_.caret = caret_;
  undo_.line = (kind == UndoStep::Replaced || kind == UndoStep::Deleted) ? Line(index) : "";
  if (kind == UndoStep::Snapshot)
    undo_.lines = lines_;
  else
    undo_.lines.clear();
  undo_.changed.clear();
  modified_ = true;
}

void TextMemo::SetLines(std::vector<std::string> lines) {
  lines_ = std::move(lines);
  caret_ = anchor_ = TextPos{};
  firstVisible_ = 0;
  undo_ = UndoStep{};
}

void TextMemo::InsertLine(int index, const std::string &line) {
  index = std::clamp(index, 0, LineCount());
  Remember(UndoStep::Inserted, index);
  lines_.insert(lines_.begin() + index, line);
}

void TextMemo::ReplaceLine(int index, const std::string &line) {
  if (index < 0 || index >= LineCount())
    return;
  Remember(UndoStep::Replaced, index);
  lines_[static_cast<std::size_t>(index)] = line;
}

void TextMemo::DeleteLine(int index) {
  if (index < 0 || index >= LineCount())
    return;
  Remember(UndoStep::Deleted, index);
  lines_.erase(lines_.begin() + index);
  caret_ = Clamp(caret_);
  anchor_ = Clamp(anchor_);
}

// The caret may also stand at the start of the line after the last one (the
// end of a text that ends in a line break).
TextPos TextMemo::Clamp(TextPos pos) const {
  pos.line = std::clamp(pos.line, 0, LineCount());
  pos.col = std::clamp(pos.col, 0, static_cast<int>(Line(pos.line).size()));
  return pos;
}

void TextMemo::SetCaret(TextPos pos) { caret_ = anchor_ = Clamp(pos); }

void TextMemo::Select(TextPos anchor, TextPos caret) {
  anchor_ = Clamp(anchor);
  caret_ = Clamp(caret);
}

std::string TextMemo::SelectedText() const {
  TextPos a = std::min(anchor_, caret_), b = std::max(anchor_, caret_);
  if (a == b || lines_.empty())
    return "";
  if (a.line == b.line)
    return Line(a.line).substr(a.col, b.col - a.col);
  std::string out = Line(a.line).substr(a.col);
  for (int i = a.line + 1; i < b.line; ++i)
    out += "\r\n" + Line(i);
  return out + "\r\n" + Line(b.line).substr(0, b.col);
}

void TextMemo::ReplaceSelection(const std::string &text) {
  Remember(UndoStep::Snapshot, 0);
  while (LineCount() <= std::max(anchor_, caret_).line)
    lines_.emplace_back();
  TextPos a = std::min(anchor_, caret_), b = std::max(anchor_, caret_);
  std::string head = Line(a.line).substr(0, a.col);
  std::string tail = Line(b.line).substr(b.col);
  std::vector<std::string> pieces = base::SplitLines(text);
  if (pieces.empty() || (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0))
    pieces.emplace_back();
  TextPos end{a.line + static_cast<int>(pieces.size()) - 1, 0};
  end.col = static_cast<int>((pieces.size() == 1 ? head.size() : 0) + pieces.back().size());
  pieces.front() = head + pieces.front();
  pieces.back() += tail;
  lines_.erase(lines_.begin() + a.line, lines_.begin() + b.line + 1);
  lines_.insert(lines_.begin() + a.line, pieces.begin(), pieces.end());
  caret_ = anchor_ = end;
}

// The old texts are swapped out rather than copied, so a replace-all over a
// long text costs only the lines it changes.
void TextMemo::ReplaceLines(const std::vector<LineChange> &changes) {
  Remember(UndoStep::Lines, 0);
  undo_.changed.reserve(changes.size());
  for (const LineChange &change : changes) {
    if (change.line < 0 || change.line >= LineCount())
      continue;
    std::string &line = lines_[static_cast<std::size_t>(change.line)];
    undo_.changed.push_back({change.line, std::move(line)});
    line = change.text;
  }
  caret_ = Clamp(caret_);
  anchor_ = Clamp(anchor_);
}

void TextMemo::ScrollToLine(int line) {
  firstVisible_ = std::clamp(line, 0, std::max(0, LineCount() - 1));
}

void TextMemo::Undo() {
  auto at = lines_.begin() + undo_.index;
  switch (undo_.kind) {
  case UndoStep::None:
    return;
  case UndoStep::Inserted:
    lines_.erase(at);
    break;
  case UndoStep::Replaced:
    *at = undo_.line;
    break;
  case UndoStep::Deleted:
    lines_.insert(at, undo_.line);
    break;
  case UndoStep::Snapshot:
    lines_ = std::move(undo_.lines);
    break;
  case UndoStep::Lines:
    for (LineChange &old : undo_.changed)
      lines_[static_cast<std::size_t>(old.line)] = std::move(old.text);
    break;
  }
  anchor_ = caret_ = Clamp(undo_.caret);
  undo_ = UndoStep{};
}

} // namespace zenpa::platform
