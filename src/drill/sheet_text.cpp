#include "drill/sheet_text.h"

#include "base/digits.h"
#include "base/sjis.h"

namespace zenpa::drill {
namespace {

std::string Repeat(std::string_view piece, int count) {
  std::string out;
  for (int i = 0; i < count; ++i)
    out += piece;
  return out;
}

// bar + each cell followed by bar: "│３│５│".
std::string BarRow(const std::vector<std::string> &cells, std::string_view bar) {
  std::string out(bar);
  for (const std::string &cell : cells) {
    out += cell;
    out += bar;
  }
  return out;
}

// "└" + "┬┴" × (width - 1) + "┬┘": the border under a row of `width` cells.
std::string RowBorder(int width) {
  static const std::string kJoin = base::Sj("┬┴");
  return base::Sj("└") + Repeat(kJoin, width - 1) + base::Sj("┬┘");
}

} // namespace

std::vector<std::string> FullWidthCells(const std::vector<int> &digits) {
  std::vector<std::string> cells;
  for (int d : digits)
    cells.push_back(base::zenkaku(d));
  return cells;
}

std::string Indent(int k) {
  static const std::string kSpace = base::Sj("　");
  return Repeat(kSpace, k);
}

std::string TitleLine(Operation op) {
  if (op == Operation::Addition)
    return base::Sj("　 ☆★ もこさん／たしざん ★☆");
  return base::Sj(" ☆★★ もこさん／ひきざん ★★☆");
}

Lines NameBoxLines() {
  return {base::Sj("┌──┬────────────┐"), base::Sj("│名前│　　　　　　　　　　　　│"),
          base::Sj("└──┴────────────┘")};
}

Lines TopRowLines(const std::vector<int> &digits) {
  const int n = static_cast<int>(digits.size());
  static const std::string kBar = base::Sj("│");
  return {base::Sj("┌") + Repeat(base::Sj("─┬"), n - 1) + base::Sj("─┐"),
          BarRow(FullWidthCells(digits), kBar), RowBorder(n)};
}

Lines FillRowLines(int k, const std::vector<std::string> &cells) {
  static const std::string kBar = base::Sj("│");
  const int width = static_cast<int>(cells.size());
  return {Indent(k) + BarRow(cells, kBar) + std::to_string(k), Indent(k) + RowBorder(width)};
}

Lines CheckRowLines(int n, int b1, int b2) {
  static const std::string kBar = base::Sj("│");
  return {Indent(n - 2) + BarRow(FullWidthCells({b1, b2}), kBar),
          Indent(n - 2) + base::Sj("└┰┴┰┘")};
}

Lines FinalCellLines(int n, int digit) {
  static const std::string kBar = base::Sj("┃");
  return {Indent(n - 1) + BarRow(FullWidthCells({digit}), kBar), Indent(n - 1) + base::Sj("┗━┛")};
}

Lines TimeBoxLines(int n) {
  return {base::Sj("┌────┬──────────┐"),
          base::Sj("│") + base::zenkakuW(n) + base::Sj("けた│　　　　分　　　　秒│"),
          base::Sj("└────┴──────────┘")};
}

std::string CountLine(int total) {
  return base::Sj("（全") + std::to_string(total) + base::Sj("問）");
}

void AppendPrefixed(Lines &lines, std::string_view prefix, const Lines &more) {
  for (const std::string &line : more)
    lines.push_back(std::string(prefix) + line);
}

} // namespace zenpa::drill
