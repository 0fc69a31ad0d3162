#include "print/print_run.h"

#include "base/sjis.h"
#include "base/units.h"
#include "platform/recording_canvas.h"
#include "platform/recording_printer.h"
#include "platform/scripted_host.h"

#include <gtest/gtest.h>

#include <memory>

namespace zenpa::print {
namespace {

using base::Sj;
using platform::CanvasOp;

const std::string kBreak = "\f";

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
  EXPECT_TRUE(gooPageXR(format, g));
  EXPECT_EQ(10, format.evenPageShift);
  EXPECT_EQ(base::MmToPix(13, 360), format.leftMargin); // raised to the right inset
  format.pagesLeftAligned = true;
  EXPECT_TRUE(gooPageXR(format, g));
  EXPECT_EQ(0, format.evenPageShift);
  format.evenPageShift = 5;
  g.rightInset = 43; // no wider than the left offset: nothing runs
  EXPECT_FALSE(gooPageXR(format, g));
  EXPECT_EQ(5, format.evenPageShift);
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

} // namespace
} // namespace zenpa::print
