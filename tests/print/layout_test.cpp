#include "print/layout.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>
#include <vector>

#include "base/sjis.h"
#include "platform/recording_canvas.h"
#include "platform/text_memo.h"
#include "print/layout_picture.h"
#include "print/layout_state.h"
#include "print/support/print_samples.h"

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
  PageGeometry Geometry(int textH = 60) const { return ComputeGeometry(s, printer, textH); }
};

// Offsets, strips, printable size, right inset and the cut limits, in that order.
std::array<int, 9> Area(const PageGeometry &g) {
  return {g.offX,   g.offY,       g.rightStrip, g.bottomStrip, g.printW,
          g.printH, g.rightInset, g.rightLimit, g.bottomLimit};
}

TEST(LayoutGeometryTest, PaperEdgeCutsNarrowThePrintableArea) {
  A4 a4;
  a4.s.paperRight = 10; // 142 pixels
  a4.s.paperBottom = 10;
  // The cuts count only with the paper edges on.
  EXPECT_EQ((std::array<int, 9>{43, 43, 43, 43, 2890, 4124, 43, 43, 43}), Area(a4.Geometry()));
  a4.s.paperEdgeOn = true;
  EXPECT_EQ((std::array<int, 9>{43, 43, 43, 43, 2748, 3983, 43, 185, 184}), Area(a4.Geometry()));
}

// Header lines (the file name and its gap) and the footer take page lines;
// a page holds at least one line however large the font.
TEST(LayoutGeometryTest, MaxLinesAndPageLineLimit) {
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

  A4 plain;
  plain.s.linesPerPage = 300;
  EXPECT_EQ(65, PageLineLimit(plain.s, plain.Geometry())); // (43 + 4124 - 213) / 60
  plain.s.autoMaxLines = false;
  EXPECT_EQ(300, PageLineLimit(plain.s, plain.Geometry()));
  plain.s.linesPerPage = 65;
  EXPECT_FALSE(TooLong(plain.s, plain.Geometry()));
  plain.s.linesPerPage = 66;
  EXPECT_TRUE(TooLong(plain.s, plain.Geometry()));
  plain.s.topMargin = 267; // 65 lines end exactly at the printable bottom
  plain.s.linesPerPage = 65;
  EXPECT_FALSE(TooLong(plain.s, plain.Geometry()));
  plain.s.linesPerPage = 0;
  const PageGeometry huge = plain.Geometry(4000); // taller than the page
  EXPECT_GT(1, huge.maxLines);
  EXPECT_EQ(1, PageLineLimit(plain.s, huge));
  EXPECT_TRUE(TooLong(plain.s, huge));
}

TEST(LayoutGeometryTest, WidthCheckWithSpacingPouchAndEvenPass) {
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

  A4 duplex;
  duplex.s.duplex = true;
  duplex.s.evenPageShift = 20; // 283 pixels: the text still starts inside the paper
  EXPECT_FALSE(CheckWidth(duplex.s, duplex.Geometry(), 1000, 20, true).tooWide);
  duplex.s.evenPageShift = 21;
  EXPECT_TRUE(CheckWidth(duplex.s, duplex.Geometry(), 1000, 20, true).tooWide);
  EXPECT_FALSE(CheckWidth(duplex.s, duplex.Geometry(), 1000, 20, false).tooWide); // odd pass
  duplex.s.pagesLeftAligned = true; // the shift now moves the page right: -21 leaves the paper
  duplex.s.evenPageShift = -21;
  EXPECT_TRUE(CheckWidth(duplex.s, duplex.Geometry(), 1000, 20, true).tooWide);
}

// The default format lays out 65 lines a page and restores the caller's
// font; a cell ratio makes the cells taller but keeps the pitch on the em
// scale; spacing at its floor fits thousands of lines; margins past the
// paper are too wide yet still paginate.
TEST(LayoutTest, DefaultCellRatioAndExtremeFormats) {
  settings::PrintFormat f;
  platform::RecordingCanvas canvas;
  canvas.SetFont({"Caller", 7});
  const LayoutInput in{f, platform::VirtualPrinterMetrics(210, 297), {}, {}, false};
  const LayoutResult r = RunLayout(PrintedLines(std::vector<std::string>(100, "text")), in, canvas);
  EXPECT_EQ(std::make_tuple(65, 60, 2, false, 7),
            std::make_tuple(r.perPage, r.wideCharWidth, r.pagination.pageCount, r.tooLong,
                            canvas.Font().height));
  const LayoutResult tall = testing::LayoutOf(f, {"text"}, {5, 4});
  EXPECT_EQ(75, tall.basePixelHeight);
  EXPECT_DOUBLE_EQ(60.0, tall.geometry.linePitch);
  f.lineSpacing = 1; // -99 %
  EXPECT_EQ(3954, testing::LayoutOf(f, {"x"}).geometry.maxLines);
  f.topMargin = f.leftMargin = 9000;
  const LayoutResult past = testing::LayoutOf(f, {"x", "y"});
  EXPECT_TRUE(past.width.tooWide);
  EXPECT_EQ(2, past.pagination.pageCount);
}

TEST(LayoutStateTest, RelayoutRefreshesTheStatusAndFollowsTheCaret) {
  platform::TextMemo memo(std::vector<std::string>(100, "text"));
  settings::PrintFormat format;
  platform::RecordingCanvas canvas;
  LayoutState state;
  state.Status().ShowReport(false, false);
  memo.SetCaret({70, 2});
  state.Relayout(memo, format, platform::VirtualPrinterMetrics(210, 297), {}, {}, canvas);
  EXPECT_EQ(base::Sj("（0で最終2頁）"), state.Status().endPageLabel());
  EXPECT_FALSE(state.Status().reportVisible());
  EXPECT_EQ(base::Sj("2頁 6行 3字 （71行）"), state.Status().caretText());

  memo.SetCaret({0, 0});
  state.CaretMoved(memo, format);
  EXPECT_EQ(base::Sj("1頁 1行 1字 （1行）"), state.Status().caretText());
}

// A paper of 2000 × 3000 printer pixels in a picture of 150: one picture
// pixel for 20 printer pixels. The text block never leaves the printable
// area, however wide the line or long the page; cut edges draw a line each.
TEST(LayoutPictureTest, PartsFollowTheGeometry) {
  LayoutResult r;
  r.geometry.paperW = 2000;
  r.geometry.paperH = 3000;
  r.geometry.offX = r.geometry.offY = 40;
  r.geometry.printW = 1900;
  r.geometry.printH = 2900;
  r.geometry.linePitch = 100;
  r.perPage = 10;
  r.width.w1 = 800;
  settings::PrintFormat f;
  f.leftMargin = 200;
  f.topMargin = 300;
  LayoutPicture p = MakeLayoutPicture(f, r, 150);
  EXPECT_EQ((PictureRect{0, 0, 100, 150}), p.paper);
  EXPECT_EQ((PictureRect{2, 2, 95, 145}), p.printable);
  EXPECT_EQ((PictureLine{50, 0, 50, 150}), p.centreLines.at(0));
  EXPECT_EQ((PictureRect{10, 15, 40, 50}), p.text);
  EXPECT_TRUE(p.edgeLines.empty());

  f.paperEdgeOn = true;
  f.paperRight = f.paperBottom = 10;
  r.width.w1 = 99999;
  r.perPage = 300;
  r.geometry.cutRight = r.geometry.cutBottom = 142;
  p = MakeLayoutPicture(f, r, 150);
  EXPECT_EQ((PictureRect{10, 15, 87, 132}), p.text);
  ASSERT_EQ(2u, p.edgeLines.size());
  EXPECT_EQ((PictureLine{93, 0, 93, 150}), p.edgeLines[0]);
  EXPECT_EQ((PictureLine{0, 143, 100, 143}), p.edgeLines[1]);
}

} // namespace
} // namespace zenpa::print
