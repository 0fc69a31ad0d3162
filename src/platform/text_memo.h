// An in-memory Memo for tests and the command line. Every edit marks the text
// modified and can be undone one step, like the desktop editor's single undo.
#pragma once

#include "platform/memo.h"

namespace zenpa::platform {

class TextMemo : public Memo {
public:
  TextMemo() = default;
  explicit TextMemo(std::vector<std::string> lines) : lines_(std::move(lines)) {}

  int LineCount() const override { return static_cast<int>(lines_.size()); }
  const std::string &Line(int index) const override;
  std::vector<std::string> Lines() const override { return lines_; }

  void SetLines(std::vector<std::string> lines) override;
  void InsertLine(int index, const std::string &line) override;
  void ReplaceLine(int index, const std::string &line) override;
  void DeleteLine(int index) override;

  TextPos Caret() const override { return caret_; }
  void SetCaret(TextPos pos) override;
  TextPos SelectionAnchor() const override { return anchor_; }
  void Select(TextPos anchor, TextPos caret) override;
  void ReplaceSelection(const std::string &text) override;
  std::string SelectedText() const override;
  void ReplaceLines(const std::vector<LineChange> &changes) override;

  bool Modified() const override { return modified_; }
  void SetModified(bool modified) override { modified_ = modified; }

  int FirstVisibleLine() const override { return firstVisible_; }
  void ScrollToLine(int line) override;

  bool CanUndo() const override { return undo_.kind != UndoStep::None; }
  void Undo() override;

private:
  // The one step Undo reverts: cheap records for line edits, a copy of the
  // text only for selection replacement.
  struct UndoStep {
    enum Kind { None, Inserted, Replaced, Deleted, Snapshot, Lines } kind = None;
    int index = 0;
    std::string line;
    std::vector<std::string> lines;
    std::vector<LineChange> changed; // Lines: the old texts of the lines changed
    TextPos caret;
  };

  TextPos Clamp(TextPos pos) const;
  void Remember(UndoStep::Kind kind, int index);

  std::vector<std::string> lines_;
  TextPos caret_, anchor_;
  bool modified_ = false;
  int firstVisible_ = 0;
  UndoStep undo_;
};

} // namespace zenpa::platform
