// In-text marks: mark lines that change the size, colour, font, left margin
// and line spacing of the lines printed after them, and the page-break line.
//
// Lines are Shift-JIS bytes. A mark line begins with the format's scale mark
// ("p" by default) followed by "-", "+" or "="; see ReadPMark for the syntax.
// Sizes and spacings are percent, the indent is tenths of a millimetre.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/print_format.h"

namespace zenpa::print {

// The format settings the mark parser depends on.
struct MarkRules {
  bool scaleMarksOn = false;
  std::string scaleMark = "p";
  std::string pageBreakMark = "\f";
  std::string fontName;
  std::string textColorText = "$000000"; // "$BBGGRR"
  int lineSpacing = 100;                 // 100 + extra percent
};

MarkRules MarkRulesOf(const settings::PrintFormat &format);

// The state a mark line changes; it lasts until the next mark or page start.
struct MarkState {
  bool markIsActive = false; // the line last parsed was a mark line
  int markScale = 100;       // percent of the format's font size
  std::string markColorText; // "$BBGGRR"
  std::string markFont;
  int markIndent = 0;        // extra left margin, tenths of a millimetre
  int markLineSpacing = 100; // same scale as settings::PrintFormat::lineSpacing
};

// Smallest and largest character size a run of signs can give, percent.
inline constexpr int kMinMarkScale = 5;
inline constexpr int kMaxMarkScale = 1000;

// The line-spacing parameter of a mark's text: the change in percentage
// points read after its first "%" ("%=" gives 0), raised to -lineSpacing
// when below it; nullopt when the text has no "%".
std::optional<int> SpacingParameter(std::string_view text, int lineSpacing);

class MarkReader {
public:
  // sortedFonts: installed font names in sorted order, searched by font marks.
  MarkReader(MarkRules rules, std::vector<std::string> sortedFonts);

  const MarkRules &rules() const { return rules_; }

  // The state at the start of a page or a run.
  MarkState ResetState() const;
  void Reset(MarkState &state) const { state = ResetState(); }

  // Parses one line: sets markIsActive and, for a mark line, applies it.
  // Never resets the state; callers reset at page and run starts.
  void ReadPMark(std::string_view line, MarkState &state) const;

  bool IsMarkLine(std::string_view line) const;
  bool IsPageBreakLine(std::string_view line) const;
  // False for the page-break line and for anything that looks like a mark.
  bool IsPrintableLine(std::string_view line) const;

private:
  void ApplyFont(std::string &rest, MarkState &state) const;

  MarkRules rules_;
  std::vector<std::string> fonts_;
};

} // namespace zenpa::print
