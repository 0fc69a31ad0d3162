#include "print/format_controls.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "base/units.h"
#include "print/layout_numbers.h"

namespace zenpa::print {
namespace {

using settings::PrintFormat;

constexpr int kMarginMaxMm = 500;
constexpr int kCutMaxMm = 500;
constexpr int kFrameMaxMm = 1000;

int ToMm(int px, int dpi) { return base::PixToMm(px, dpi); }

// The frame field's own bound: a frame starts on the paper and ends on it.
int FrameLimit(const PrintFormat &f, FormatField field, const FieldContext &c) {
  switch (field) {
  case FormatField::FrameLeft:
    return c.paperWidthMm - c.rightInsetMm;
  case FormatField::FrameWidth:
    return c.paperWidthMm - f.frameRect.left;
  case FormatField::FrameTop:
    return c.paperHeightMm - c.bottomInsetMm;
  default:
    return c.paperHeightMm - f.frameRect.top;
  }
}

// The frame rectangle's side a frame field edits (const or not).
template <class Format> auto &FrameValue(Format &f, FormatField field) {
  switch (field) {
  case FormatField::FrameLeft:
    return f.frameRect.left;
  case FormatField::FrameTop:
    return f.frameRect.top;
  case FormatField::FrameWidth:
    return f.frameRect.width;
  default:
    return f.frameRect.height;
  }
}

bool IsFrameField(FormatField field) {
  return field == FormatField::FrameLeft || field == FormatField::FrameTop ||
         field == FormatField::FrameWidth || field == FormatField::FrameHeight;
}

// A frame side kept on the paper; a moved left or top edge shortens the
// width or height so that the frame still ends on the paper.
void StoreFrame(PrintFormat &f, FormatField field, int v, const FieldContext &c) {
  FrameValue(f, field) = std::max(0, std::min(v, FrameLimit(f, field, c)));
  if (field == FormatField::FrameLeft)
    StoreFrame(f, FormatField::FrameWidth, f.frameRect.width, c);
  if (field == FormatField::FrameTop)
    StoreFrame(f, FormatField::FrameHeight, f.frameRect.height, c);
}

void Store(PrintFormat &f, FormatField field, int v, const FieldContext &c) {
  switch (field) {
  case FormatField::LinesPerPage:
    f.linesPerPage = v;
    break;
  case FormatField::LineSpacing:
    f.lineSpacing = std::max(1, v + 100);
    break;
  case FormatField::CharSpacing:
    f.charSpacing = std::max(0, v + 100);
    break;
  case FormatField::LeftMargin:
    f.leftMargin = base::MmToPix(v, c.dpi);
    break;
  case FormatField::TopMargin:
    f.topMargin = base::MmToPix(v, c.dpi);
    break;
  case FormatField::TopWithHeader:
    f.topMargin = base::MmToPix(v - c.headerMm, c.dpi);
    break;
  case FormatField::EvenPageShift:
    f.evenPageShift = v;
    break;
  case FormatField::TabWidth:
    f.tabWidth = f.tabsOn ? v : 1; // without tabs the width stays 1
    break;
  case FormatField::FontSize:
    f.fontSize = v / 10.0;
    break;
  case FormatField::PaperBottom:
    f.paperBottom = v;
    break;
  case FormatField::PaperRight:
    f.paperRight = v;
    break;
  case FormatField::EditorWidth:
    f.editorWidth = v;
    break;
  case FormatField::ReducePercent:
    f.reducePercent = v;
    break;
  default:
    StoreFrame(f, field, v, c);
  }
}

// Typed numbers the field cannot mean: more digits than its largest value
// has, or a sign the field never shows (a frame field takes a negative
// value as 0).
bool OutOfReach(int value, FormatField field, const FieldBounds &b) {
  if (value < 0 && b.min >= 0 && !IsFrameField(field))
    return true;
  const int reach = std::max(std::abs(b.min), std::abs(b.max));
  return std::abs(static_cast<long long>(value)) >= 10LL * std::max(reach, 1);
}

} // namespace

FieldContext ContextOf(const PageGeometry &g, int maxEditorWidth) {
  FieldContext c;
  c.dpi = g.dpi;
  c.offsetLeft = g.offX;
  c.offsetTop = g.offY;
  c.paperWidthMm = ToMm(g.paperW, g.dpi);
  c.paperHeightMm = ToMm(g.paperH, g.dpi);
  c.rightInsetMm = ToMm(g.rightInset, g.dpi);
  c.bottomInsetMm = ToMm(g.bottomLimit - g.cutBottom, g.dpi);
  c.headerMm = g.headerMm;
  c.maxEditorWidth = maxEditorWidth;
  return c;
}

FieldBounds BoundsOf(FormatField field, const FieldContext &c) {
  const int left = ToMm(c.offsetLeft, c.dpi);
  const int top = ToMm(c.offsetTop, c.dpi);
  switch (field) {
  case FormatField::LinesPerPage:
    return {0, 300};
  case FormatField::LineSpacing:
    return {-99, 500};
  case FormatField::CharSpacing:
    return {-100, 500};
  case FormatField::LeftMargin:
    return {left, kMarginMaxMm};
  case FormatField::TopMargin:
    return {top, kMarginMaxMm};
  case FormatField::TopWithHeader:
    return {top + c.headerMm, kMarginMaxMm + c.headerMm};
  case FormatField::EvenPageShift:
    return {-99, 99};
  case FormatField::TabWidth:
    return {1, 8};
  case FormatField::FontSize:
    return {60, 6000, 10};
  case FormatField::PaperBottom:
  case FormatField::PaperRight:
    return {0, kCutMaxMm};
  case FormatField::EditorWidth:
    return {4, std::max(4, c.maxEditorWidth), 5};
  case FormatField::ReducePercent:
    return {50, 100};
  default:
    return {0, kFrameMaxMm};
  }
}

int DesignValue(FormatField field) {
  switch (field) {
  case FormatField::LeftMargin:
    return 23;
  case FormatField::TopMargin:
  case FormatField::TopWithHeader:
    return 15;
  case FormatField::TabWidth:
    return 1;
  case FormatField::FontSize:
    return 120;
  case FormatField::FrameWidth:
  case FormatField::FrameHeight:
    return 121;
  case FormatField::EditorWidth:
    return settings::PrintFormat{}.editorWidth;
  case FormatField::ReducePercent:
    return 80;
  default:
    return 0;
  }
}

int FieldValue(const PrintFormat &f, FormatField field, const FieldContext &c) {
  switch (field) {
  case FormatField::LinesPerPage:
    return f.linesPerPage;
  case FormatField::LineSpacing:
    return f.lineSpacing - 100;
  case FormatField::CharSpacing:
    return f.charSpacing - 100;
  case FormatField::LeftMargin:
    return ToMm(f.leftMargin, c.dpi);
  case FormatField::TopMargin:
    return ToMm(f.topMargin, c.dpi);
  case FormatField::TopWithHeader:
    return ToMm(f.topMargin, c.dpi) + c.headerMm;
  case FormatField::EvenPageShift:
    return f.evenPageShift;
  case FormatField::TabWidth:
    return f.tabWidth;
  case FormatField::FontSize:
    return static_cast<int>(std::lround(f.fontSize * 10));
  case FormatField::PaperBottom:
    return f.paperBottom;
  case FormatField::PaperRight:
    return f.paperRight;
  case FormatField::EditorWidth:
    return f.editorWidth;
  case FormatField::ReducePercent:
    return f.reducePercent;
  default:
    return FrameValue(f, field);
  }
}

std::string FieldText(const PrintFormat &f, FormatField field, const FieldContext &c) {
  return std::to_string(FieldValue(f, field, c));
}

std::string SetField(PrintFormat &f, FormatField field, int value, const FieldContext &c) {
  const FieldBounds b = BoundsOf(field, c);
  Store(f, field, std::clamp(value, b.min, b.max), c);
  return FieldText(f, field, c);
}

std::string EnterField(PrintFormat &f, FormatField field, std::string_view text,
                       const FieldContext &c) {
  const std::optional<int> v = ReadInteger(text);
  if (!v || OutOfReach(*v, field, BoundsOf(field, c)))
    return FieldText(f, field, c);
  return SetField(f, field, *v, c);
}

std::string TypeField(PrintFormat &f, FormatField field, std::string_view text,
                      const FieldContext &c) {
  const std::optional<int> v = ReadInteger(text);
  const FieldBounds b = BoundsOf(field, c);
  if (!v || *v < b.min || *v > b.max)
    return FieldText(f, field, c);
  return SetField(f, field, *v, c);
}

std::string StepField(PrintFormat &f, FormatField field, int steps, const FieldContext &c) {
  const int step = BoundsOf(field, c).step;
  return SetField(f, field, FieldValue(f, field, c) + steps * step, c);
}

} // namespace zenpa::print
