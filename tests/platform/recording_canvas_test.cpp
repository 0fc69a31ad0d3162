#include "platform/recording_canvas.h"
#include "platform/recording_printer.h"

#include "base/sjis.h"

#include <gtest/gtest.h>

namespace zenpa::platform {
namespace {

TEST(RecordingCanvasTest, MeasuresHalfAndFullWidthCharacters) {
  RecordingCanvas canvas;
  canvas.SetFont(FontSpec{"f", 40});
  EXPECT_EQ(15, canvas.TextWidth("a"));
  EXPECT_EQ(40, canvas.TextWidth(base::Sj("漢")));
  EXPECT_EQ(40 + 2 * 15, canvas.TextWidth(base::Sj("ab漢")));
  EXPECT_EQ(40, canvas.TextHeight("a"));
  // A lone lead byte at the end counts as one single-byte character.
  EXPECT_EQ(15, canvas.TextWidth("\x88"));
}

TEST(RecordingCanvasTest, KeepsCallsWithTheirStateAtThatTime) {
  RecordingCanvas canvas;
  canvas.SetFont(FontSpec{"f", 20});
  canvas.SetTextColor(0x0000FF);
  canvas.DrawText(1, 2, "x");
  canvas.SetPen(0x808080, PenStyle::Dotted);
  canvas.DrawLine(0, 0, 5, 6);
  const int adv[] = {7};
  canvas.SetFont(FontSpec{"g", 30});
  canvas.DrawTextAdvances(3, 4, "y", adv, Rect{0, 0, 9, 9});
  ASSERT_EQ(3u, canvas.Ops().size());
  EXPECT_EQ(0x0000FFu, canvas.Ops()[0].color);
  EXPECT_EQ("f", canvas.Ops()[0].font.face);
  EXPECT_EQ(PenStyle::Dotted, canvas.Ops()[1].pen);
  EXPECT_EQ(6, canvas.Ops()[1].y2);
  EXPECT_EQ((Rect{0, 0, 9, 9}), canvas.Ops()[2].rect);
  EXPECT_EQ(std::vector<int>{7}, canvas.Ops()[2].advances);
  EXPECT_EQ((std::vector<std::string>{"x", "y"}), canvas.Texts());
}

TEST(VirtualPrinterTest, A4PortraitAt360Dpi) {
  PrinterMetrics m = VirtualPrinterMetrics(210, 297);
  EXPECT_EQ(2976, m.paperW);
  EXPECT_EQ(4210, m.paperH);
  EXPECT_EQ(43, m.offX);
  EXPECT_EQ(43, m.offY);
  EXPECT_EQ(2976 - 86, m.printableW);
  EXPECT_EQ(360, m.dpiY);
}

TEST(RecordingPrinterTest, KeepsOnePageCanvasPerPage) {
  RecordingPrinter printer({"p"});
  EXPECT_EQ(0, printer.CurrentIndex());
  ASSERT_TRUE(printer.BeginDoc("doc"));
  printer.PageCanvas().DrawText(0, 0, "1");
  printer.NewPage();
  printer.PageCanvas().DrawText(0, 0, "2");
  printer.EndDoc();
  ASSERT_EQ(2u, printer.Pages().size());
  EXPECT_EQ(std::vector<std::string>{"1"}, printer.Pages()[0].Texts());
  EXPECT_EQ(std::vector<std::string>{"2"}, printer.Pages()[1].Texts());
  EXPECT_EQ(1, printer.JobsEnded());
  EXPECT_EQ(-1, RecordingPrinter().CurrentIndex());
}

} // namespace
} // namespace zenpa::platform
