// Page geometry: printer metrics (a real printer's or the virtual 360-dpi
// printer's), the printable area after the paper-edge cuts, the line pitch,
// the number of lines a page holds, and the width and length checks shown
// on the settings panel.
//
// Lengths are printer pixels unless a name says mm; paper sizes convert with
// 25.399 mm per inch.
#pragma once

#include <cstddef>

#include "platform/printer.h"
#include "settings/print_format.h"

namespace zenpa::print {

// The editor font's cell height (of "0高") to its em height, both in screen
// pixels, so that printed cells keep the editor's proportions.
struct CellRatio {
  int num = 1;
  int den = 1;
  int BaselineFix() const { return (num - den) / 3; }
};

// Cell height in printer pixels of a font size in points.
int PtToPix(double pt, int dpi, CellRatio ratio);
// A printer canvas text height brought back to the em scale.
int TextH(int canvasTextHeight, CellRatio ratio);

// Lines taken by the header and by the footer: 0, or 1 (2 with the gap).
int HeaderLines(const settings::PrintFormat &s);
int FooterLines(const settings::PrintFormat &s);

struct PageGeometry {
  int dpi = 360;
  int paperW = 0, paperH = 0;
  int offX = 0, offY = 0;
  int rightStrip = 0, bottomStrip = 0; // unprintable strips of the printer
  int cutRight = 0, cutBottom = 0;     // paper-edge cuts
  int rightLimit = 0, bottomLimit = 0; // unprintable width from the right and bottom edges
  int printW = 0, printH = 0;
  int rightInset = 0;
  int headerLines = 0, footerLines = 0;
  double linePitch = 1.0;
  int headerMm = 0;
  int maxLines = 0; // may be 0 or less when not even one line fits
};

// baseTextH: TextH of the format's font at its own size.
PageGeometry ComputeGeometry(const settings::PrintFormat &s,
                             const platform::PrinterMetrics &printer, int baseTextH);

// Printed lines after which a page ends: the lines per page when set, capped
// at the page's maximum while that is adjusted automatically; at least 1.
int PageLineLimit(const settings::PrintFormat &s, const PageGeometry &g);

struct WidthCheck {
  int w1 = 0;          // widest line with character spacing
  int rightEnd = 0;    // its right end from the printable origin
  int avail = 0;       // usable width (half a sheet for pouch binding)
  int remainRight = 0; // room left at the right, negative when exceeded
  bool tooWide = false;
};

WidthCheck CheckWidth(const settings::PrintFormat &s, const PageGeometry &g, int widestWidth,
                      std::size_t widestBytes, bool evenPass);

// The lines per page (with header and footer) do not fit the printable
// height, or not even one line fits.
bool TooLong(const settings::PrintFormat &s, const PageGeometry &g);

// Bottom margin in mm for n lines of text, at least 0.
int BottomMarginMm(const settings::PrintFormat &s, const PageGeometry &g, int lines);

} // namespace zenpa::print
