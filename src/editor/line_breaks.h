// Line breaks of pasted text and of the whole document: the menu item
// "改行コード変換(&W)".
//
// A line break is CR LF, a lone CR or a lone LF. The functions work on the
// bytes of any encoding in which CR and LF only stand for themselves
// (Shift-JIS, UTF-8), so the window may hand them clipboard text as UTF-8.
//
// The document keeps its lines apart and writes CR LF after each of them; a
// lone CR or LF inside a line is a byte of that line. Rewriting the whole
// text as CR LF therefore splits lines at those bytes; rewriting it as LF
// leaves one line whose lines are joined by LF bytes, which the file then
// holds as LF line ends.
#pragma once

#include "platform/memo.h"

#include <string>
#include <string_view>
#include <vector>

namespace zenpa::editor {

enum class LineBreak { CrLf, Lf };

// text with every line break as breaks.
std::string WithLineBreaks(std::string_view text, LineBreak breaks);

// Pasting with the item checked: the clipboard text is rewritten as CR LF
// first when it holds a line feed.
bool PasteNeedsCrLf(std::string_view clipboardText);

// The document's lines after every line break, between the lines and
// inside them, became breaks.
std::vector<std::string> RewrittenLines(const std::vector<std::string> &lines, LineBreak breaks);

// Checking the item: rewrites the whole text (CR LF, or LF alone when Ctrl
// is held) as one edit that one Undo restores, and puts the caret at the
// start. Returns false, leaving the text and its modified flag alone, when
// nothing changes.
bool RewriteLineBreaks(platform::Memo &memo, LineBreak breaks);

} // namespace zenpa::editor
