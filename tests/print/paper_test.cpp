#include "print/panel_rules.h"
#include "print/paper.h"

#include "base/sjis.h"
#include "platform/printer.h"
#include "platform/recording_printer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// A right cut of 10 mm on A4 keeps 200 mm usable on B4 (57 mm) and is
// used up on B5; a bottom cut follows the height alike; no cut stays none.
TEST(PaperTest, ChoosingAPaperMovesTheCutsWithTheEdges) {
  settings::PrintFormat f;
  f.paperEdgeOn = true;
  f.paperRight = 10;
  f.paperBottom = 20;
  ChoosePaper(f, PaperOf(12, kPortrait));
  EXPECT_EQ(12, f.paperSize);
  EXPECT_EQ(57, f.paperRight);
  EXPECT_EQ(87, f.paperBottom);
  ChoosePaper(f, PaperOf(9, kPortrait));
  ChoosePaper(f, PaperOf(13, kPortrait));
  EXPECT_EQ(0, f.paperRight);
  EXPECT_EQ(0, f.paperBottom);
  f.paperRight = 0;
  ChoosePaper(f, PaperOf(kPaperPostcard, kLandscape));
  EXPECT_EQ(kPaperPostcard, f.paperSize);
  EXPECT_EQ(kLandscape, f.orientation);
  EXPECT_EQ(0, f.paperRight);
}

// A printer that does not take the postcard under one code gets the other.
TEST(PaperTest, PostcardIsRetriedUnderTheOtherCode) {
  struct PostcardPrinter : platform::RecordingPrinter {
    std::vector<int> codes;
    void SetPaper(int code, int orientation) override {
      codes.push_back(code);
      const PaperEntry &p = code == 263 ? PaperOf(43, orientation) : PaperOf(9, orientation);
      SetMetrics(platform::VirtualPrinterMetrics(p.widthMm, p.heightMm));
    }
  };
  PostcardPrinter printer;
  ApplyPaperToPrinter(printer, kPaperPostcard, kPortrait);
  EXPECT_EQ((std::vector<int>{43, 263}), printer.codes);
  printer.codes.clear();
  ApplyPaperToPrinter(printer, kPaperPostcardAlt, kPortrait);
  EXPECT_EQ((std::vector<int>{263}), printer.codes);
  printer.codes.clear();
  ApplyPaperToPrinter(printer, 12, kPortrait);
  EXPECT_EQ((std::vector<int>{12}), printer.codes);
}

// Duplex and pouch binding exclude each other; either enables "頁左寄せ";
// the ">" button goes with duplex alone. Pouch binding on a printer whose
// right inset passes its left offset shifts the even pages.
TEST(PanelRulesTest, SwitchesAndFontNames) {
  settings::PrintFormat f;
  PageGeometry g;
  g.offX = 43;
  g.rightInset = 185; // 10 mm beyond the left offset at 360 dpi
  EXPECT_FALSE(StatesOf(f).leftAligned);
  SetSwitch(f, PanelSwitch::Duplex, true, g);
  EXPECT_TRUE(StatesOf(f).leftAligned);
  EXPECT_TRUE(StatesOf(f).nextPassButton);
  EXPECT_TRUE(SetSwitch(f, PanelSwitch::PouchBinding, true, g));
  EXPECT_EQ(10, f.evenPageShift);
  EXPECT_FALSE(f.duplex);
  EXPECT_TRUE(StatesOf(f).leftAligned);
  EXPECT_FALSE(StatesOf(f).nextPassButton);
  SetSwitch(f, PanelSwitch::Duplex, true, g);
  EXPECT_FALSE(f.pouchBinding);
  SetSwitch(f, PanelSwitch::Duplex, false, g);
  EXPECT_FALSE(StatesOf(f).leftAligned);
  // Paper edges switched off drop the cuts.
  f.paperEdgeOn = true;
  f.paperRight = 12;
  f.paperBottom = 7;
  SetSwitch(f, PanelSwitch::PaperEdge, false, g);
  EXPECT_EQ(0, f.paperRight);
  EXPECT_EQ(0, f.paperBottom);
  EXPECT_FALSE(StatesOf(f).paperEdgeFields);
  // A font name appearing twice selects its last entry; arrows stop at the ends.
  EXPECT_EQ(3, MatchFontName({"A", "B", "C", "B"}, "B"));
  EXPECT_EQ(-1, MatchFontName({"A", "B"}, "b"));
  EXPECT_EQ(3, StepFontSelection(3, 4, 1));
  EXPECT_EQ(0, StepFontSelection(0, 4, -1));
}

} // namespace
} // namespace zenpa::print
