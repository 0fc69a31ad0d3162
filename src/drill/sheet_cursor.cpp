#include "drill/sheet_cursor.h"

#include "base/digits.h"
#include "base/sjis.h"
#include "base/tabs.h"
#include "drill/sheet_search.h"

#include <algorithm>
#include <vector>

namespace zenpa::drill {
namespace {

void ExpandSheetTabs(platform::Memo &memo, int top, int lineCount, int tabWidth) {
  const int end = std::min(top + lineCount, memo.LineCount());
  for (int i = top; i < end; ++i) {
    const std::string &line = memo.Line(i);
    if (line.find('\t') != std::string::npos)
      memo.ReplaceLine(i, base::ExpandTabs(line, tabWidth));
  }
}

bool IsBar(std::string_view text) {
  static const std::string kThin = base::Sj("│"), kThick = base::Sj("┃");
  return text == kThin || text == kThick;
}

// "　", two spaces, "？", "※", "０"…"９" and "①"…"⑨".
bool IsCellText(std::string_view text) {
  static const std::vector<std::string> kTexts = [] {
    std::vector<std::string> texts = {base::Sj("　"), "  ", base::Sj("？"), base::Sj("※")};
    for (int d = 0; d <= 9; ++d)
      texts.push_back(base::zenkaku(d));
    for (int d = 1; d <= 9; ++d)
      texts.push_back(base::CircledDigit(d));
    return texts;
  }();
  return std::find(kTexts.begin(), kTexts.end(), text) != kTexts.end();
}

const std::string &TopBorderMark() {
  static const std::string kTopBorder = base::Sj("─┬─┬");
  return kTopBorder;
}

} // namespace

std::optional<int> FindSheetTop(const platform::Memo &memo, int fromLine) {
  static const std::string kTitle = base::Sj("もこさん");
  return FindNear(memo, fromLine, TopBorderMark(), kTitle);
}

bool FindSheet(platform::Memo &memo, const settings::PrintFormat &format, SheetCursor &cursor) {
  const std::string &kTopBorder = TopBorderMark();
  cursor.sheetCaretLine = memo.Caret().line;
  const auto top = FindSheetTop(memo, cursor.sheetCaretLine);
  if (!top)
    return false;
  const std::string &border = memo.Line(*top);
  const int n = static_cast<int>((border.size() - FindText(border, kTopBorder) + 1) / 4);
  if (format.tabsOn)
    ExpandSheetTabs(memo, *top, 2 * n + 1, format.tabWidth);
  cursor.topLine = *top;
  cursor.digitCount = n;
  memo.ScrollToLine(std::max(0, *top - 4));
  const int firstCell = static_cast<int>(FindText(memo.Line(*top), kTopBorder)) + 2;
  cursor.cellCaret = {*top + 3, firstCell};
  cursor.row = cursor.col = 1;
  memo.SetCaret(cursor.cellCaret);
  return true;
}

bool IsEditableCell(const platform::Memo &memo, platform::TextPos caret) {
  if (caret.line < 0 || caret.line >= memo.LineCount() || caret.col < 2)
    return false;
  const std::string &line = memo.Line(caret.line);
  if (base::CharStart(line, static_cast<std::size_t>(caret.col)) !=
      static_cast<std::size_t>(caret.col))
    return false;
  return IsBar(TwoBytesAt(line, caret.col - 2)) && IsCellText(TwoBytesAt(line, caret.col)) &&
         IsBar(TwoBytesAt(line, caret.col + 2));
}

bool HasNextCell(std::string_view line, int cell) {
  return cell + 1 + 7 <= static_cast<int>(line.size());
}

int FirstCellOffset(std::string_view line) {
  static const std::string kThin = base::Sj("│"), kThick = base::Sj("┃");
  const std::size_t thin = FindText(line, kThin), thick = FindText(line, kThick);
  const std::size_t bar = std::min(thin, thick);
  return bar == std::string_view::npos ? -1 : static_cast<int>(bar) + 2;
}

void MoveToCell(platform::Memo &memo, SheetCursor &cursor, int row, int col) {
  const int n = cursor.digitCount;
  row = std::clamp(row, 0, std::max(0, n - 1));
  const int line = cursor.topLine + 1 + 2 * row;
  if (line < 0 || line >= memo.LineCount())
    return;
  cursor.row = row;
  cursor.col = std::clamp(col, 1, std::max(1, n - row));
  const int first = FirstCellOffset(memo.Line(line));
  cursor.cellCaret = {line, std::max(0, first) + 4 * (cursor.col - 1)};
  memo.SetCaret(cursor.cellCaret);
}

} // namespace zenpa::drill
