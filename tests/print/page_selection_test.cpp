#include "print/page_selection.h"

#include <gtest/gtest.h>

#include <vector>

namespace zenpa::print {
namespace {

std::vector<int> Selected(const PageSelection &s, int pages) {
  std::vector<int> out;
  for (int p = 1; p <= pages; ++p) {
    if (IsPageSelected(s, p))
      out.push_back(p);
  }
  return out;
}

TEST(PageSelectionTest, RangeDuplexPassAndLastPage) {
  EXPECT_EQ((std::vector<int>{2, 3}), Selected({2, 3, false, false}, 5));
  EXPECT_EQ((std::vector<int>{2, 4}), Selected({1, 0, true, true}, 5));
  // The pass flag means nothing without duplex.
  EXPECT_EQ((std::vector<int>{1, 2}), Selected({1, 0, false, true}, 2));
  EXPECT_EQ(5, LastPageOf({1, 0, false, false}, 5));
  EXPECT_EQ(5, LastPageOf({1, 9, false, false}, 5));     // beyond the document
  EXPECT_FALSE(AnyPageSelected({2, 2, true, false}, 5)); // page 2 is not in the odd pass
  EXPECT_TRUE(AnyPageSelected({2, 2, true, true}, 5));
}

TEST(PageSelectionTest, SheetsCountPairsForPouchBindingAndCopies) {
  EXPECT_EQ(3, CountSheets({1, 0, false, false}, 5, true, 1)); // (1,2) (3,4) (5)
  EXPECT_EQ(3, CountSheets({2, 0, false, false}, 5, true, 1)); // page 2 alone on sheet 1
  EXPECT_EQ(2, CountSheets({1, 0, true, true}, 5, false, 1));
  EXPECT_EQ(0, CountSheets({9, 0, false, false}, 5, false, 3));
}

} // namespace
} // namespace zenpa::print
