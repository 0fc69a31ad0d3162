#include "puzzle/play/grid_keys.h"

#include "base/digits.h"
#include "base/sjis.h"

#include <algorithm>
#include <string>

namespace zenpa::play {
namespace {

bool IsBlank(std::string_view cell) { return cell == "  " || cell == base::Sj("　"); }

bool IsCircled(std::string_view cell) {
  return base::CellDigitValue(cell) != 0 && base::FullWidthDigitValue(cell) == 0;
}

void WriteCell(platform::Memo &memo, const EntryCursor &cursor, const std::string &text) {
  const platform::TextPos at = CellCaret(cursor, cursor.column, cursor.row);
  std::string line = memo.Line(at.line);
  line.replace(static_cast<std::size_t>(at.col), 2, text);
  memo.ReplaceLine(at.line, line);
  memo.SetCaret(at);
}

} // namespace

std::optional<int> CellKeyDigit(char key) {
  if (key == ' ' || key == '0')
    return 0;
  if (key >= '1' && key <= '9')
    return key - '0';
  return std::nullopt;
}

bool IsEntryCell(std::string_view cell) {
  static const std::string zero = base::Sj("０"), mark = base::Sj("？"), note = base::Sj("※");
  return IsBlank(cell) || cell == zero || base::CellDigitValue(cell) != 0 || cell == mark ||
         cell == note;
}

bool IsPlayerCell(std::string_view cell) { return IsBlank(cell) || IsCircled(cell); }

bool EntryDigit(platform::Memo &memo, EntryCursor &cursor, int digit) {
  if (!IsEntryCell(CursorCell(memo, cursor)))
    return false;
  WriteCell(memo, cursor, digit == 0 ? base::zenkaku(10) : base::zenkaku(digit));
  AdvanceCursor(memo, cursor);
  return true;
}

std::optional<int> GameDigit(platform::Memo &memo, EntryCursor &cursor, int digit) {
  const std::string cell = CursorCell(memo, cursor);
  if (!IsPlayerCell(cell))
    return std::nullopt;
  WriteCell(memo, cursor, base::CircledDigit(std::clamp(digit, 0, 9)));
  return base::CellDigitValue(cell);
}

} // namespace zenpa::play
