// Writing in-text marks from the editor: the texts the five mark commands
// insert, where they go, and the figures their dialogs show.
//
// A parameter mark (colour, font, line spacing, left margin) is inserted at
// the caret, over the selection, with one blank before it unless the
// character before it is a blank already, so that parameters stay apart. A
// scale mark is a whole line of its own.
//
// Texts are Shift-JIS. Spacing changes are percentage points, indents tenths
// of a millimetre, lengths printer pixels unless a name says mm.
#pragma once

#include <string>
#include <string_view>

#include "base/colour.h"
#include "platform/memo.h"
#include "print/marks.h"

namespace zenpa::print {

// The dialogs' spinners.
inline constexpr int kScaleStepsMin = -10, kScaleStepsMax = 10;
inline constexpr int kSpacingChangeMin = -500, kSpacingChangeMax = 500;
inline constexpr int kIndentChangeMin = -3000, kIndentChangeMax = 3000;
inline constexpr int kIndentChangeStep = 10;

// The scale mark of n steps: the mark and "=" at 0, n "+" above, n "-" below.
std::string ScaleMarkLine(const std::string &scaleMark, int steps);
// 100 + 10 n above 0, 100 + 5 n below.
int ScaleMarkPercent(int steps);
// The percentage label: "120％ ".
std::string ScalePercentText(int steps);

// "$BBGGRR" of the chosen colour, "c=" for the text colour itself.
std::string ColourMarkText(base::Colour chosen, base::Colour textColor);
// The chosen face, "f=" for the format's own.
std::string FontMarkText(const std::string &chosen, const std::string &fontName);
// "%" + the change, "%=" for none.
std::string SpacingMarkText(int change);
// "m" + the change, "m=" for none.
std::string IndentMarkText(int change);

// The colour, font, line-spacing and left-margin commands apply to a mark
// line: the line begins with the scale mark and "-", "+" or "=".
bool ParameterMarksApply(std::string_view line, const std::string &scaleMark);

// Inserts a parameter mark over the selection, after one blank unless the
// character before the selection is a blank; the caret ends after it.
void InsertParameterMark(platform::Memo &memo, const std::string &text);
// Inserts a scale mark line before the caret's line, or over the selection
// when there is one.
void InsertScaleMark(platform::Memo &memo, const std::string &line);

// The line-spacing dialog starts at the change the line's "%" gives (0
// without one), kept to the spinner.
int SpacingChangeOfLine(std::string_view line, int lineSpacing);
// A change below -lineSpacing is raised to it.
int RaisedSpacingChange(int change, int lineSpacing);
// The line pitch after the change, "4.9mm": linePitch × (held + change) / held.
std::string SpacingPitchText(double linePitch, int dpi, int lineSpacing, int change);
// The sample picture's gap between lines, 15 % of the spacing, pixels.
int SpacingPictureGap(int lineSpacing, int change);

// The left-margin dialog starts at the indent ReadPMark reads from the line
// (0 when it is no mark line), kept to the spinner.
int IndentOfLine(const MarkReader &reader, std::string_view line);
// "左余白　約25mm": the left margin plus the change, whole millimetres.
std::string LeftMarginText(int leftMargin, int dpi, int change);

} // namespace zenpa::print
