#include "drill/drill_game.h"

#include "base/digits.h"
#include "base/file_io.h"
#include "base/sjis.h"
#include "drill/drill_entry.h"
#include "drill/pyramid.h"
#include "drill/sheet_search.h"
#include "drill/sheet_text.h"

#include <algorithm>
#include <cctype>

namespace zenpa::drill {
namespace {

const std::string &PyramidBorder() {
  static const std::string kBorder = base::Sj("└┬┴┬");
  return kBorder;
}

// The row number at the end of a row line, or nullopt.
std::optional<int> TrailingNumber(const std::string &line) {
  std::size_t start = line.size();
  while (start > 0 && std::isdigit(static_cast<unsigned char>(line[start - 1])))
    --start;
  if (start == line.size() || line.size() - start > 6)
    return std::nullopt;
  return std::stoi(line.substr(start));
}

// Blanks the check row above its border (line b, border at byte p) and,
// when the last row to fill carries its number m, numbers the check row m+1
// and rewrites the count line below for the game's total.
void BlankCheckRow(platform::Memo &memo, int b, std::size_t p, int cellTotal) {
  static const std::string kCountStart = base::Sj("（全");
  std::string row = memo.Line(b - 1).substr(0, p) + base::Sj("│　│　│");
  const auto number = TrailingNumber(memo.Line(b - 3));
  if (number)
    row += std::to_string(*number + 1);
  memo.ReplaceLine(b - 1, row);
  if (!number)
    return;
  for (int i = b; i <= std::min(b + 6, memo.LineCount() - 1); ++i) {
    if (memo.Line(i).rfind(kCountStart, 0) != 0)
      continue;
    memo.ReplaceLine(i, CountLine(cellTotal));
    return;
  }
}

void BlankFinalCell(platform::Memo &memo, int b, std::size_t p) {
  if (b + 1 >= memo.LineCount())
    return;
  memo.ReplaceLine(b + 1, memo.Line(b + 1).substr(0, p + 2) + base::Sj("┃　┃"));
}

// The top digit row with every digit shown as "？".
std::string HiddenDigits(const std::string &digitLine, int n) {
  const int first = FirstCellOffset(digitLine);
  std::string hidden = digitLine.substr(0, static_cast<std::size_t>(std::max(first, 0)));
  for (int i = 0; i < n; ++i)
    hidden += base::Sj("？│");
  return hidden;
}

// Writes the time into the time box of the sheet whose top border is line
// `top`; a sheet without one gets the time as a new last line.
void WriteTimeBox(platform::Memo &memo, int top, Elapsed elapsed) {
  static const std::string kDigitsLabel = base::Sj("けた│");
  const auto found = FindNear(memo, top + 2, kDigitsLabel, PyramidBorder());
  if (!found) {
    memo.InsertLine(memo.LineCount(), TimeBoxText(elapsed));
    return;
  }
  const std::string &line = memo.Line(*found);
  const std::size_t at = FindText(line, kDigitsLabel);
  std::string box = line.substr(0, at + kDigitsLabel.size()) + TimeBoxText(elapsed);
  while (box.size() < at + 26)
    box += base::Sj("　");
  memo.ReplaceLine(*found, box + base::Sj("│"));
}

} // namespace

StartResult DrillGame::Start(platform::Memo &memo, const settings::PrintFormat &format) {
  static const std::string kCheckBorder = base::Sj("└┰┴┰┘");
  running_ = keyHeld_ = false;
  mistakes_ = cellTotal_ = 0;
  isAddition_ = true;
  if (!FindSheet(memo, format, cursor_))
    return StartResult::NoSheet;
  const int top = cursor_.topLine;
  const auto b = FindNear(memo, top + 2, kCheckBorder, PyramidBorder());
  if (!b || *b < 3)
    return StartResult::NoSheet;
  cellTotal_ = GameCellTotal(cursor_.digitCount);
  const std::size_t p = FindText(memo.Line(*b), kCheckBorder);
  BlankCheckRow(memo, *b, p, cellTotal_);
  BlankFinalCell(memo, *b, p);
  const std::string digits = memo.Line(top + 1);
  memo.ReplaceLine(top + 1, HiddenDigits(digits, cursor_.digitCount));
  static const std::string kSubtraction = base::Sj("ひきざん");
  isAddition_ = !AnyLineContains(memo, top - 6, top - 3, kSubtraction);
  memo.SetCaret(cursor_.cellCaret);
  const platform::Answer answer = host_.Message(
      base::Sj("［ＥＮＴＥＲ］でスタートします。"),
      base::Sj(isAddition_ ? "★ たしざん ★" : "☆★ ひきざん ★☆"), platform::Buttons::OkCancel);
  memo.ReplaceLine(top + 1, digits);
  memo.SetCaret(cursor_.cellCaret);
  if (answer != platform::Answer::Ok)
    return StartResult::Cancelled;
  Play(sounds_.start);
  startTime_ = host_.Milliseconds();
  running_ = true;
  return StartResult::Started;
}

KeyOutcome DrillGame::Key(platform::Memo &memo, char key, bool showWrongDigit) {
  if (!running_ || keyHeld_)
    return {};
  const platform::TextPos cell = memo.Caret();
  if (!IsCellKey(key) || !IsEditableCell(memo, cell))
    return {key == kEscKey ? KeyResult::LeaveMode : KeyResult::Ignored, std::nullopt};
  const int typed = KeyDigit(key);
  const bool right = typed == ExpectedDigit(memo, cell);
  WriteCell(memo, cell, right || showWrongDigit ? base::zenkaku(typed) : base::Sj("？"));
  keyHeld_ = true;
  if (right)
    return Advance(memo, cell);
  ++mistakes_;
  Play(sounds_.wrong);
  cursor_.cellCaret = cell;
  memo.SetCaret(cell);
  return {KeyResult::Wrong, std::nullopt};
}

int DrillGame::ExpectedDigit(const platform::Memo &memo, platform::TextPos cell) const {
  if (cell.line < 2)
    return 0;
  const std::string &above = memo.Line(cell.line - 2);
  const int left = base::FullWidthDigitValue(TwoBytesAt(above, cell.col - 2));
  const int right = base::FullWidthDigitValue(TwoBytesAt(above, cell.col + 2));
  return CellOp(left, right, isAddition_ ? Operation::Addition : Operation::Subtraction);
}

KeyOutcome DrillGame::Advance(platform::Memo &memo, platform::TextPos cell) {
  if (HasNextCell(memo.Line(cell.line), cell.col)) {
    cursor_.cellCaret = {cell.line, cell.col + 4};
    memo.SetCaret(cursor_.cellCaret);
    return {KeyResult::Moved, std::nullopt};
  }
  const int next = cell.line + 2;
  const int first = next < memo.LineCount() ? FirstCellOffset(memo.Line(next)) : -1;
  if (first < 0)
    return {KeyResult::Goal, Finish(memo)};
  cursor_.cellCaret = {next, first};
  memo.SetCaret(cursor_.cellCaret);
  memo.ScrollToLine(memo.FirstVisibleLine() + 2);
  return {KeyResult::Moved, std::nullopt};
}

GoalReport DrillGame::Finish(platform::Memo &memo) {
  const Elapsed elapsed = ElapsedFrom(host_.Milliseconds() - startTime_);
  WriteTimeBox(memo, cursor_.topLine, elapsed);
  running_ = keyHeld_ = false;
  Play(sounds_.goal);
  const Operation op = isAddition_ ? Operation::Addition : Operation::Subtraction;
  return MakeGoalReport(elapsed, cellTotal_, mistakes_, op);
}

void DrillGame::Play(const std::string &path) {
  if (sounds_.enabled && !path.empty() && base::FileExists(path))
    host_.PlaySound(path);
}

void DrillGame::ReturnToCell(platform::Memo &memo) const {
  memo.SetCaret(cursor_.cellCaret);
  memo.ScrollToLine(std::max(0, cursor_.cellCaret.line - 7));
}

std::string DrillGame::Clock() const {
  return ClockText(ElapsedFrom(host_.Milliseconds() - startTime_));
}

settings::DrillOptions DrillGame::SameLevel(settings::DrillOptions options) const {
  options.digits = cursor_.digitCount;
  options.sheets = 1;
  options.operation = isAddition_ ? Operation::Addition : Operation::Subtraction;
  options.appendAnswer = false;
  options.addToDocument = false;
  return options;
}

} // namespace zenpa::drill
