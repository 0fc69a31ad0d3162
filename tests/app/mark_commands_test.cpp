#include "app/mark_commands.h"
#include "app/mark_settings.h"

#include "base/sjis.h"
#include "platform/recording_printer.h"
#include "platform/scripted_host.h"
#include "platform/text_memo.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace zenpa::app {
namespace {

using base::Sj;

class MarkCommandsTest : public ::testing::Test {
protected:
  testing::TempDir program;
  platform::TextMemo memo{{"p= $0000FF", "text"}};
  platform::ScriptedHost host;
  platform::RecordingPrinter printer;
  platform::ListFontCatalog fonts{{"IPAGothic", Sj("ＭＳ 明朝")}};
  Session session{memo, host, printer, fonts, program.Dir()};
  MarkCommands marks{session, memo};
  MarkSettings panel{session};
};

TEST_F(MarkCommandsTest, ColourOfTheTextItselfResetsTheColour) {
  memo.SetCaret({0, 10});
  EXPECT_TRUE(marks.ParameterItemsEnabled());
  host.colours.push_back(session.Format().format.textColor);
  EXPECT_TRUE(marks.ChooseColour());
  EXPECT_EQ("p= $0000FF c=", memo.Line(0));
  EXPECT_FALSE(marks.ChooseColour()); // cancelled: nothing inserted
  EXPECT_EQ("p= $0000FF c=", memo.Line(0));
  memo.SetCaret({1, 0});
  EXPECT_FALSE(marks.ParameterItemsEnabled());
}

TEST_F(MarkCommandsTest, ScaleMarkLineSwitchesMarksOn) {
  session.Format().format.scaleMarksOn = false;
  memo.SetCaret({1, 2});
  marks.InsertScaleMark(-3);
  EXPECT_EQ("p---", memo.Line(1));
  EXPECT_EQ("text", memo.Line(2));
  EXPECT_TRUE(session.Format().format.scaleMarksOn);
  EXPECT_TRUE(session.Format().modified);
}

TEST_F(MarkCommandsTest, SpacingAndIndentStartFromTheCaretsLine) {
  session.Format().format.lineSpacing = 120;
  memo.SetLines({"p= %-200 m-55", "p= %="});
  memo.SetCaret({0, 0});
  EXPECT_EQ(-120, marks.SpacingStart());
  EXPECT_EQ(-55, marks.IndentStart());
  memo.SetCaret({1, 5});
  marks.InsertSpacing(-300);
  marks.InsertIndent(0);
  EXPECT_EQ("p= %= %-120 m=", memo.Line(1));
}

// "標準に戻す" then "変更" makes the form feed the break mark again; an
// empty field keeps the mark it had.
TEST_F(MarkCommandsTest, MarkFieldsApplyWhatWasEdited) {
  session.Format().format.pageBreakMark = "===";
  panel.Open();
  EXPECT_FALSE(panel.Field(MarkKind::PageBreak).editing);
  panel.Standard(MarkKind::PageBreak);
  EXPECT_TRUE(panel.Field(MarkKind::PageBreak).editing);
  panel.Apply(MarkKind::PageBreak);
  EXPECT_EQ("\f", session.Format().format.pageBreakMark);
  EXPECT_FALSE(panel.Field(MarkKind::PageBreak).editing);
  EXPECT_TRUE(session.Format().modified);
  panel.Edit(MarkKind::Scale, "");
  panel.Apply(MarkKind::Scale);
  EXPECT_EQ("p", session.Format().format.scaleMark);
  EXPECT_EQ("p", panel.Field(MarkKind::Scale).text);
}

} // namespace
} // namespace zenpa::app
