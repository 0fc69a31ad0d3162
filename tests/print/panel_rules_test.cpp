#include "print/panel_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zenpa::print {
namespace {

// Duplex and pouch binding exclude each other; either enables "頁左寄せ";
// the ">" button goes with duplex alone.
TEST(PanelRulesTest, DuplexAndPouchBindingExcludeEachOther) {
  settings::PrintFormat f;
  const PageGeometry g;
  EXPECT_FALSE(StatesOf(f).leftAligned);
  SetSwitch(f, PanelSwitch::Duplex, true, g);
  EXPECT_TRUE(StatesOf(f).leftAligned);
  EXPECT_TRUE(StatesOf(f).nextPassButton);
  SetSwitch(f, PanelSwitch::PouchBinding, true, g);
  EXPECT_FALSE(f.duplex);
  EXPECT_TRUE(StatesOf(f).leftAligned);
  EXPECT_FALSE(StatesOf(f).nextPassButton);
  SetSwitch(f, PanelSwitch::Duplex, true, g);
  EXPECT_FALSE(f.pouchBinding);
  SetSwitch(f, PanelSwitch::Duplex, false, g);
  EXPECT_FALSE(StatesOf(f).leftAligned);
}

// Pouch binding on a printer whose right inset passes its left offset
// shifts the even pages; left alignment takes the shift away again.
TEST(PanelRulesTest, PouchBindingRunsTheEvenPageShift) {
  settings::PrintFormat f;
  PageGeometry g;
  g.offX = 43;
  g.rightInset = 185; // 10 mm beyond the left offset at 360 dpi
  EXPECT_TRUE(SetSwitch(f, PanelSwitch::PouchBinding, true, g));
  EXPECT_EQ(10, f.evenPageShift);
  SetSwitch(f, PanelSwitch::LeftAligned, true, g);
  EXPECT_EQ(0, f.evenPageShift);
}

TEST(PanelRulesTest, PaperEdgesOffDropTheCuts) {
  settings::PrintFormat f;
  f.paperEdgeOn = true;
  f.paperRight = 12;
  f.paperBottom = 7;
  SetSwitch(f, PanelSwitch::PaperEdge, false, PageGeometry{});
  EXPECT_EQ(0, f.paperRight);
  EXPECT_EQ(0, f.paperBottom);
  EXPECT_FALSE(StatesOf(f).paperEdgeFields);
}

// A name appearing twice selects its last entry.
TEST(PanelRulesTest, FontNameMatchingAndArrows) {
  const std::vector<std::string> fonts = {"A", "B", "C", "B"};
  EXPECT_EQ(3, MatchFontName(fonts, "B"));
  EXPECT_EQ(-1, MatchFontName(fonts, "b"));
  EXPECT_EQ(0, StepFontSelection(-1, 4, 1));
  EXPECT_EQ(3, StepFontSelection(3, 4, 1));
  EXPECT_EQ(0, StepFontSelection(0, 4, -1));
  EXPECT_EQ(-1, StepFontSelection(-1, 0, 1));
}

} // namespace
} // namespace zenpa::print
