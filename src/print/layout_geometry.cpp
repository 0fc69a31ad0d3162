#include "print/layout_geometry.h"

#include <algorithm>
#include <cmath>

#include "base/units.h"

namespace zenpa::print {
namespace {

int Round(double v) { return static_cast<int>(base::RoundHalfAway(v)); }

int SideLines(bool present, const settings::PrintFormat &s) {
  if (!present) {
    return 0;
  }
  return s.headerGap ? 2 : 1;
}

// Even-pass placement leaves the text inside the paper (h: half a millimetre
// of tolerance, shift: the even-page shift in pixels).
bool EvenPassTooWide(const settings::PrintFormat &s, const PageGeometry &g, int room) {
  const int h = base::MmToPix(0.5, g.dpi);
  const int shift = base::MmToPix(s.evenPageShift, g.dpi);
  if (s.pagesLeftAligned) {
    return h + shift + s.leftMargin < g.offX || h + room - shift < 0;
  }
  return h + s.leftMargin - shift < g.rightInset || h + room + shift < 0;
}

} // namespace

int PtToPix(double pt, int dpi, CellRatio ratio) {
  const long long em = base::RoundHalfAway(dpi * pt / 72.0);
  return static_cast<int>(em * ratio.num / std::max(1, ratio.den));
}

int TextH(int canvasTextHeight, CellRatio ratio) {
  return static_cast<int>(static_cast<long long>(canvasTextHeight) * ratio.den /
                          std::max(1, ratio.num));
}

int HeaderLines(const settings::PrintFormat &s) {
  const bool numberOnTop = s.pageNumberOn && s.pageNumberPos == settings::PageNumberPos::Top;
  return SideLines(numberOnTop || s.printFileName || s.printDate, s);
}

int FooterLines(const settings::PrintFormat &s) {
  return SideLines(s.pageNumberOn && s.pageNumberPos == settings::PageNumberPos::Bottom, s);
}

PageGeometry ComputeGeometry(const settings::PrintFormat &s, const platform::PrinterMetrics &p,
                             int baseTextH) {
  PageGeometry g;
  g.dpi = p.dpiY > 0 ? p.dpiY : base::kVirtualPrinterDpi;
  g.paperW = p.paperW;
  g.paperH = p.paperH;
  g.offX = p.offX;
  g.offY = p.offY;
  g.rightStrip = p.paperW - p.printableW - p.offX;
  g.bottomStrip = p.paperH - p.printableH - p.offY;
  if (s.paperEdgeOn) {
    g.cutRight = base::MmToPix(s.paperRight, g.dpi);
    g.cutBottom = std::max(0, base::MmToPix(s.paperBottom, g.dpi) - 1);
  }
  g.rightLimit = s.paperEdgeOn ? std::max(g.rightStrip, g.offX + g.cutRight) : g.rightStrip;
  g.bottomLimit = s.paperEdgeOn ? std::max(g.bottomStrip, g.offY + g.cutBottom) : g.bottomStrip;
  g.printW = g.paperW - g.offX - g.rightLimit;
  g.printH = g.paperH - g.offY - g.bottomLimit;
  g.rightInset = g.rightLimit - g.cutRight;
  g.headerLines = HeaderLines(s);
  g.footerLines = FooterLines(s);
  g.linePitch = std::max(1.0, baseTextH * s.lineSpacing / 100.0);
  g.headerMm = base::PixToMm(g.headerLines * g.linePitch, g.dpi);
  const double room = (g.offY + g.printH - s.topMargin) / g.linePitch;
  g.maxLines = static_cast<int>(std::trunc(room)) - g.headerLines - g.footerLines;
  return g;
}

int PageLineLimit(const settings::PrintFormat &s, const PageGeometry &g) {
  const int fit = std::max(1, g.maxLines);
  if (s.linesPerPage <= 0) {
    return fit;
  }
  return s.autoMaxLines ? std::min(s.linesPerPage, fit) : s.linesPerPage;
}

WidthCheck CheckWidth(const settings::PrintFormat &s, const PageGeometry &g, int widestWidth,
                      std::size_t widestBytes, bool evenPass) {
  WidthCheck c;
  c.w1 = Round(widestWidth * s.charSpacing / 100.0);
  const int extra =
      widestBytes == 0 ? 0 : Round(double(c.w1 - widestWidth) / static_cast<double>(widestBytes));
  c.rightEnd = c.w1 - extra + s.leftMargin - g.offX;
  c.avail = s.pouchBinding ? g.printW / 2 - base::MmToPix(1, g.dpi) : g.printW;
  c.remainRight = s.pouchBinding ? c.avail - c.rightEnd : g.rightInset + c.avail - c.rightEnd;
  c.tooWide = c.avail < c.rightEnd;
  if (s.duplex && evenPass && EvenPassTooWide(s, g, c.avail - c.rightEnd)) {
    c.tooWide = true;
  }
  return c;
}

bool TooLong(const settings::PrintFormat &s, const PageGeometry &g) {
  if (g.maxLines < 1) {
    return true;
  }
  if (s.linesPerPage <= 0) {
    return false;
  }
  const int lines = g.headerLines + s.linesPerPage + g.footerLines;
  return lines * g.linePitch + s.topMargin - g.offY > g.printH;
}

int BottomMarginMm(const settings::PrintFormat &s, const PageGeometry &g, int lines) {
  const double used = s.topMargin + (g.headerLines + lines + g.footerLines) * g.linePitch;
  return std::max(0, base::PixToMm(g.paperH - used, g.dpi));
}

} // namespace zenpa::print
