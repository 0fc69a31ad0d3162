#include "base/sjis.h"
#include "editor/overwrite.h"

#include <gtest/gtest.h>

using namespace zenpa::editor;
using zenpa::base::Sj;

TEST(Overwrite, TypedCharacterReplacesWholeCharacters) {
  const std::string line = "a" + Sj("漢字");
  EXPECT_EQ((ByteSpan{1, 3}), OverwriteSpan(line, 1));
  EXPECT_EQ((ByteSpan{1, 3}), OverwriteSpan(line, 2)); // second byte of "漢"
  EXPECT_EQ((ByteSpan{5, 5}), OverwriteSpan(line, 5));
  const Overtyped one = TypeOver(line, 1, "x");
  EXPECT_EQ("ax" + Sj("字"), one.line);
  EXPECT_EQ(2, one.caret);
  EXPECT_EQ(Sj("あい字"), TypeOver(line, 0, Sj("あい")).line);
  const Overtyped atEnd = TypeOver(line, 5, "yz");
  EXPECT_EQ(line + "yz", atEnd.line);
  EXPECT_EQ(7, atEnd.caret);
  EXPECT_EQ("a" + Sj("漢") + "xyz", TypeOver(line, 3, "xyz").line);
}
