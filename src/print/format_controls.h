// The numeric fields of the print settings panel as plain data: which part
// of the format each field edits, the spinner's bounds and step, the value
// the field shows and what typed text or a spinner step does to the record.
//
// Field values are what the user sees: millimetres for margins, paper-edge
// cuts and frames, percent above 100 for the spacings, tenths of a point for
// the font size, screen pixels for the editor width. The record keeps the
// margins in printer pixels and the spacings as 100 + percent.
#pragma once

#include <string>
#include <string_view>

#include "print/layout_geometry.h"
#include "settings/print_format.h"

namespace zenpa::print {

enum class FormatField {
  LinesPerPage,  // "頁行数"
  LineSpacing,   // "行間"
  CharSpacing,   // "字間"
  LeftMargin,    // "左余白"
  TopMargin,     // "上余白"
  TopWithHeader, // the top margin including the header lines
  EvenPageShift, // "偶頁"
  TabWidth,      // "タブ"
  FontSize,      // the font size in tenths of a point
  PaperBottom,   // "用紙下"
  PaperRight,    // "用紙右"
  FrameLeft,
  FrameTop,
  FrameWidth,
  FrameHeight,
  EditorWidth,
  ReducePercent, // the reduction panel's percent for headers and puzzle lines
};

// What the bounds of some fields depend on: the printer's resolution and
// offsets, the paper as laid out and the window's width.
struct FieldContext {
  int dpi = 360;
  int offsetLeft = 43; // printer pixels
  int offsetTop = 43;
  int paperWidthMm = 210;
  int paperHeightMm = 297;
  int rightInsetMm = 0; // unprintable width kept from the right and bottom edges
  int bottomInsetMm = 0;
  int headerMm = 0;         // height of the header lines
  int maxEditorWidth = 764; // the window leaves the side panel 1 pixel
};

// The context of the last layout run on the window's width.
FieldContext ContextOf(const PageGeometry &geometry, int maxEditorWidth);

struct FieldBounds {
  int min = 0;
  int max = 0;
  int step = 1;
};

FieldBounds BoundsOf(FormatField field, const FieldContext &ctx);

// The design value a fresh format shows in the field.
int DesignValue(FormatField field);

// The value the field shows for the record.
int FieldValue(const settings::PrintFormat &format, FormatField field, const FieldContext &ctx);

// Sets the record from a value of the field, kept to the field's bounds and
// the field's own rules (行間 holds at least 1, 字間 at least 0, the frame
// stays on the paper). Returns the text the field shows afterwards: "-99"
// for a line spacing held at 1.
std::string SetField(settings::PrintFormat &format, FormatField field, int value,
                     const FieldContext &ctx);

// Typed text: a whole number is set as above; anything else (letters,
// pasted Japanese, a number too long for the field) leaves the record as it
// was and gives back the text of the held value.
std::string EnterField(settings::PrintFormat &format, FormatField field, std::string_view text,
                       const FieldContext &ctx);

// Text still being typed: a whole number within the field's bounds is set
// as above; anything else (a first digit below the least value, a lone
// sign, a number past the largest) waits for the edit to end, so that a
// half-typed number never lays the document out at a bound.
std::string TypeField(settings::PrintFormat &format, FormatField field, std::string_view text,
                      const FieldContext &ctx);

// A spinner step up (+1) or down (-1) from the held value.
std::string StepField(settings::PrintFormat &format, FormatField field, int steps,
                      const FieldContext &ctx);

// The text the field shows for the record.
std::string FieldText(const settings::PrintFormat &format, FormatField field,
                      const FieldContext &ctx);

} // namespace zenpa::print
