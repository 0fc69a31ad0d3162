// The print and setup commands without an installed printer.
#include "print/print_commands.h"

#include "base/sjis.h"
#include "platform/recording_canvas.h"
#include "platform/recording_printer.h"
#include "platform/scripted_host.h"
#include "platform/text_memo.h"

#include <gtest/gtest.h>

namespace zenpa::print {
namespace {

// What the file printer held when the command let it go.
struct Seen {
  int paperCode = 0;
  int orientation = 0;
  std::size_t pages = 0;
};

class KeptPrinter : public platform::RecordingPrinter {
public:
  explicit KeptPrinter(Seen &seen) : seen_(seen) {}
  ~KeptPrinter() override { seen_ = {PaperCode(), Orientation(), Pages().size()}; }

private:
  Seen &seen_;
};

class PrintCommandsTest : public ::testing::Test {
protected:
  PrintCommandsTest() {
    memo.SetLines({"1", "\f", "2"});
    platform::RecordingCanvas measure;
    desk.Relayout(source, &measure);
    desk.pdfPrinter = [this](const std::string &path) {
      paths.push_back(path);
      return std::make_unique<KeptPrinter>(seen);
    };
  }

  PrintWorkResult Print() { return desk.Print(source); }
  PrintStatus &status() { return layout.Status(); }

  settings::PrintFormat format;
  LayoutState layout;
  platform::TextMemo memo;
  std::vector<std::string> fonts;
  PrintSource source{memo, {}, fonts, "/home/u/note.txt"};
  platform::RecordingPrinter standIn; // no printer installed
  platform::ScriptedHost host;
  PrintDesk desk{format, layout, standIn, false, host, {}};
  std::vector<std::string> paths;
  Seen seen;
};

TEST_F(PrintCommandsTest, PagesGoToTheNamedPdfOnTheStandInsPaper) {
  standIn.SetPaper(12, platform::kLandscape);
  host.fileNames = {"/home/u/out.pdf"};
  Print();
  ASSERT_EQ(1u, host.fileDialogs.size());
  EXPECT_EQ("note.pdf", host.fileDialogs[0].fileName);
  EXPECT_EQ("/home/u", host.fileDialogs[0].initialDir);
  ASSERT_EQ(std::vector<std::string>{"/home/u/out.pdf"}, paths);
  EXPECT_EQ(12, seen.paperCode);
  EXPECT_EQ(platform::kLandscape, seen.orientation);
  EXPECT_EQ(2u, seen.pages);
}

TEST_F(PrintCommandsTest, NoFileIsAskedForOrMadeWhenNothingPrints) {
  status().range.SetStartPage(3);
  EXPECT_FALSE(Print().ran);
  EXPECT_TRUE(host.fileDialogs.empty());
  EXPECT_EQ(PageRangeErrorText(), status().endPageLabel());

  status().range.SetStartPage(1);
  host.fileNames = {std::nullopt};
  EXPECT_FALSE(Print().ran);
  EXPECT_TRUE(paths.empty());
  EXPECT_FALSE(status().reportVisible());
}

TEST_F(PrintCommandsTest, SetupWithoutPrinterShowsNoDialog) {
  standIn.ScriptSetupDialog(true, platform::VirtualPrinterMetrics(257, 364));
  const PrinterSetupResult r = desk.PrinterSetup();
  EXPECT_FALSE(r.dialogShown);
  ASSERT_EQ(1u, host.messages.size());
  EXPECT_EQ(NoPrinterText(), host.messages[0].text);
  EXPECT_EQ(platform::VirtualPrinterMetrics(210, 297), standIn.Metrics());
}

} // namespace
} // namespace zenpa::print
