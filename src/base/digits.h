// Digits as the document writes them (all results Shift-JIS):
// full-width digits "０"…"９" for givens and numbers, circled digits
// "①"…"⑨" for digits the player or a trial placed, and the full-width blank
// "　" for an empty cell.
#pragma once

#include <string>
#include <string_view>

namespace zenpa::base {

// 0…9 give "０"…"９", 10 gives "　", anything else "Ｅ".
std::string zenkaku(int n);

// Two-column number used by worksheets and clocks: below 10 "　" plus the
// full-width digit; 10…99 the two full-width digits; 100 and more a
// half-width space followed by the decimal digits.
std::string zenkakuW(int n);

// 1…9 give "①"…"⑨", anything else "　".
std::string CircledDigit(int n);

// "１"…"９" read as 1…9; any other text as 0.
int FullWidthDigitValue(std::string_view ch);

// As FullWidthDigitValue, and "①"…"⑨" read as 1…9 too.
int CellDigitValue(std::string_view ch);

} // namespace zenpa::base
