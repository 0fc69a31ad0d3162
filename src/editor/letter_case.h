// Upper and lower case of Shift-JIS text, as the desktop's ANSI case mapping
// of code page 932 gives it: the letters a–z, the full-width Latin letters
// "ａ"…"ｚ", and the Greek and Cyrillic letters of the double-byte set each
// have a partner of the other case. Every other character, and every byte
// that is not a whole character (a lone lead byte at the end), stays as it
// is. A character keeps its byte length, so positions in the text stay valid.
#pragma once

#include <string>
#include <string_view>

namespace zenpa::editor {

// The text with every character in upper (lower) case.
std::string AnsiUpperCase(std::string_view text);
std::string AnsiLowerCase(std::string_view text);

// Upper-cases text in place (the folding used by case-insensitive search).
void UpperCaseInPlace(std::string &text);

// True when some character of text has a partner of the other case.
bool HasCasedLetter(std::string_view text);

} // namespace zenpa::editor
