// The lines of a もこさん worksheet, as Shift-JIS text. A sheet of n top digits
// reads, line by line:
//   title                      "　 ☆★ もこさん／たしざん ★☆"
//   name box (3 lines)         "┌──┬───…┐" / "│名前│　…│" / "└──┴───…┘"
//   top row (3 lines)          "┌─┬─┬…─┐" / "│３│５│…│" / "└┬┴┬┴…┬┘"
//   rows to fill, k = 1…n-3    k × "　" + "│　│…│" + k, then its border "└┬┴…┬┘"
//   check row (width 2)        (n-2) × "　" + "│１│３│", then "└┰┴┰┘"
//   final cell                 (n-1) × "　" + "┃４┃", then "┗━┛"
//   time box (3 lines)         "│　４けた│　　　　分　　　　秒│" in the middle
//   count line                 "（全3問）"
// A cell is the two bytes between two bars; every frame character and digit
// is double-byte, so cell i of a row with a p-byte prefix starts at byte
// p + 4i - 2 (0-based, i from 1).
#pragma once

#include "drill/pyramid.h"

#include <string>
#include <string_view>
#include <vector>

namespace zenpa::drill {

using Lines = std::vector<std::string>;

std::string TitleLine(Operation op);
Lines NameBoxLines();

// The three lines of the top row; digits are 0…9.
Lines TopRowLines(const std::vector<int> &digits);

// Row k (1-based below the top row) to fill, followed by its border; the
// half-width row number k ends the row line.
Lines FillRowLines(int k, const std::vector<std::string> &cells);

// The check row of a sheet of n digits, showing b1 and b2, and its border.
Lines CheckRowLines(int n, int b1, int b2);

// The final cell of a sheet of n digits and its border.
Lines FinalCellLines(int n, int digit);

Lines TimeBoxLines(int n);

// "（全T問）" with T in half-width digits.
std::string CountLine(int total);

// "０"…"９" for each digit.
std::vector<std::string> FullWidthCells(const std::vector<int> &digits);

// k ideographic spaces.
std::string Indent(int k);

// Appends `more` to `lines`, each line with `prefix` in front.
void AppendPrefixed(Lines &lines, std::string_view prefix, const Lines &more);

} // namespace zenpa::drill
