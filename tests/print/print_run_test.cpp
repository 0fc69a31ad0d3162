#include "print/panel_rules.h"
#include "print/paper.h"
#include "print/print_run.h"

#include "base/sjis.h"
#include "base/units.h"
#include "platform/printer.h"
#include "platform/recording_canvas.h"
#include "platform/recording_printer.h"
#include "platform/scripted_host.h"
#include "print/support/print_samples.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace zenpa::print {
namespace {

using base::Sj;
using platform::CanvasOp;
using platform::kLandscape;
using platform::kPortrait;

using testing::kBreak;

class PrintRunTest : public ::testing::Test {
protected:
  PrintRunTest() : printer({"office"}) { format.fontName = "F"; }

  PrintWorkResult Work(const std::vector<std::string> &text, RunMode mode = RunMode::Print,
                       int wanted = 1) {
    lines = std::make_unique<PrintedLines>(text);
    platform::RecordingCanvas measure;
    layout = RunLayout(*lines, {format, printer.Metrics(), {}, {"F"}, false}, measure);
    doc = std::make_unique<PrintDocument>(
        PrintDocument{*lines, layout, {}, {"F"}, "/home/u/note.txt", "", "2026/12/06"});
    PrintTarget target{&printer, !printer.PrinterNames().empty(), &picture, &host, {}};
    return PrintWork(format, status, *doc, mode, target, wanted);
  }

  // The document line printed first on each printer page.
  std::vector<std::string> FirstLines() const {
    std::vector<std::string> out;
    for (const platform::RecordingCanvas &page : printer.Pages()) {
      for (const CanvasOp &op : page.TextOps()) {
        if (op.kind == CanvasOp::Kind::TextAdvances) {
          out.push_back(op.text);
          break;
        }
      }
    }
    return out;
  }

  settings::PrintFormat format;
  PrintStatus status;
  platform::RecordingPrinter printer;
  platform::RecordingCanvas picture;
  platform::ScriptedHost host;
  std::unique_ptr<PrintedLines> lines;
  LayoutResult layout;
  std::unique_ptr<PrintDocument> doc;
  const std::vector<std::string> fivePages = {"1",    kBreak, "2",    kBreak, "3",
                                              kBreak, "4",    kBreak, "5"};
};

TEST_F(PrintRunTest, NothingPrintsWithoutAPageOrAPrinter) {
  status.range.SetStartPage(6);
  EXPECT_FALSE(Work(fivePages).ran);
  EXPECT_EQ(Sj("印刷頁エラー"), status.endPageLabel());
  status.range.SetStartPage(1);
  printer = platform::RecordingPrinter();
  EXPECT_FALSE(Work({"a"}).ran);
  ASSERT_EQ(1u, host.messages.size());
  EXPECT_EQ(Sj("プリンタがインストールされていません"), host.messages[0].text);
  EXPECT_FALSE(status.reportVisible());
}

// Copies go collated in one job titled with the document's name (or the
// name typed over it); the page number start is rewritten padded.
TEST_F(PrintRunTest, CopiesArePrintedCollatedInOneJob) {
  status.range.SetCopies(2);
  format.pageNumberStart = "0x";
  PrintWorkResult r = Work({"1", kBreak, "2", kBreak, "3"});
  EXPECT_EQ(6, r.sheetCount);
  EXPECT_EQ((std::vector<std::string>{"1", "2", "3", "1", "2", "3"}), FirstLines());
  EXPECT_EQ(1, printer.JobsEnded());
  EXPECT_EQ("note", printer.Title());
  EXPECT_EQ(Sj("印刷頁の出力が終了しました。"), status.report().line1);
  EXPECT_EQ("", status.report().line2);
  EXPECT_EQ("01", format.pageNumberStart);
  doc->fileNameOverride = Sj("表題");
  EXPECT_EQ(Sj("表題"), HeaderNameOf(format, *doc));
}

// A job whose file could not be finished is told with the file and the
// reason, on a message and on the panel, and never reported as printed.
TEST_F(PrintRunTest, UnfinishedJobIsToldNotReportedAsPrinted) {
  printer.ScriptJobEnd({false, "/tmp/out.pdf", "File too large"});
  EXPECT_FALSE(Work({"a"}).ran);
  const std::string text = Sj("「/tmp/out.pdf」を書き込めませんでした。（File too large）");
  ASSERT_EQ(1u, host.messages.size());
  EXPECT_EQ(text, host.messages[0].text);
  EXPECT_TRUE(status.reportVisible());
  EXPECT_EQ(Sj("印刷頁を出力できませんでした。"), status.report().line1);
  EXPECT_EQ(text, status.report().line2);
}

TEST_F(PrintRunTest, EvenPageShiftFollowsTheRightInset) {
  PageGeometry g;
  g.dpi = 360;
  g.offX = 43;
  g.rightInset = 185; // 10 mm more than the left offset
  format.pouchBinding = true;
  format.leftMargin = 100;
  format.evenPageShift = 5;
  const auto run = [&] { // whether it ran, and the shift it leaves
    const bool ran = gooPageXR(format, g);
    return std::to_string(ran) + " " + std::to_string(format.evenPageShift);
  };
  EXPECT_EQ("1 10", run());
  EXPECT_EQ(base::MmToPix(13, 360), format.leftMargin); // raised to the right inset
  format.pagesLeftAligned = true;
  EXPECT_EQ("1 0", run());
  format.evenPageShift = 5;
  g.rightInset = 43; // no wider than the left offset: nothing runs
  EXPECT_EQ("0 5", run());
}

TEST_F(PrintRunTest, PrinterSetupKeepsTheUsableSizeAndRaisesMargins) {
  format.paperEdgeOn = true;
  format.paperRight = 10;
  format.leftMargin = 50;
  format.evenPageShift = 3;
  platform::PrinterMetrics b4 = platform::VirtualPrinterMetrics(257, 364);
  b4.offX = 71; // 5 mm
  b4.printableW = b4.paperW - 71 - 43;
  printer.ScriptSetupDialog(true, b4);
  PrinterSetupResult r = PrinterSetup(format, printer);
  EXPECT_TRUE(r.accepted);
  EXPECT_EQ(57, format.paperRight); // A4 with 10 mm cut: still 200 mm usable on B4
  EXPECT_EQ(71, format.leftMargin);
  EXPECT_EQ(0, format.evenPageShift);
  EXPECT_EQ(Sj("オフセット 下 3.0  右 3.0 mm"), r.offsetText);
  printer.ScriptSetupDialog(false, b4);
  EXPECT_FALSE(PrinterSetup(format, printer).accepted);
}

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
  // Captions name the size as the paper stands.
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
  std::vector<int> codes;
  for (int code : {kPaperPostcard, kPaperPostcardAlt, 12}) {
    PostcardPrinter printer;
    ApplyPaperToPrinter(printer, code, kPortrait);
    codes.insert(codes.end(), printer.codes.begin(), printer.codes.end());
  }
  EXPECT_EQ((std::vector<int>{43, 263, 263, 12}), codes);
}

// Duplex and pouch binding exclude each other; either enables "頁左寄せ";
// the ">" button goes with duplex alone. Pouch binding on a printer whose
// right inset passes its left offset shifts the even pages.
TEST(PanelRulesTest, SwitchesAndFontNames) {
  settings::PrintFormat f;
  PageGeometry g;
  g.offX = 43;
  g.rightInset = 185; // 10 mm beyond the left offset at 360 dpi
  const auto states = [&f] {
    return std::to_string(f.duplex) + std::to_string(f.pouchBinding) +
           std::to_string(StatesOf(f).leftAligned) + std::to_string(StatesOf(f).nextPassButton);
  };
  EXPECT_EQ("0000", states());
  SetSwitch(f, PanelSwitch::Duplex, true, g);
  EXPECT_EQ("1011", states());
  EXPECT_TRUE(SetSwitch(f, PanelSwitch::PouchBinding, true, g));
  EXPECT_EQ(10, f.evenPageShift);
  EXPECT_EQ("0110", states());
  SetSwitch(f, PanelSwitch::Duplex, true, g);
  EXPECT_EQ("1011", states());
  SetSwitch(f, PanelSwitch::Duplex, false, g);
  EXPECT_EQ("0000", states());
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
