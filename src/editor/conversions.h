// The character conversions of the editor's context menu: "半角(&H)" (to
// half-width), "全角(&Z)" (to full-width), "小文字(&L)" (lower case) and
// "大文字(&U)" (upper case), over Shift-JIS bytes.
//
// Text is walked character by character (base::CharLen), so a double-byte
// character is never split. Width conversion follows one table of pairs:
// the full-width digits, Latin letters, the full-width space and 33
// symbols with their half-width forms (the punctuation "、", "。" and "・"
// pair with half-width katakana punctuation). To full-width, "{" and "}"
// become the brace followed by a space; to half-width they stay as they
// are. Case conversion is editor/letter_case.h.
#pragma once

#include "platform/memo.h"

#include <string>
#include <string_view>

namespace zenpa::editor {

enum class Conversion { HalfWidth, FullWidth, LowerCase, UpperCase };

std::string Converted(std::string_view text, Conversion conversion);

// Converts the memo's selection, or the whole text when nothing is
// selected, as one edit (one Undo restores it) and marks the text modified.
// A selection end inside a double-byte character leaves that character
// out; bytes outside the selection never change. Afterwards the caret
// stands after the converted selection, or at the start of the text.
void ConvertSelection(platform::Memo &memo, Conversion conversion);

} // namespace zenpa::editor
