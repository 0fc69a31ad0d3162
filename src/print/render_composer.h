// The state of one rendering run (see render.h). Kept in its own header so
// that the run loop (render.cpp) and the drawing of text lines
// (render_line.cpp) share it; nothing outside the renderer includes it.
#pragma once

#include "print/page_fill.h"
#include "print/render.h"
#include "print/render_placement.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zenpa::print {

class Composer {
public:
  Composer(const RenderInput &in, const RunOptions &run, SheetOutput &out);
  RunResult Run();

private:
  // Run loop (render.cpp).
  bool RunCopy(int copy);
  bool HandleLine(std::string_view line, int copy);
  void SelectMark();
  void TakeLine(std::string_view text);
  bool OpenPage(int copy);
  void ClosePage();
  bool BeginSheetFor(int copy);
  void DrawSheetDecorations();
  void DrawPageView();
  void DrawPaperEdgeLines(std::uint32_t colour, platform::PenStyle style);
  void DrawFrame();
  void DrawHeader();
  void DrawPageNumbers();
  void DrawTurnedNumber(const std::string &text);

  // Text lines (render_line.cpp).
  void DrawTextLine(std::string_view line, int scale);
  int ReducedShift(bool title);
  void DrawPairs(std::string_view line, const std::vector<std::size_t> &pairs, int x, int y,
                 const LineAdvances &adv);

  // Fonts and coordinates.
  platform::Canvas &Canvas() { return out_.SheetCanvas(); }
  platform::FontSpec BaseFont(int percent) const;
  void Select(const platform::FontSpec &font);
  void SetColour(std::uint32_t colour);
  int Ox() const { return shiftX_; }
  int Oy() const { return shiftY_; }
  platform::Rect Shifted(platform::Rect r) const;
  int Percent(int base, int percent) const { return base * percent / 100; }

  const RenderInput &in_;
  const settings::PrintFormat &f_;
  const PageGeometry &g_;
  RunOptions run_;
  SheetOutput &out_;
  int shiftX_ = 0;
  int shiftY_ = 0;
  int baseHeight_ = 0; // cell height of the format's font
  int baseTextH_ = 0;  // its height on the em scale: one line at 100 %
  PageFill fill_;

  int pageNo_ = 1;
  double u_ = 0; // vertical position from the top margin, in lines of the format's font
  bool pageOpen_ = false;
  bool justFilled_ = false;
  bool drawing_ = false; // the open page is drawn
  MarkState mark_;
  int gridScale_ = 0; // size the last puzzle grid was drawn at, 0 before any
  PagePlacement place_;
  platform::FontSpec font_;
  std::uint32_t colour_ = 0;

  int sheets_ = 0;    // sheets begun, over all copies
  int sheetKey_ = 0;  // sheet of the last selected page within its copy
  int sheetCopy_ = 0; // copy of that sheet
  int sheetsDrawn_ = 0;
  bool finished_ = false; // a preview's sheet is complete
};

} // namespace zenpa::print
