#include "print/layout_picture.h"

#include <algorithm>
#include <cmath>

#include "base/units.h"

namespace zenpa::print {
namespace {

// Printer pixels to picture pixels.
struct Scale {
  double factor = 1;
  int operator()(double px) const { return static_cast<int>(std::lround(px * factor)); }
  PictureRect Rect(double x, double y, double w, double h) const {
    return {(*this)(x), (*this)(y), (*this)(w), (*this)(h)};
  }
};

// The text block: from the margins, as wide as the widest line (or the
// printable width when that is wider than the paper allows), as tall as a
// full page with its header and footer lines.
PictureRect TextBlock(const settings::PrintFormat &f, const LayoutResult &r, const Scale &s) {
  const PageGeometry &g = r.geometry;
  const int right = g.offX + g.printW;
  const int width = std::clamp(r.width.w1, 0, std::max(0, right - f.leftMargin));
  const int lines = g.headerLines + std::max(1, r.perPage) + g.footerLines;
  const int bottom = g.offY + g.printH;
  const double height = std::min<double>(lines * g.linePitch, std::max(0, bottom - f.topMargin));
  return s.Rect(f.leftMargin, f.topMargin, width, height);
}

} // namespace

LayoutPicture MakeLayoutPicture(const settings::PrintFormat &f, const LayoutResult &r,
                                int longSide) {
  const PageGeometry &g = r.geometry;
  LayoutPicture p;
  const int longer = std::max(g.paperW, g.paperH);
  if (longer <= 0)
    return p;
  const Scale s{static_cast<double>(longSide) / longer};
  p.paper = s.Rect(0, 0, g.paperW, g.paperH);
  p.printable = s.Rect(g.offX, g.offY, g.printW, g.printH);
  const int cx = s(g.paperW / 2.0);
  const int cy = s(g.paperH / 2.0);
  p.centreLines = {{cx, 0, cx, p.paper.h}, {0, cy, p.paper.w, cy}};
  p.text = TextBlock(f, r, s);
  p.frameShown = f.frameShown;
  p.framePrinted = f.framePrinted;
  const auto mm = [&](int v) { return base::MmToPix(v, g.dpi); };
  p.frame = s.Rect(mm(f.frameRect.left), mm(f.frameRect.top), mm(f.frameRect.width),
                   mm(f.frameRect.height));
  if (f.paperEdgeOn && f.paperRight > 0) {
    const int x = s(g.paperW - g.cutRight);
    p.edgeLines.push_back({x, 0, x, p.paper.h});
  }
  if (f.paperEdgeOn && f.paperBottom > 0) {
    const int y = s(g.paperH - g.cutBottom);
    p.edgeLines.push_back({0, y, p.paper.w, y});
  }
  return p;
}

} // namespace zenpa::print
