#include "print/render_placement.h"

#include "base/units.h"

namespace zenpa::print {
namespace {

WidthCheck WidthFor(settings::PrintFormat format, const PageGeometry &g, int widestWidth,
                    std::size_t widestBytes, bool pouch) {
  format.pouchBinding = pouch;
  return CheckWidth(format, g, widestWidth, widestBytes, false);
}

platform::Rect PrintArea(const PageGeometry &g) {
  return {g.offX, g.offY, g.offX + g.printW, g.offY + g.printH};
}

// Centre of the paper between the left edge and the right cut, as the
// bottom number of an ordinary page uses it.
int PaperCentre(const PageGeometry &g) {
  return g.offX + g.printW / 2 + (g.rightInset - g.offX) / 2;
}

PagePlacement Single(const settings::PrintFormat &f, const PageGeometry &g) {
  PagePlacement p;
  p.textLeft = f.leftMargin;
  p.headerEdge = g.offX + g.printW;
  p.footerCentre = PaperCentre(g);
  p.numberRight = g.offX + g.printW;
  p.clip = PrintArea(g);
  return p;
}

// The back of a sheet: the text starts where the front's right margin
// mirrors it (or at the left margin when pages are left-aligned); with
// backRightToLeft the whole page moves right by the right strip.
PagePlacement DuplexEven(const settings::PrintFormat &f, const PageGeometry &g,
                         const WidthCheck &w) {
  PagePlacement p = Single(f, g);
  p.even = true;
  const int backShift = f.backRightToLeft ? g.rightLimit - g.offX : 0;
  const int evenLeft = f.pagesLeftAligned ? f.leftMargin - g.offX
                                          : w.remainRight - g.offX + (g.rightInset - g.offX) / 2;
  p.textLeft = g.offX + evenLeft + base::MmToPix(f.evenPageShift, g.dpi) + backShift;
  p.headerAtRight = false;
  p.headerEdge = g.rightInset + backShift;
  p.footerCentre = PaperCentre(g) + backShift;
  if (backShift != 0) {
    p.clip.left = g.rightLimit;
    p.clip.right = g.paperW - g.rightStrip;
  }
  return p;
}

// Pouch binding: m is the middle of the usable paper from the printable
// origin; each page keeps a millimetre clear of the fold.
PagePlacement PouchHalf(const settings::PrintFormat &f, const PageGeometry &g,
                        const WidthCheck &half, bool right) {
  PagePlacement p = Single(f, g);
  const int m = (g.rightInset + g.printW - g.offX) / 2;
  const int fold = g.offX + m;
  const int gap = base::MmToPix(1, g.dpi);
  if (!right) {
    p.headerEdge = fold - gap;
    p.footerCentre = fold / 2;
    p.numberRight = fold - gap;
    p.clip.right = fold - gap;
    return p;
  }
  p.even = true;
  const int left = fold + gap;
  const int inner = f.pagesLeftAligned ? f.leftMargin - g.offX : half.remainRight;
  p.textLeft = left + inner + base::MmToPix(f.evenPageShift, g.dpi);
  p.headerAtRight = false;
  p.headerEdge = left;
  p.footerCentre = (fold + g.offX + g.printW + g.rightInset) / 2;
  p.clip.left = left;
  return p;
}

} // namespace

PagePlacement PlacePage(const settings::PrintFormat &f, const PageGeometry &g, int widestWidth,
                        std::size_t widestBytes, PageSide side) {
  const WidthCheck whole = WidthFor(f, g, widestWidth, widestBytes, false);
  PagePlacement p;
  switch (side) {
  case PageSide::Single:
    p = Single(f, g);
    break;
  case PageSide::DuplexEven:
    p = DuplexEven(f, g, whole);
    break;
  case PageSide::PouchLeft:
  case PageSide::PouchRight:
    p = PouchHalf(f, g, WidthFor(f, g, widestWidth, widestBytes, true),
                  side == PageSide::PouchRight);
    break;
  }
  p.w1 = whole.w1;
  return p;
}

int HeaderX(const PagePlacement &p, bool alignHeader, int headerWidth) {
  if (alignHeader)
    return p.textLeft + p.w1 - headerWidth;
  return p.headerAtRight ? p.headerEdge - headerWidth : p.headerEdge;
}

int FooterX(const PagePlacement &p, bool alignHeader, int textWidth) {
  if (alignHeader)
    return p.textLeft + p.w1 / 2 - textWidth / 2;
  return p.footerCentre - textWidth / 2;
}

} // namespace zenpa::print
