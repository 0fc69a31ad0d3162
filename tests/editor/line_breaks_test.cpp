#include "editor/line_breaks.h"
#include "platform/text_memo.h"

#include <gtest/gtest.h>

using namespace zenpa::editor;
using zenpa::platform::TextMemo;
using Lines = std::vector<std::string>;

TEST(LineBreaks, EveryKindOfBreakIsRewritten) {
  EXPECT_EQ("a\r\nb\r\nc\r\n\r\nd", WithLineBreaks("a\nb\r\nc\r\rd", LineBreak::CrLf));
  EXPECT_EQ("a\nb\nc\n\nd", WithLineBreaks("a\nb\r\nc\r\rd", LineBreak::Lf));
  EXPECT_TRUE(PasteNeedsCrLf("a\r\nb"));
  EXPECT_FALSE(PasteNeedsCrLf("a\rb"));
}

TEST(LineBreaks, WholeTextRewriteIsOneEdit) {
  const Lines lines{"a\nb", "c\r", ""};
  TextMemo memo(lines);
  EXPECT_TRUE(RewriteLineBreaks(memo, LineBreak::CrLf));
  EXPECT_EQ((Lines{"a", "b", "c", "", ""}), memo.Lines());
  EXPECT_FALSE(RewriteLineBreaks(memo, LineBreak::CrLf));
  memo.Undo();
  EXPECT_EQ(lines, memo.Lines());
  EXPECT_TRUE(RewriteLineBreaks(memo, LineBreak::Lf));
  EXPECT_EQ((Lines{"a\nb\nc\n\n"}), memo.Lines());
  TextMemo empty;
  EXPECT_FALSE(RewriteLineBreaks(empty, LineBreak::Lf));
}
