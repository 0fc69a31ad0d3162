#include "app/mark_commands.h"
#include "app/mark_settings.h"
#include "app/print_settings.h"

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

// A mark field applies what was edited; an empty field keeps the mark it had.
TEST_F(MarkCommandsTest, EmptyMarkFieldKeepsTheMark) {
  panel.Open();
  EXPECT_FALSE(panel.Field(MarkKind::Scale).editing);
  panel.Edit(MarkKind::Scale, "");
  EXPECT_TRUE(panel.Field(MarkKind::Scale).editing);
  panel.Apply(MarkKind::Scale);
  EXPECT_EQ("p", session.Format().format.scaleMark);
  EXPECT_EQ("p", panel.Field(MarkKind::Scale).text);
  EXPECT_FALSE(panel.Field(MarkKind::Scale).editing);
}

// The frame follows the text colour until a frame colour of its own is chosen.
TEST_F(MarkCommandsTest, ChosenFrameColourIsTheFramesOwn) {
  PrintSettings print{session, host};
  host.colours = {0x0000FF, 0x00FF00};
  print.ChooseTextColour();
  EXPECT_EQ(0x0000FFu, print.FrameColour());
  print.ChooseFrameColour();
  EXPECT_EQ(0x00FF00u, print.FrameColour());
  EXPECT_EQ(0x0000FFu, session.Format().format.textColor);
  EXPECT_TRUE(session.Format().modified);
}

} // namespace
} // namespace zenpa::app
