#include "print/paper.h"

#include "base/sjis.h"
#include "platform/printer.h"

#include <gtest/gtest.h>

#include <string>

namespace zenpa::print {
namespace {

using platform::kLandscape;
using platform::kPortrait;

// Codes the list does not hold fall back, and orientations other than
// landscape stand upright.
TEST(PaperTest, CodeAndOrientationPickAnEntry) {
  struct Case {
    int code, orientation;
    int widthMm, heightMm, entryCode;
  };
  const Case cases[] = {
      {12, kPortrait, 257, 364, 12},         {263, kLandscape, 148, 100, 43},
      {999, kLandscape, 297, 210, kPaperA4}, {8, 0, 297, 420, 8},
      {-5, 7, 210, 297, kPaperA4},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(std::to_string(c.code) + "/" + std::to_string(c.orientation));
    const PaperEntry &paper = PaperOf(c.code, c.orientation);
    EXPECT_EQ(c.widthMm, paper.widthMm);
    EXPECT_EQ(c.heightMm, paper.heightMm);
    EXPECT_EQ(c.entryCode, paper.code);
  }
}

// Every entry is found by its own code and orientation; upright entries are
// taller than wide and the captions name the size as the paper stands.
TEST(PaperTest, ListEntries) {
  for (const PaperEntry &paper : PaperList()) {
    SCOPED_TRACE(paper.name);
    EXPECT_EQ(&paper, &PaperOf(paper.code, paper.orientation));
    EXPECT_EQ(paper.orientation == kPortrait, paper.widthMm < paper.heightMm);
  }
  EXPECT_EQ("Ａ４縦 210 x 297 mm", base::SjisToUtf8(PaperCaption(PaperList()[2])));
  EXPECT_EQ("葉書横 148 x 100 mm", base::SjisToUtf8(PaperCaption(PaperList()[11])));
}

} // namespace
} // namespace zenpa::print
