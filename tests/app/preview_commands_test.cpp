#include "app/preview_commands.h"

#include "base/sjis.h"
#include "platform/recording_canvas.h"
#include "platform/recording_printer.h"
#include "platform/scripted_host.h"
#include "platform/text_memo.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace zenpa::app {
namespace {

using platform::CanvasOp;

class PreviewView : public SessionView {
public:
  void ShowLoadingNotice(const std::string &) override {}
  void HideLoadingNotice() override {}
  void BringToFront() override {}
  void FocusEditor() override {}
  void DocumentLaidOut() override {}
  platform::Canvas *MeasureCanvas() override { return &measure; }

  platform::RecordingCanvas measure;
};

// A document of one line a page laid out on the virtual printer.
class PreviewCommandsTest : public ::testing::Test {
protected:
  PreviewCommandsTest() {
    session.SetView(&view);
    session.Format().format.linesPerPage = 1;
  }

  // Composes the wanted sheet; returns the document lines drawn on it.
  std::vector<std::string> Compose() {
    platform::RecordingCanvas sheet;
    session.ComposePreview(sheet);
    std::vector<std::string> drawn;
    for (const CanvasOp &op : sheet.TextOps())
      if (op.kind == CanvasOp::Kind::TextAdvances)
        drawn.push_back(op.text);
    return drawn;
  }

  testing::TempDir program;
  platform::TextMemo memo;
  platform::ScriptedHost host;
  platform::RecordingPrinter printer;
  platform::ListFontCatalog fonts{{"IPAGothic"}};
  PreviewView view;
  Session session{memo, host, printer, fonts, program.Dir()};
  PreviewCommands commands{session};
};

// An empty document, a 600-point font and landscape postcards each show
// one sheet.
TEST_F(PreviewCommandsTest, UnusualDocumentsShowTheirSheets) {
  session.Relayout();
  commands.Open();
  Compose();
  EXPECT_EQ("1/1", session.PreviewState().SheetLabel());

  memo.SetLines({"big"});
  session.Format().format.fontSize = 600;
  session.Relayout();
  EXPECT_EQ(std::vector<std::string>{"big"}, Compose());

  session.Format().format.fontSize = 12;
  printer.SetMetrics(platform::VirtualPrinterMetrics(148, 100));
  session.Relayout();
  EXPECT_EQ(std::vector<std::string>{"big"}, Compose());
  const print::PageGeometry &g = session.Layout().Layout().geometry;
  EXPECT_LT(g.paperH, g.paperW);
}

} // namespace
} // namespace zenpa::app
