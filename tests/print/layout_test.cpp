#include "print/layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/sjis.h"
#include "platform/recording_canvas.h"
#include "platform/text_memo.h"
#include "print/layout_state.h"

namespace zenpa::print {
namespace {

// The default format on virtual A4 paper; the recording canvas makes a
// full-width character as wide as the cell is high.
struct LayoutRun {
  settings::PrintFormat format;
  platform::RecordingCanvas canvas;
  CellRatio ratio;

  LayoutResult operator()(std::vector<std::string> lines) {
    const LayoutInput in{format, platform::VirtualPrinterMetrics(210, 297), ratio, {}, false};
    return RunLayout(PrintedLines(std::move(lines)), in, canvas);
  }
};

TEST(LayoutTest, DefaultFormatOnA4) {
  LayoutRun run;
  run.canvas.SetFont({"Caller", 7});
  const LayoutResult r = run(std::vector<std::string>(100, "text"));
  EXPECT_EQ(65, r.perPage);
  EXPECT_EQ(60, r.wideCharWidth);
  EXPECT_EQ(2, r.pagination.pageCount);
  EXPECT_FALSE(r.tooLong);
  EXPECT_EQ(7, run.canvas.Font().height); // the caller's font is restored
}

TEST(LayoutTest, CellRatioKeepsThePitchOnTheEmScale) {
  LayoutRun run;
  run.ratio = {5, 4};
  const LayoutResult r = run({"text"});
  EXPECT_EQ(75, r.basePixelHeight);
  EXPECT_DOUBLE_EQ(60.0, r.geometry.linePitch);
}

TEST(LayoutTest, ExtremeFormatsStillPaginate) {
  LayoutRun run;
  run.format.fontSize = 600;
  run.format.printDate = true;
  const LayoutResult big = run(std::vector<std::string>(10, "x"));
  EXPECT_TRUE(big.tooLong);
  EXPECT_EQ(10, big.pagination.pageCount);

  LayoutRun narrow;
  narrow.format.lineSpacing = 1; // -99 %
  EXPECT_EQ(3954, narrow({"x"}).geometry.maxLines);

  LayoutRun margins;
  margins.format.topMargin = 9000;
  margins.format.leftMargin = 9000;
  const LayoutResult past = margins({"x", "y"});
  EXPECT_TRUE(past.width.tooWide);
  EXPECT_EQ(2, past.pagination.pageCount);

  const LayoutResult longLine = run({"short", std::string(10000, 'x')});
  EXPECT_EQ(10000u, longLine.pagination.widestText.size());
  EXPECT_TRUE(longLine.width.tooWide);
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

} // namespace
} // namespace zenpa::print
