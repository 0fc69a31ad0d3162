#include "print/layout_geometry.h"

#include <gtest/gtest.h>

#include <array>

namespace zenpa::print {
namespace {

// A4 portrait on the virtual printer, 23 mm left and 15 mm top margins,
// 60-pixel text height (12 pt at 360 dpi).
struct A4 {
  settings::PrintFormat s;
  platform::PrinterMetrics printer = platform::VirtualPrinterMetrics(210, 297);
  A4() {
    s.leftMargin = 326;
    s.topMargin = 213;
  }
  PageGeometry Geometry() const { return ComputeGeometry(s, printer, 60); }
};

// Offsets, strips, printable size and right inset, in that order.
std::array<int, 7> Area(const PageGeometry &g) {
  return {g.offX, g.offY, g.rightStrip, g.bottomStrip, g.printW, g.printH, g.rightInset};
}

TEST(LayoutGeometryTest, PaperEdgeCutsNarrowThePrintableArea) {
  A4 a4;
  a4.s.paperRight = 10; // 142 pixels
  a4.s.paperBottom = 10;
  // The cuts count only with the paper edges on.
  EXPECT_EQ((std::array<int, 7>{43, 43, 43, 43, 2890, 4124, 43}), Area(a4.Geometry()));
  a4.s.paperEdgeOn = true;
  const PageGeometry g = a4.Geometry();
  EXPECT_EQ((std::array<int, 7>{43, 43, 43, 43, 2748, 3983, 43}), Area(g));
  EXPECT_EQ((std::array<int, 4>{142, 141, 185, 184}),
            (std::array<int, 4>{g.cutRight, g.cutBottom, g.rightLimit, g.bottomLimit}));
}

TEST(LayoutGeometryTest, HeaderAndFooterLines) {
  settings::PrintFormat s;
  s.printDate = true;
  s.headerGap = false;
  EXPECT_EQ(1, HeaderLines(s));
  s.printDate = false;
  s.pageNumberOn = true;
  s.pageNumberPos = settings::PageNumberPos::Bottom;
  EXPECT_EQ(0, HeaderLines(s));
  EXPECT_EQ(1, FooterLines(s));
}

TEST(LayoutGeometryTest, MaxLinesAndTheHeaderGap) {
  A4 a4;
  a4.s.printFileName = true;
  a4.s.pageNumberOn = true;
  a4.s.pageNumberPos = settings::PageNumberPos::Bottom;
  const PageGeometry gap = a4.Geometry();
  EXPECT_EQ(61, gap.maxLines); // two header lines and one footer line
  EXPECT_EQ(8, gap.headerMm);
  a4.s.headerGap = false;
  a4.s.lineSpacing = 150;
  EXPECT_EQ(41, a4.Geometry().maxLines); // 3954 / 90 = 43.9
}

TEST(LayoutGeometryTest, PageLineLimit) {
  A4 a4;
  a4.s.linesPerPage = 300;
  EXPECT_EQ(65, PageLineLimit(a4.s, a4.Geometry())); // (43 + 4124 - 213) / 60
  a4.s.autoMaxLines = false;
  EXPECT_EQ(300, PageLineLimit(a4.s, a4.Geometry()));
  a4.s.linesPerPage = 0;
  const PageGeometry huge = ComputeGeometry(a4.s, a4.printer, 4000); // taller than the page
  EXPECT_GT(1, huge.maxLines);
  EXPECT_EQ(1, PageLineLimit(a4.s, huge));
}

TEST(LayoutGeometryTest, PtToPixFollowsTheEditorCellRatio) {
  EXPECT_EQ(60, PtToPix(12, 360, {}));
  EXPECT_EQ(75, PtToPix(12, 360, {5, 4}));
  EXPECT_EQ(60, TextH(75, {5, 4}));
  EXPECT_EQ(1, (CellRatio{7, 4}).BaselineFix());
}

TEST(LayoutGeometryTest, WidthCheckWithCharacterSpacing) {
  A4 a4;
  a4.s.charSpacing = 150;
  const PageGeometry g = a4.Geometry();
  // 1000 pixels over 20 bytes: 1500 with spacing, less one byte's extra 25.
  const WidthCheck c = CheckWidth(a4.s, g, 1000, 20, false);
  EXPECT_EQ(1758, c.rightEnd);
  EXPECT_EQ(1175, c.remainRight);
  EXPECT_FALSE(c.tooWide);
  EXPECT_TRUE(CheckWidth(a4.s, g, 2000, 20, false).tooWide);
  EXPECT_EQ(0, CheckWidth(a4.s, g, 0, 0, false).w1);

  a4.s.pouchBinding = true;
  const WidthCheck pouch = CheckWidth(a4.s, g, 1000, 20, false);
  EXPECT_EQ(1431, pouch.avail);
  EXPECT_TRUE(pouch.tooWide);
}

TEST(LayoutGeometryTest, EvenPassWidthCheck) {
  A4 a4;
  a4.s.duplex = true;
  const PageGeometry g = a4.Geometry();
  a4.s.evenPageShift = 20; // 283 pixels: the text still starts inside the paper
  EXPECT_FALSE(CheckWidth(a4.s, g, 1000, 20, true).tooWide);
  a4.s.evenPageShift = 21;
  EXPECT_TRUE(CheckWidth(a4.s, g, 1000, 20, true).tooWide);
  EXPECT_FALSE(CheckWidth(a4.s, g, 1000, 20, false).tooWide); // odd pass
  a4.s.pagesLeftAligned = true; // the shift now moves the page right: -21 leaves the paper
  a4.s.evenPageShift = -21;
  EXPECT_TRUE(CheckWidth(a4.s, g, 1000, 20, true).tooWide);
}

TEST(LayoutGeometryTest, LengthCheckAndBottomMargin) {
  A4 a4;
  a4.s.linesPerPage = 65;
  EXPECT_FALSE(TooLong(a4.s, a4.Geometry()));
  a4.s.linesPerPage = 66;
  EXPECT_TRUE(TooLong(a4.s, a4.Geometry()));
  a4.s.linesPerPage = 0;
  EXPECT_TRUE(TooLong(a4.s, ComputeGeometry(a4.s, a4.printer, 4000)));

  // 4210 - 213 - 40 * 60 = 1597 pixels
  EXPECT_EQ(113, BottomMarginMm(a4.s, a4.Geometry(), 40));
  EXPECT_EQ(0, BottomMarginMm(a4.s, a4.Geometry(), 300));
}

} // namespace
} // namespace zenpa::print
