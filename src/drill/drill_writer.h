// Writing worksheets and answer sheets into the document. Every line goes in
// at the insertion line `gyo` (editor/insertion.h), and each insertion leaves
// the caret after its line, so a sheet comes out in reading order both at the
// end of the document and at the caret.
//
// The window's part of the commands stays with the caller: reading the panel
// boxes (drill_settings.h), switching real-time layout off for the run and
// disabling the menus, the relayout afterwards, entering a drill mode on the
// new sheet, resetting the page-number start and the completed puzzle answer.
#pragma once

#include "drill/drill_settings.h"
#include "drill/random_source.h"
#include "drill/sheet_text.h"
#include "editor/insertion.h"
#include "platform/memo.h"
#include "settings/print_format.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zenpa::drill {

// The commands read the record's drill options, its insertion place and its
// page-break mark.

// The line after each sheet: the page-break mark with "改頁" on, else empty.
std::string SeparatorLine(const settings::PrintFormat &format);

// What an answer sheet needs from a question sheet in the document.
struct SheetSource {
  int borderLine = 0; // the top row's upper border "┌─┬─┬…"
  Operation op = Operation::Addition;
  std::string prefix;      // text in front of the top row
  std::vector<int> digits; // the top digits; anything but "１"…"９" reads 0
  Lines topRowLines;       // the three top-row lines as they stand
};

// The question sheet whose top border is nearest to line `from` (upward
// first, then downward). A sheet narrower than 3 digits or wider than
// kMaxDigits, or one whose digit line is missing, is not a sheet.
std::optional<SheetSource> ReadSheetForAnswer(const platform::Memo &memo, int from);

// Writes the answer sheet of `source` and its separator at gyo.
void WriteAnswerSheet(platform::Memo &memo, const SheetSource &source,
                      const settings::PrintFormat &format);

// The answer command: the sheet is searched from 4 lines below the caret; in
// "ここに挿入" mode the answer goes after the next page-break line at or below
// the caret (the end of the document when there is none). False when no
// sheet was found; nothing is changed then.
bool WriteAnswerForCaret(platform::Memo &memo, const settings::PrintFormat &format);

enum class GenerateResult { Written, Cancelled };

// Generates drill.sheets sheets, each followed by its answer sheet when
// drill.appendAnswer is on. Unless drill.addToDocument is on, the
// document is first emptied (after askSaveChanges, called only when the
// document is modified, agreed; Cancelled leaves everything as it was) and
// left unmodified at the end.
GenerateResult Generate(platform::Memo &memo, const settings::PrintFormat &format,
                        RandomSource &rng, const std::function<bool()> &askSaveChanges);

} // namespace zenpa::drill
