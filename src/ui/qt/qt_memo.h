// The document editor Memo1: the Memo interface over a QPlainTextEdit.
//
// The widget holds Unicode; the core addresses text as (line, byte offset in
// the line's Shift-JIS bytes). Every block of the widget is mirrored as its
// Shift-JIS bytes and kept current on each change of the widget's text, so
// that Line() costs nothing and the bytes of a loaded file come back
// unchanged. A last empty block is the end of a text whose last line ends
// in a line break; it is not a line of its own.
#pragma once

#include "platform/memo.h"

#include <QObject>

#include <string>
#include <vector>

class QPlainTextEdit;
class QTextBlock;
class QTextCursor;

namespace zenpa::ui {

class QtMemo : public QObject, public platform::Memo {
  Q_OBJECT
public:
  explicit QtMemo(QPlainTextEdit *edit);

  QPlainTextEdit *Widget() const { return edit_; }

  int LineCount() const override;
  const std::string &Line(int index) const override;
  std::vector<std::string> Lines() const override;

  void SetLines(std::vector<std::string> lines) override;
  void InsertLine(int index, const std::string &line) override;
  void ReplaceLine(int index, const std::string &line) override;
  void DeleteLine(int index) override;

  platform::TextPos Caret() const override;
  void SetCaret(platform::TextPos pos) override;
  platform::TextPos SelectionAnchor() const override;
  void Select(platform::TextPos anchor, platform::TextPos caret) override;
  void ReplaceSelection(const std::string &text) override;
  std::string SelectedText() const override;

  bool Modified() const override;
  void SetModified(bool modified) override;
  std::vector<platform::LostChar> LostChars(std::size_t limit) const override;

  int FirstVisibleLine() const override;
  void ScrollToLine(int line) override;
  int VisualLineCount() const override;
  bool WordWrap() const override;
  std::string VisualLine(int visualLine) const override;
  int VisualLineOf(platform::TextPos pos) const override;
  platform::TextPos VisualLineStart(int visualLine) const override;

  bool CanUndo() const override;
  void Undo() override;

signals:
  // After every change of the text, by the user or the core.
  void textChanged();

private:
  void OnContentsChange(int position, int removed, int added);
  void RebuildMirror();
  int Position(platform::TextPos pos) const;
  platform::TextPos PosOf(int position) const;
  QTextCursor CursorAt(int position) const;
  // Where each visual line of the wrapped text starts, taken again from the
  // widget's layout (which follows its width).
  void MapVisualLines() const;
  const std::vector<platform::TextPos> &VisualStarts() const;

  QPlainTextEdit *edit_;
  std::string Mirror(const QTextBlock &block, bool &lossy) const;

  std::vector<std::string> blocks_; // Shift-JIS bytes of every block
  // Per block: edited since the text was last marked saved, and holding a
  // character Shift-JIS cannot hold. Kept with the mirror, so a save looks
  // only at these lines.
  std::vector<bool> lossy_;
  bool replacingAll_ = false;                           // SetLines fills the mirror itself
  mutable std::vector<platform::TextPos> visualStarts_; // empty: to be mapped
};

} // namespace zenpa::ui
