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
  void PreviewDue() override { ++due; }

  platform::RecordingCanvas measure;
  int due = 0;
};

// A three-page document (one line a page) laid out on the virtual printer.
class PreviewCommandsTest : public ::testing::Test {
protected:
  PreviewCommandsTest() {
    session.SetView(&view);
    session.Format().format.linesPerPage = 1;
    memo.SetLines({"one", "two", "three"});
    session.Relayout();
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

TEST_F(PreviewCommandsTest, StartPageChangedWhileOpenShowsTheNewSelection) {
  commands.Open();
  EXPECT_EQ(std::vector<std::string>{"one"}, Compose());
  commands.Opened();
  commands.Step(SheetStep::Last);
  EXPECT_EQ(std::vector<std::string>{"three"}, Compose());
  EXPECT_EQ("3/3", session.PreviewState().SheetLabel());

  const int due = view.due;
  session.Layout().Status().range.EnterStartPage("2");
  session.LayoutChanged(print::PreviewCause::Range);
  EXPECT_EQ(due + 1, view.due);
  EXPECT_EQ(std::vector<std::string>{"three"}, Compose());
  EXPECT_EQ("2/2", session.PreviewState().SheetLabel());

  session.Layout().Status().range.EnterStartPage("9");
  EXPECT_EQ(std::vector<std::string>{}, Compose());
  EXPECT_EQ(base::Sj("印刷頁エラー"), session.PreviewState().SheetLabel());
}

TEST_F(PreviewCommandsTest, EditsComposeAgainOnlyWhileAdjusting) {
  commands.Open();
  Compose();
  commands.Opened();
  const int due = view.due;
  memo.InsertLine(3, "four");
  session.Relayout();
  EXPECT_EQ(due, view.due);

  commands.PressAdjust();
  memo.InsertLine(4, "five");
  session.Doc().TextChanged();
  EXPECT_LT(due, view.due);
  Compose(); // what the due run does
  commands.Step(SheetStep::Last);
  EXPECT_EQ(std::vector<std::string>{"five"}, Compose());
  EXPECT_EQ("5/5", session.PreviewState().SheetLabel());

  commands.Close();
  const int closed = view.due;
  session.Relayout();
  EXPECT_EQ(closed, view.due);
}

// An empty document, a 600-point font and landscape postcards each show
// one sheet.
TEST_F(PreviewCommandsTest, UnusualDocumentsShowTheirSheets) {
  memo.SetLines({});
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

TEST_F(PreviewCommandsTest, ZoomFieldKeepsTheOldValueForText) {
  EXPECT_EQ("150", commands.EnterZoom("150"));
  EXPECT_EQ("150", commands.EnterZoom(base::Sj("大きく")));
  EXPECT_EQ(150, session.Format().format.previewZoom);
}

} // namespace
} // namespace zenpa::app
