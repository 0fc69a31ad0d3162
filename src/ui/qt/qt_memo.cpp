#include "ui/qt/qt_memo.h"

#include "base/sjis.h"
#include "ui/qt/qt_text.h"

#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

namespace zenpa::ui {
namespace {

// Lines joined by the widget's line break; a non-empty text ends in one.
QString JoinForWidget(const std::vector<std::string> &lines) {
  QString text;
  for (const std::string &line : lines) {
    text += ToQt(line);
    text += QChar('\n');
  }
  return text;
}

// "\r\n"-separated Shift-JIS text as widget text.
QString BreaksForWidget(const std::string &text) {
  QString out;
  std::size_t start = 0;
  for (;;) {
    std::size_t end = text.find("\r\n", start);
    out += ToQt(std::string_view(text).substr(start, end - start));
    if (end == std::string::npos)
      return out;
    out += QChar('\n');
    start = end + 2;
  }
}

} // namespace

QtMemo::QtMemo(QPlainTextEdit *edit) : QObject(edit), edit_(edit) {
  RebuildMirror();
  connect(edit_->document(), &QTextDocument::contentsChange, this, &QtMemo::OnContentsChange);
}

std::string QtMemo::Mirror(const QTextBlock &block, bool &lossy) const {
  bool lossless = true;
  std::string bytes = FromQt(block.text(), &lossless);
  lossy = !lossless;
  return bytes;
}

void QtMemo::RebuildMirror() {
  const int count = edit_->document()->blockCount();
  blocks_.clear();
  blocks_.reserve(count);
  lossy_.clear();
  for (QTextBlock b = edit_->document()->begin(); b.isValid(); b = b.next()) {
    bool lossy = false;
    blocks_.push_back(Mirror(b, lossy));
    lossy_.push_back(lossy);
  }
}

// Re-reads the blocks the change touched. The count of old blocks it replaced
// follows from the change of the block count.
void QtMemo::OnContentsChange(int position, int, int added) {
  if (replacingAll_)
    return;
  QTextDocument *doc = edit_->document();
  const int newCount = doc->blockCount();
  const int oldCount = static_cast<int>(blocks_.size());
  QTextBlock first = doc->findBlock(position);
  QTextBlock last = doc->findBlock(position + added);
  const int firstNo = first.isValid() ? first.blockNumber() : newCount - 1;
  const int lastNo = last.isValid() ? last.blockNumber() : newCount - 1;
  const int newSpan = lastNo - firstNo + 1;
  const int oldSpan = newSpan - (newCount - oldCount);
  if (firstNo < 0 || oldSpan < 0 || firstNo + oldSpan > oldCount) {
    RebuildMirror();
  } else {
    std::vector<std::string> fresh;
    std::vector<bool> freshLossy;
    fresh.reserve(newSpan);
    for (QTextBlock b = doc->findBlockByNumber(firstNo); b.isValid() && b.blockNumber() <= lastNo;
         b = b.next()) {
      bool lossy = false;
      fresh.push_back(Mirror(b, lossy));
      freshLossy.push_back(lossy);
    }
    blocks_.erase(blocks_.begin() + firstNo, blocks_.begin() + firstNo + oldSpan);
    blocks_.insert(blocks_.begin() + firstNo, fresh.begin(), fresh.end());
    lossy_.erase(lossy_.begin() + firstNo, lossy_.begin() + firstNo + oldSpan);
    lossy_.insert(lossy_.begin() + firstNo, freshLossy.begin(), freshLossy.end());
  }
  if (static_cast<int>(blocks_.size()) != newCount)
    RebuildMirror();
  visualStarts_.clear();
  emit textChanged();
}

int QtMemo::LineCount() const {
  const int count = static_cast<int>(blocks_.size());
  return (count > 0 && blocks_.back().empty()) ? count - 1 : count;
}

const std::string &QtMemo::Line(int index) const { return blocks_.at(index); }

std::vector<std::string> QtMemo::Lines() const {
  return std::vector<std::string>(blocks_.begin(), blocks_.begin() + LineCount());
}

void QtMemo::SetLines(std::vector<std::string> lines) {
  const bool modified = Modified();
  replacingAll_ = true;
  edit_->setPlainText(JoinForWidget(lines));
  replacingAll_ = false;
  blocks_ = std::move(lines);
  blocks_.emplace_back();
  lossy_.assign(blocks_.size(), false);
  edit_->document()->setModified(modified);
  visualStarts_.clear();
  emit textChanged();
}

QTextCursor QtMemo::CursorAt(int position) const {
  QTextCursor cursor(edit_->document());
  cursor.setPosition(position);
  return cursor;
}

void QtMemo::InsertLine(int index, const std::string &line) {
  index = std::clamp(index, 0, LineCount());
  QTextBlock block = edit_->document()->findBlockByNumber(index);
  if (block.isValid() && (index < LineCount() || block.text().isEmpty())) {
    CursorAt(block.position()).insertText(ToQt(line) + QChar('\n'));
    return;
  }
  QTextCursor cursor(edit_->document());
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(QChar('\n') + ToQt(line));
}

void QtMemo::ReplaceLine(int index, const std::string &line) {
  QTextBlock block = edit_->document()->findBlockByNumber(index);
  if (!block.isValid())
    return;
  QTextCursor cursor = CursorAt(block.position());
  cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  cursor.insertText(ToQt(line));
}

void QtMemo::DeleteLine(int index) {
  if (index < 0 || index >= LineCount())
    return;
  QTextBlock block = edit_->document()->findBlockByNumber(index);
  QTextCursor cursor = CursorAt(block.position());
  if (block.next().isValid()) {
    cursor.setPosition(block.next().position(), QTextCursor::KeepAnchor);
  } else if (block.previous().isValid()) {
    cursor.setPosition(block.previous().position() + block.previous().length() - 1);
    cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
  } else {
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  }
  cursor.removeSelectedText();
}

// Byte offsets count the Shift-JIS bytes of the characters before them; the
// widget counts UTF-16 units, one per character of the codec.
int QtMemo::Position(platform::TextPos pos) const {
  QTextDocument *doc = edit_->document();
  const int line = std::clamp(pos.line, 0, doc->blockCount() - 1);
  QTextBlock block = doc->findBlockByNumber(line);
  const std::string &bytes = blocks_.at(line);
  const std::size_t col = static_cast<std::size_t>(std::clamp<int>(pos.col, 0, bytes.size()));
  const int units =
      static_cast<int>(base::SjisToUtf16(std::string_view(bytes).substr(0, col)).size());
  return block.position() + std::min(units, block.length() - 1);
}

platform::TextPos QtMemo::PosOf(int position) const {
  QTextBlock block = edit_->document()->findBlock(position);
  if (!block.isValid())
    block = edit_->document()->lastBlock();
  const int units = std::clamp(position - block.position(), 0, block.length() - 1);
  const std::string prefix = FromQt(block.text().left(units));
  return {block.blockNumber(), static_cast<int>(prefix.size())};
}

platform::TextPos QtMemo::Caret() const { return PosOf(edit_->textCursor().position()); }

void QtMemo::SetCaret(platform::TextPos pos) { edit_->setTextCursor(CursorAt(Position(pos))); }

platform::TextPos QtMemo::SelectionAnchor() const { return PosOf(edit_->textCursor().anchor()); }

void QtMemo::Select(platform::TextPos anchor, platform::TextPos caret) {
  QTextCursor cursor = CursorAt(Position(anchor));
  cursor.setPosition(Position(caret), QTextCursor::KeepAnchor);
  edit_->setTextCursor(cursor);
}

void QtMemo::ReplaceSelection(const std::string &text) {
  QTextCursor cursor = edit_->textCursor();
  cursor.insertText(BreaksForWidget(text));
  edit_->setTextCursor(cursor);
}

std::string QtMemo::SelectedText() const {
  platform::TextPos from = SelectionAnchor();
  platform::TextPos to = Caret();
  if (to < from)
    std::swap(from, to);
  if (from.line == to.line)
    return blocks_.at(from.line).substr(from.col, to.col - from.col);
  std::string text = blocks_.at(from.line).substr(from.col);
  for (int line = from.line + 1; line < to.line; ++line)
    text += "\r\n" + blocks_.at(line);
  return text + "\r\n" + blocks_.at(to.line).substr(0, to.col);
}

bool QtMemo::Modified() const { return edit_->document()->isModified(); }

void QtMemo::SetModified(bool modified) {
  edit_->document()->setModified(modified);
  if (!modified)
    lossy_.assign(lossy_.size(), false);
}

std::vector<platform::LostChar> QtMemo::LostChars(std::size_t limit) const {
  std::vector<platform::LostChar> lost;
  for (int line = 0; line < LineCount() && lost.size() < limit; ++line) {
    if (!lossy_[static_cast<std::size_t>(line)])
      continue;
    const QString text = edit_->document()->findBlockByNumber(line).text();
    for (const char32_t code : text.toUcs4()) {
      if (lost.size() < limit && !base::CanHold(code))
        lost.push_back({line, code});
    }
  }
  return lost;
}

int QtMemo::FirstVisibleLine() const {
  return edit_->cursorForPosition(QPoint(0, 0)).blockNumber();
}

void QtMemo::ScrollToLine(int line) {
  if (WordWrap()) {
    edit_->setTextCursor(CursorAt(Position({line, 0})));
    edit_->ensureCursorVisible();
    return;
  }
  edit_->verticalScrollBar()->setValue(line);
}

// The widget lays blocks out lazily: every block is laid out before its
// lines are counted.
void QtMemo::MapVisualLines() const {
  visualStarts_.clear();
  auto *layout = qobject_cast<QPlainTextDocumentLayout *>(edit_->document()->documentLayout());
  const int lines = LineCount();
  for (QTextBlock b = edit_->document()->begin(); b.isValid() && b.blockNumber() < lines;
       b = b.next()) {
    if (layout)
      layout->ensureBlockLayout(b);
    const int n = b.blockNumber();
    visualStarts_.push_back({n, 0});
    const int count = b.layout() ? b.layout()->lineCount() : 1;
    for (int k = 1; k < count; ++k) {
      const int units = b.layout()->lineAt(k).textStart();
      visualStarts_.push_back({n, static_cast<int>(FromQt(b.text().left(units)).size())});
    }
  }
}

const std::vector<platform::TextPos> &QtMemo::VisualStarts() const {
  if (visualStarts_.empty())
    MapVisualLines();
  return visualStarts_;
}

int QtMemo::VisualLineCount() const {
  if (!WordWrap())
    return LineCount();
  MapVisualLines();
  return static_cast<int>(visualStarts_.size());
}

int QtMemo::VisualLineOf(platform::TextPos pos) const {
  if (!WordWrap())
    return pos.line;
  MapVisualLines();
  const auto after = std::upper_bound(visualStarts_.begin(), visualStarts_.end(), pos);
  return std::max(0, static_cast<int>(after - visualStarts_.begin()) - 1);
}

platform::TextPos QtMemo::VisualLineStart(int visualLine) const {
  if (!WordWrap())
    return {visualLine, 0};
  const std::vector<platform::TextPos> &starts = VisualStarts();
  if (visualLine < 0 || visualLine >= static_cast<int>(starts.size()))
    return {LineCount(), 0};
  return starts[visualLine];
}

std::string QtMemo::VisualLine(int visualLine) const {
  if (!WordWrap())
    return Line(visualLine);
  const std::vector<platform::TextPos> &starts = VisualStarts();
  const platform::TextPos start = starts.at(visualLine);
  const std::string &line = blocks_.at(start.line);
  const bool last = visualLine + 1 >= static_cast<int>(starts.size()) ||
                    starts[visualLine + 1].line != start.line;
  const int end = last ? static_cast<int>(line.size()) : starts[visualLine + 1].col;
  return line.substr(start.col, end - start.col);
}

bool QtMemo::WordWrap() const { return edit_->lineWrapMode() != QPlainTextEdit::NoWrap; }

bool QtMemo::CanUndo() const { return edit_->document()->isUndoAvailable(); }

void QtMemo::Undo() { edit_->undo(); }

} // namespace zenpa::ui
