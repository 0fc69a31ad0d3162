#include "platform/text_memo.h"

#include <gtest/gtest.h>

using namespace zenpa::platform;
using Lines = std::vector<std::string>;

namespace {

// The interface's own ReplaceLines, which editors without a cheaper one use.
class SpanMemo : public TextMemo {
public:
  using TextMemo::TextMemo;
  void ReplaceLines(const std::vector<LineChange> &changes) override {
    Memo::ReplaceLines(changes);
  }
};

} // namespace

TEST(Memo, ReplaceLinesIsOneUndoStepKeepingOtherLines) {
  const Lines lines{"a", "\x81", "c", "d\xFF"};
  for (bool own : {true, false}) {
    SpanMemo span(lines);
    TextMemo text(lines);
    Memo &memo = own ? static_cast<Memo &>(text) : span;
    memo.ReplaceLines({{0, "A"}, {2, "C"}});
    EXPECT_EQ((Lines{"A", "\x81", "C", "d\xFF"}), memo.Lines());
    EXPECT_TRUE(memo.Modified());
    memo.Undo();
    EXPECT_EQ(lines, memo.Lines());
  }
}
