#include "print/layout_state.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/sjis.h"
#include "platform/recording_canvas.h"
#include "platform/text_memo.h"

namespace zenpa::print {
namespace {

using base::Sj;

TEST(LayoutStateTest, RelayoutRefreshesTheStatusAndFollowsTheCaret) {
  platform::TextMemo memo(std::vector<std::string>(100, "text"));
  settings::PrintFormat format;
  platform::RecordingCanvas canvas;
  LayoutState state;
  const auto relayout = [&] {
    state.Relayout(memo, format, platform::VirtualPrinterMetrics(210, 297), {}, {}, canvas);
  };
  state.Status().ShowReport(false, false);
  memo.SetCaret({70, 2});
  relayout();
  EXPECT_EQ(Sj("（0で最終2頁）"), state.Status().endPageLabel());
  EXPECT_FALSE(state.Status().reportVisible());
  EXPECT_EQ(Sj("2頁 6行 3字 （71行）"), state.Status().caretText());

  memo.SetCaret({0, 0});
  state.CaretMoved(memo, format);
  EXPECT_EQ(Sj("1頁 1行 1字 （1行）"), state.Status().caretText());

  format.linesPerPage = 10;
  relayout();
  EXPECT_EQ(10, state.Layout().pagination.pageCount);
}

} // namespace
} // namespace zenpa::print
