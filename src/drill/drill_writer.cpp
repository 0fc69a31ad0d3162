#include "drill/drill_writer.h"

#include "base/digits.h"
#include "base/sjis.h"
#include "drill/sheet_search.h"
#include "drill/worksheet.h"

#include <algorithm>

namespace zenpa::drill {
namespace {

void WriteLines(platform::Memo &memo, editor::InsertionPlace place, const Lines &lines) {
  for (const std::string &line : lines)
    editor::InsertAtGyo(memo, place, line);
}

std::vector<int> ReadTopDigits(const std::string &digitLine, std::size_t at, int n) {
  std::vector<int> digits;
  for (int i = 0; i < n; ++i)
    digits.push_back(
        base::FullWidthDigitValue(TwoBytesAt(digitLine, static_cast<int>(at) + 2 + 4 * i)));
  return digits;
}

// Moves the caret to the start of the line after the first page-break line
// at or below it, or to the end of the document.
void MoveToNextPage(platform::Memo &memo, const std::string &mark) {
  for (int i = std::max(0, memo.Caret().line); i < memo.LineCount(); ++i) {
    if (memo.Line(i) == mark) {
      memo.SetCaret({i + 1, 0});
      return;
    }
  }
  memo.SetCaret({memo.LineCount(), 0});
}

} // namespace

std::string SeparatorLine(const settings::PrintFormat &format) {
  return format.drill.pageBreak ? format.pageBreakMark : std::string();
}

std::optional<SheetSource> ReadSheetForAnswer(const platform::Memo &memo, int from) {
  static const std::string kTopBorder = base::Sj("┌─┬─┬");
  const auto border = FindNear(memo, from, kTopBorder);
  if (!border || *border + 1 >= memo.LineCount())
    return std::nullopt;
  const std::size_t at = FindText(memo.Line(*border), kTopBorder);
  const std::string &digitLine = memo.Line(*border + 1);
  if (digitLine.size() < at)
    return std::nullopt;
  const int n = static_cast<int>((digitLine.size() - at) / 4);
  if (n < 3 || n > kMaxDigits)
    return std::nullopt;
  SheetSource source;
  source.borderLine = *border;
  static const std::string kSubtraction = base::Sj("ひきざん");
  const bool subtraction = AnyLineContains(memo, *border - 4, *border - 1, kSubtraction);
  source.op = subtraction ? Operation::Subtraction : Operation::Addition;
  source.prefix = digitLine.substr(0, at);
  source.digits = ReadTopDigits(digitLine, at, n);
  for (int i = *border; i < std::min(*border + 3, memo.LineCount()); ++i)
    source.topRowLines.push_back(memo.Line(i));
  return source;
}

void WriteAnswerSheet(platform::Memo &memo, const SheetSource &source,
                      const settings::PrintFormat &format) {
  Lines lines = MakeAnswerSheet(source.prefix, source.topRowLines, source.digits, source.op);
  lines.push_back(SeparatorLine(format));
  WriteLines(memo, format.insertionPlace, lines);
}

bool WriteAnswerForCaret(platform::Memo &memo, const settings::PrintFormat &format) {
  const auto source = ReadSheetForAnswer(memo, memo.Caret().line + 4);
  if (!source)
    return false;
  if (format.insertionPlace == editor::InsertionPlace::AtCaret)
    MoveToNextPage(memo, format.pageBreakMark);
  WriteAnswerSheet(memo, *source, format);
  return true;
}

GenerateResult Generate(platform::Memo &memo, const settings::PrintFormat &format,
                        RandomSource &rng, const std::function<bool()> &askSaveChanges) {
  const settings::DrillOptions &drill = format.drill;
  if (!drill.addToDocument) {
    if (memo.Modified() && !askSaveChanges())
      return GenerateResult::Cancelled;
    memo.SetLines({});
  }
  const SheetOptions options{std::clamp(drill.digits, kMinDigits, kMaxDigits), drill.operation,
                             HintRule{drill.hint, drill.hintByDigit}};
  for (int sheet = 0; sheet < drill.sheets; ++sheet) {
    Lines lines = MakeQuestionSheet(options, rng).lines;
    lines.push_back(SeparatorLine(format));
    WriteLines(memo, format.insertionPlace, lines);
    if (!drill.appendAnswer)
      continue;
    if (const auto source = ReadSheetForAnswer(memo, memo.Caret().line))
      WriteAnswerSheet(memo, *source, format);
  }
  if (!drill.addToDocument)
    memo.SetModified(false);
  return GenerateResult::Written;
}

} // namespace zenpa::drill
