#include "editor/insertion.h"
#include "platform/text_memo.h"

#include <gtest/gtest.h>

using zenpa::platform::TextMemo;
using Lines = std::vector<std::string>;

TEST(Insertion, ConsecutiveInsertsComeOutInWritingOrder) {
  using namespace zenpa::editor;
  for (auto place : {InsertionPlace::AtEnd, InsertionPlace::AtCaret}) {
    TextMemo memo({"top", "bottom"});
    memo.SetCaret({1, 0});
    for (const char *line : {"1", "2", "3"})
      InsertAtGyo(memo, place, line);
    Lines expected = place == InsertionPlace::AtEnd ? Lines{"top", "bottom", "1", "2", "3"}
                                                    : Lines{"top", "1", "2", "3", "bottom"};
    EXPECT_EQ(expected, memo.Lines());
  }
  TextMemo empty;
  for (const char *line : {"1", "2"})
    InsertAtGyo(empty, InsertionPlace::AtCaret, line);
  EXPECT_EQ((Lines{"1", "2"}), empty.Lines());
  EXPECT_EQ(InsertionPlace::AtEnd, Toggled(InsertionPlace::AtCaret));
}
