// The document editor as the core sees it.
//
// Text is addressed as (line index from 0, byte offset in the line's
// Shift-JIS bytes). Lines hold Shift-JIS bytes without their CR LF. Because
// positions count bytes, a double-byte character is two positions wide.
// Implementations: TextMemo (in memory, tests and command line) and the Qt
// adapter over the desktop editor.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace zenpa::platform {

struct TextPos {
  int line = 0;
  int col = 0; // byte offset in the line
  friend bool operator==(const TextPos &, const TextPos &) = default;
  friend auto operator<=>(const TextPos &, const TextPos &) = default;
};

// A new text for one line of the document.
struct LineChange {
  int line = 0;
  std::string text; // Shift-JIS bytes, no "\r\n"
};

// A character the editor shows that Shift-JIS cannot hold: saving writes
// "?" in its place.
struct LostChar {
  int line = 0;      // line index from 0
  char32_t code = 0; // Unicode code point
  friend bool operator==(const LostChar &, const LostChar &) = default;
};

class Memo {
public:
  virtual ~Memo() = default;

  virtual int LineCount() const = 0;
  virtual const std::string &Line(int index) const = 0;
  virtual std::vector<std::string> Lines() const = 0;

  // Replaces the whole text (clears undo, keeps the modified flag as it is).
  virtual void SetLines(std::vector<std::string> lines) = 0;
  // index == LineCount() appends.
  virtual void InsertLine(int index, const std::string &line) = 0;
  virtual void ReplaceLine(int index, const std::string &line) = 0;
  virtual void DeleteLine(int index) = 0;

  // The caret's line may equal LineCount() (column 0): the end of a text
  // whose last line ends in a line break.
  virtual TextPos Caret() const = 0;
  // Moves the caret and collapses the selection onto it.
  virtual void SetCaret(TextPos pos) = 0;
  // Selection from anchor to caret (equal when nothing is selected).
  virtual TextPos SelectionAnchor() const = 0;
  virtual void Select(TextPos anchor, TextPos caret) = 0;
  // Replaces the selection by text, which may hold "\r\n" line breaks; the
  // caret ends after the inserted text.
  virtual void ReplaceSelection(const std::string &text) = 0;
  virtual std::string SelectedText() const = 0;

  // Gives several lines a new text in one edit, which one Undo reverts
  // whole (replace all, conversions of the whole text). Changes are in
  // ascending line order, each line at most once and below LineCount(); the
  // number of lines stays. Lines not named keep their bytes. Marks the text
  // modified; the caret is left for the caller to place. The default
  // replaces the span from the first to the last changed line as one
  // selection; an editor with its own grouping of edits can do better.
  virtual void ReplaceLines(const std::vector<LineChange> &changes);

  virtual bool Modified() const = 0;
  // Clearing the flag marks the text as saved.
  virtual void SetModified(bool modified) = 0;

  // The first `limit` characters, in text order, that Shift-JIS cannot hold
  // on the lines edited since the text was last marked saved. Only an editor
  // that holds Unicode has any; lines held as Shift-JIS bytes never do.
  virtual std::vector<LostChar> LostChars(std::size_t limit) const {
    (void)limit;
    return {};
  }

  virtual int FirstVisibleLine() const = 0;
  virtual void ScrollToLine(int line) = 0;

  // Lines as the editor shows them: equal to the lines unless it wraps.
  virtual int VisualLineCount() const { return LineCount(); }
  virtual bool WordWrap() const { return false; }
  // Text of a visual line, and the mapping between text positions and
  // visual lines (the identity unless the editor wraps).
  virtual std::string VisualLine(int visualLine) const { return Line(visualLine); }
  virtual int VisualLineOf(TextPos pos) const { return pos.line; }
  virtual TextPos VisualLineStart(int visualLine) const { return {visualLine, 0}; }

  virtual bool CanUndo() const = 0;
  virtual void Undo() = 0;
};

} // namespace zenpa::platform
