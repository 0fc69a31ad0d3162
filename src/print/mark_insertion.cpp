#include "print/mark_insertion.h"

#include <algorithm>

#include "base/sjis.h"
#include "base/units.h"

namespace zenpa::print {
namespace {

std::string WithSign(const char *name, int change) {
  return change == 0 ? std::string(name) + "=" : name + std::to_string(change);
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The start of the selection, or the caret when nothing is selected.
platform::TextPos SelectionStart(const platform::Memo &memo) {
  const platform::TextPos a = memo.SelectionAnchor();
  const platform::TextPos c = memo.Caret();
  return a.line < c.line || (a.line == c.line && a.col < c.col) ? a : c;
}

bool HasSelection(const platform::Memo &memo) {
  const platform::TextPos a = memo.SelectionAnchor();
  const platform::TextPos c = memo.Caret();
  return a.line != c.line || a.col != c.col;
}

} // namespace

std::string ScaleMarkLine(const std::string &scaleMark, int steps) {
  steps = std::clamp(steps, kScaleStepsMin, kScaleStepsMax);
  if (steps == 0)
    return scaleMark + "=";
  return scaleMark + std::string(static_cast<std::size_t>(std::abs(steps)), steps > 0 ? '+' : '-');
}

int ScaleMarkPercent(int steps) {
  steps = std::clamp(steps, kScaleStepsMin, kScaleStepsMax);
  return 100 + (steps > 0 ? 10 : 5) * steps;
}

std::string ScalePercentText(int steps) {
  return std::to_string(ScaleMarkPercent(steps)) + base::Sj("％ ");
}

std::string ColourMarkText(base::Colour chosen, base::Colour textColor) {
  return chosen == textColor ? "c=" : base::ColourToText(chosen);
}

std::string FontMarkText(const std::string &chosen, const std::string &fontName) {
  return chosen == fontName ? "f=" : chosen;
}

std::string SpacingMarkText(int change) { return WithSign("%", change); }

std::string IndentMarkText(int change) { return WithSign("m", change); }

bool ParameterMarksApply(std::string_view line, const std::string &scaleMark) {
  if (line.size() <= scaleMark.size() || !line.starts_with(scaleMark))
    return false;
  const char sign = line[scaleMark.size()];
  return sign == '-' || sign == '+' || sign == '=';
}

void InsertParameterMark(platform::Memo &memo, const std::string &text) {
  const platform::TextPos start = SelectionStart(memo);
  const std::string_view line =
      start.line < memo.LineCount() ? std::string_view(memo.Line(start.line)) : "";
  const auto col = static_cast<std::size_t>(start.col);
  const bool blankBefore = col > 0 && col <= line.size() && IsBlank(line[col - 1]);
  memo.ReplaceSelection(blankBefore ? text : " " + text);
}

void InsertScaleMark(platform::Memo &memo, const std::string &line) {
  if (HasSelection(memo)) {
    memo.ReplaceSelection(line);
    return;
  }
  const int at = std::min(memo.Caret().line, memo.LineCount());
  memo.InsertLine(at, line);
  memo.SetCaret({at + 1, 0});
}

int SpacingChangeOfLine(std::string_view line, int lineSpacing) {
  const int change = SpacingParameter(line, lineSpacing).value_or(0);
  return std::clamp(change, kSpacingChangeMin, kSpacingChangeMax);
}

int RaisedSpacingChange(int change, int lineSpacing) { return std::max(change, -lineSpacing); }

std::string SpacingPitchText(double linePitch, int dpi, int lineSpacing, int change) {
  const int held = std::max(1, lineSpacing);
  const int after = held + RaisedSpacingChange(change, held);
  return base::pix2mmfl(linePitch * after / held, dpi) + "mm";
}

int SpacingPictureGap(int lineSpacing, int change) {
  return (lineSpacing + RaisedSpacingChange(change, lineSpacing)) * 15 / 100;
}

int IndentOfLine(const MarkReader &reader, std::string_view line) {
  MarkState state = reader.ResetState();
  reader.ReadPMark(line, state);
  return std::clamp(state.markIndent, kIndentChangeMin, kIndentChangeMax);
}

std::string LeftMarginText(int leftMargin, int dpi, int change) {
  const double mm = leftMargin / static_cast<double>(dpi) * base::kMmPerInch + change / 10.0;
  return base::Sj("左余白　約") + std::to_string(base::RoundHalfAway(mm)) + "mm";
}

} // namespace zenpa::print
