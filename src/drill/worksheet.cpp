#include "drill/worksheet.h"

#include "base/digits.h"

#include <algorithm>
#include <cstddef>

namespace zenpa::drill {
namespace {

// Smallest row width above which the j-th positional hint (0-based) can
// appear; even j stand at p(j/2 + 1), odd j at the mirrored position.
constexpr std::array<int, 9> kMinWidth = {4, 4, 8, 8, 12, 12, 16, 16, 18};

std::array<int, 5> DrawPositions(int width, RandomSource &rng) {
  std::array<int, 5> p{};
  for (int &position : p)
    position = rng.Between(1, width);
  return p;
}

bool IsHint(int i, int value, int width, const HintRule &rule, const std::array<int, 5> &p) {
  if (rule.byDigit)
    return value == rule.count;
  return IsPositionalHint(i, width, rule.count, p);
}

std::vector<std::string> HintCells(const std::vector<int> &row, const HintRule &rule,
                                   const std::array<int, 5> &p) {
  static const std::string kBlank = base::zenkaku(10);
  const int width = static_cast<int>(row.size());
  std::vector<std::string> cells;
  for (int i = 1; i <= width; ++i) {
    const int value = row[static_cast<std::size_t>(i - 1)];
    cells.push_back(IsHint(i, value, width, rule, p) ? base::zenkaku(value) : kBlank);
  }
  return cells;
}

// Check row and final cell of a pyramid of n rows.
Lines BottomLines(const std::vector<std::vector<int>> &rows, int n) {
  const std::vector<int> &check = rows[static_cast<std::size_t>(n - 2)];
  Lines lines = CheckRowLines(n, check[0], check[1]);
  for (std::string &line : FinalCellLines(n, rows[static_cast<std::size_t>(n - 1)][0]))
    lines.push_back(std::move(line));
  return lines;
}

} // namespace

std::vector<int> DrawTopDigits(int n, RandomSource &rng) {
  std::vector<int> digits;
  int previous = rng.Between(1, 9);
  for (int i = 1; i <= n; ++i) {
    int digit = rng.Between(1, 9);
    if (digit == previous)
      digit = rng.Between(0, 9);
    digits.push_back(digit);
    previous = digit;
  }
  return digits;
}

bool IsPositionalHint(int i, int width, int count, const std::array<int, 5> &p) {
  if (width <= 4 || count < 1)
    return false;
  for (int j = 0; j < static_cast<int>(kMinWidth.size()); ++j) {
    if (count <= j || width <= kMinWidth[static_cast<std::size_t>(j)])
      continue;
    const int position = p[static_cast<std::size_t>(j / 2)];
    if (i == (j % 2 == 0 ? position : width - position + 1))
      return true;
  }
  return false;
}

Worksheet MakeQuestionSheet(const SheetOptions &options, RandomSource &rng) {
  const int n = std::max(4, options.digits);
  Worksheet sheet;
  sheet.topDigits = DrawTopDigits(n, rng);
  const auto rows = Pyramid(sheet.topDigits, options.op);
  sheet.lines.push_back(TitleLine(options.op));
  AppendPrefixed(sheet.lines, "", NameBoxLines());
  AppendPrefixed(sheet.lines, "", TopRowLines(sheet.topDigits));
  for (int k = 1; k <= n - 3; ++k) {
    const std::vector<int> &row = rows[static_cast<std::size_t>(k)];
    const auto p = DrawPositions(static_cast<int>(row.size()), rng);
    AppendPrefixed(sheet.lines, "", FillRowLines(k, HintCells(row, options.hints, p)));
  }
  AppendPrefixed(sheet.lines, "", BottomLines(rows, n));
  AppendPrefixed(sheet.lines, "", TimeBoxLines(n));
  sheet.lines.push_back(CountLine(CellsToFill(n)));
  return sheet;
}

Lines MakeAnswerSheet(std::string_view prefix, const Lines &topRowLines,
                      const std::vector<int> &digits, Operation op) {
  const int n = static_cast<int>(digits.size());
  const auto rows = Pyramid(digits, op);
  Lines lines{std::string(prefix) + TitleLine(op)};
  AppendPrefixed(lines, prefix, NameBoxLines());
  AppendPrefixed(lines, "", topRowLines);
  for (int k = 1; k <= n - 3; ++k)
    AppendPrefixed(lines, prefix,
                   FillRowLines(k, FullWidthCells(rows[static_cast<std::size_t>(k)])));
  if (n >= 3)
    AppendPrefixed(lines, prefix, BottomLines(rows, n));
  lines.emplace_back();
  lines.push_back(CountLine(CellsToFill(n)));
  return lines;
}

} // namespace zenpa::drill
