// One layout run, done after every change of the document, the format or
// the paper: page geometry for the printer (SetPrn), the pagination table
// and widest line (Check), and the width check against the paper.
//
// The run measures on the printer canvas and leaves its font as it found
// it. Lengths are printer pixels.
#pragma once

#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/printer.h"
#include "print/layout_geometry.h"
#include "print/pagination.h"
#include "settings/print_format.h"

namespace zenpa::print {

struct LayoutInput {
  const settings::PrintFormat &format;
  platform::PrinterMetrics printer; // the printer's, or the virtual printer's
  CellRatio cellRatio;              // of the editor font
  std::vector<std::string> fonts;   // installed faces, sorted, for font marks
  bool evenPass = false;            // the even pass of manual duplex is selected
  LineWidthCache *widths = nullptr; // line widths kept between runs, or none
};

struct LayoutResult {
  PageGeometry geometry;
  Pagination pagination;
  WidthCheck width;
  int basePixelHeight = 0; // cell height of the format's font
  int perPage = 1;         // printed lines after which a page ends
  int wideCharWidth = 0;   // width of one full-width character ("幅")
  bool tooLong = false;    // lines per page beyond the paper
};

LayoutResult RunLayout(const PrintedLines &lines, const LayoutInput &in, platform::Canvas &canvas);

// The format's own font at its own size.
platform::FontSpec BaseFont(const settings::PrintFormat &format, int pixelHeight);

} // namespace zenpa::print
