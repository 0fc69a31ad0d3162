// Where the parts of one page stand on its sheet: the text's left edge, the
// header, the page numbers and the clip rectangle, for a single page, the
// back page of a duplex even pass, and the left and right halves of a pouch
// binding sheet.
//
// Positions are printer pixels from the physical paper corner.
#pragma once

#include "platform/canvas.h"
#include "print/layout_geometry.h"
#include "settings/print_format.h"

namespace zenpa::print {

enum class PageSide {
  Single,     // an ordinary page (and every page of the odd pass)
  DuplexEven, // a page of the even pass of manual duplex: the back of a sheet
  PouchLeft,  // the odd page of a pouch binding pair
  PouchRight, // the even page of a pouch binding pair
};

struct PagePlacement {
  bool even = false;         // laid out as an even page
  int textLeft = 0;          // left edge of the text, before a mark's indent
  int w1 = 0;                // widest line with character spacing
  bool headerAtRight = true; // header right-aligned at headerEdge, else starting there
  int headerEdge = 0;
  int footerCentre = 0; // centre of the bottom page number
  int numberRight = 0;  // right edge for the turned page number
  platform::Rect clip;  // text is drawn only inside
};

PagePlacement PlacePage(const settings::PrintFormat &format, const PageGeometry &geometry,
                        int widestWidth, std::size_t widestBytes, PageSide side);

// Left edge of a header of the given width.
int HeaderX(const PagePlacement &p, bool alignHeader, int headerWidth);
// Left edge of a bottom page number of the given width.
int FooterX(const PagePlacement &p, bool alignHeader, int textWidth);

} // namespace zenpa::print
