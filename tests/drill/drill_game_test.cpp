#include "drill/drill_game.h"

#include "base/sjis.h"
#include "drill/drill_play.h"
#include "drill/drill_texts.h"
#include "drill/drill_writer.h"
#include "platform/scripted_host.h"
#include "platform/text_memo.h"
#include "sheet_lines.h"
#include "support/drill_answers.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace zenpa::drill {
namespace {

using platform::Answer;
using platform::TextPos;
using testing::BlankSheet;
using testing::CellValues;
using testing::DrillFormat;

// A program directory holding the three game sounds.
GameSounds SoundsIn(const zenpa::testing::TempDir &dir) {
  for (const char *name : {"pi.wav", "po.wav", "pp.wav"})
    dir.Write(name, "RIFF");
  return {true, dir.Path("pi.wav"), dir.Path("po.wav"), dir.Path("pp.wav")};
}

class DrillGameTest : public ::testing::Test {
protected:
  // Generates a document of one sheet of n digits, the caret on its title.
  void Open(int n, Operation op, std::uint64_t seed) {
    SeededRandom rng(seed);
    Generate(memo, DrillFormat(n, op), rng, [] { return true; });
    memo.SetCaret({0, 0});
  }

  // Types one digit and releases its key.
  KeyOutcome Type(int digit, bool gotou = false) {
    const KeyOutcome outcome = game.Key(memo, static_cast<char>('0' + digit), gotou);
    game.KeyReleased();
    return outcome;
  }

  std::string Sound(const char *name) const { return dir.Dir() + name; }

  platform::TextMemo memo;
  platform::ScriptedHost host;
  zenpa::testing::TempDir dir;
  DrillGame game{host, SoundsIn(dir)};
};

// The start box hides the top digits; cancelled, the sheet keeps its blanks
// and the game does not start.
TEST_F(DrillGameTest, StartBoxHidesTheTopDigitsAndCancelKeepsTheBlanks) {
  Open(4, Operation::Addition, 1);
  const std::string digits = memo.Line(5);
  ASSERT_EQ(StartResult::Started, game.Start(memo, {}));
  EXPECT_EQ("6 　　│　│　│2 　　　┃　┃ （全6問）",
            base::SjisToUtf8(std::to_string(game.CellTotal()) + " " + memo.Line(9) + " " +
                             memo.Line(11) + " " + memo.Line(16)));
  EXPECT_EQ(digits, memo.Line(5)) << "the top digits are shown again after the start box";
  ASSERT_EQ(1u, host.messages.size());
  EXPECT_EQ(std::tuple("［ＥＮＴＥＲ］でスタートします。★ たしざん ★", platform::Buttons::OkCancel,
                       Sound("pi.wav"), TextPos{7, 4}),
            std::tuple(base::SjisToUtf8(host.messages[0].text + host.messages[0].caption),
                       host.messages[0].buttons, host.sounds.at(0), memo.Caret()));

  Open(5, Operation::Subtraction, 2);
  const std::string subtraction = memo.Line(5);
  host.answers.push_back(Answer::Cancel);
  EXPECT_EQ(StartResult::Cancelled, game.Start(memo, {}));
  EXPECT_EQ(std::tuple(base::Sj("☆★ ひきざん ★☆"), subtraction, std::vector<int>{-1, -1},
                       std::vector<int>{-1}, KeyResult::Ignored, std::size_t{1}),
            std::tuple(host.messages[1].caption, memo.Line(5), CellValues(memo.Line(11)),
                       CellValues(memo.Line(13)), game.Key(memo, '1', false).result,
                       host.sounds.size()));
}

// Other keys and carets off the cells change nothing; a wrong digit shows
// "？" (or itself when asked for) and keeps the caret until answered right;
// more than half wrong asks to calm down.
TEST_F(DrillGameTest, WrongDigitsAreMarkedCountedAndReported) {
  Open(4, Operation::Addition, 7);
  ASSERT_EQ(StartResult::Started, game.Start(memo, {}));
  const std::vector<int> answers = zenpa::testing::SheetAnswers(memo);
  const auto before = memo.Lines();
  memo.SetCaret({7, 2}); // the bar before a cell
  EXPECT_EQ(std::tuple(KeyResult::Ignored, KeyResult::LeaveMode, KeyResult::Ignored),
            std::tuple(game.Key(memo, 'a', false).result, game.Key(memo, kEscKey, false).result,
                       game.Key(memo, '1', false).result));
  EXPECT_EQ(before, memo.Lines());
  memo.SetCaret({7, 4});

  EXPECT_EQ(KeyResult::Wrong, Type((answers[0] + 1) % 10).result);
  EXPECT_EQ(std::tuple(base::Sj("？"), TextPos{7, 4}, Sound("po.wav")),
            std::tuple(memo.Line(7).substr(4, 2), memo.Caret(), host.sounds.back()));
  EXPECT_EQ(KeyResult::Moved, Type(answers[0]).result);
  EXPECT_EQ(KeyResult::Wrong, Type((answers[1] + 3) % 10, true).result);
  EXPECT_EQ(std::pair(std::vector<int>{answers[0], (answers[1] + 3) % 10, -1}, TextPos{7, 8}),
            std::pair(CellValues(memo.Line(7)), memo.Caret()));
  KeyOutcome last;
  for (std::size_t i = 1; i < answers.size(); ++i) {
    if (i < 4 && i > 1)
      Type((answers[i] + 1) % 10);
    last = Type(answers[i]);
  }
  ASSERT_TRUE(last.goal.has_value());
  EXPECT_EQ(std::tuple(4, std::string("おちついてね"), false),
            std::tuple(game.MistakeCount(), base::SjisToUtf8(last.goal->resultLine),
                       last.goal->allCorrect));
}

TEST_F(DrillGameTest, PerfectGameOfFortyFiveCellsReportsTheTimeAndTheAverage) {
  Open(10, Operation::Addition, 6);
  host.clock = 1000;
  ASSERT_EQ(StartResult::Started, game.Start(memo, {}));
  const std::vector<int> answers = zenpa::testing::SheetAnswers(memo);
  host.clock += 65'400;
  EXPECT_EQ("もこさんゲーム 　１分　５秒", base::SjisToUtf8(game.Clock()));
  KeyOutcome last;
  for (std::size_t i = 0; i < answers.size(); ++i) {
    ASSERT_NE(KeyResult::Goal, last.result);
    last = Type(answers[i]);
    if (i == 8) { // the first cell of row 2: a click puts the caret back on it
      memo.SetCaret({0, 0});
      memo.ScrollToLine(0);
      game.ReturnToCell(memo);
      EXPECT_EQ(std::pair(TextPos{9, 6}, 2), std::pair(memo.Caret(), memo.FirstVisibleLine()));
    }
  }
  ASSERT_EQ(KeyResult::Goal, last.result);
  EXPECT_EQ("もこさん ★ たしざん ★ / １分　５秒  １問 1.4秒 / ◆ 全問正解です ◆ / "
            "│１０けた│　　　１分　　　５秒│",
            base::SjisToUtf8(last.goal->caption + " / " + last.goal->timeLine + " / " +
                             last.goal->resultLine + " / " + memo.Line(2 * 10 + 6)));
  EXPECT_EQ(std::tuple(Sound("pp.wav"), true, false),
            std::tuple(host.sounds.back(), last.goal->allCorrect, game.Running()));
}

// A game on a second sheet, tabbed in front, expands the tabs before it
// finds the cells, leaves the first sheet alone and, the sheet having no
// time box, writes the time into a new last line.
TEST_F(DrillGameTest, GameOnATabbedSecondSheetLeavesTheFirstOneAlone) {
  Open(4, Operation::Addition, 8);
  const std::vector<std::string> first = memo.Lines();
  std::vector<std::string> lines = BlankSheet("\t");
  lines.insert(lines.begin(), first.begin(), first.end());
  memo.SetLines(lines);
  memo.SetCaret({18, 0});
  settings::PrintFormat tabs;
  tabs.tabsOn = true;
  tabs.tabWidth = 2;
  ASSERT_EQ(StartResult::Started, game.Start(memo, tabs));
  EXPECT_EQ(base::Sj("  │　│　│　│1"), memo.Line(21));
  KeyOutcome last;
  for (int digit : {8, 3, 0, 1, 3, 4})
    last = Type(digit);
  EXPECT_EQ(KeyResult::Goal, last.result);
  EXPECT_TRUE(std::equal(first.begin(), first.end(), memo.Lines().begin()));
  EXPECT_EQ("　　　０分　　　０秒", base::SjisToUtf8(memo.Line(memo.LineCount() - 1)));
}

// Game mode on a document without a sheet makes one unless the save prompt
// is refused; ＯＫ after the goal replaces it with one sheet of the same
// size and operation, whatever the panel says, and plays it.
TEST_F(DrillGameTest, GameModeMakesASheetAndOkAfterTheGoalPlaysOneOfTheSameLevel) {
  memo.SetLines({"notes"});
  memo.SetModified(true);
  settings::PrintFormat format = DrillFormat(5, Operation::Subtraction);
  SeededRandom rng(13);
  EXPECT_EQ(StartResult::Cancelled, StartGameMode(memo, game, format, rng, [] { return false; }));
  EXPECT_EQ(std::pair(std::vector<std::string>{"notes"}, std::size_t{0}),
            std::pair(memo.Lines(), host.messages.size()));
  ASSERT_EQ(StartResult::Started, StartGameMode(memo, game, format, rng, [] { return true; }));
  for (int digit : zenpa::testing::SheetAnswers(memo))
    Type(digit);
  ASSERT_FALSE(game.Running());
  memo.SetModified(true);
  format = DrillFormat(20, Operation::Addition, 4);
  format.drill.appendAnswer = format.drill.addToDocument = true;
  EXPECT_EQ(StartResult::Started, PlayNextSheet(memo, game, format, rng));
  EXPECT_EQ(
      std::tuple(2 * 5 + 10, std::string(" ☆★★ もこさん／ひきざん ★★☆"), std::size_t{2}, true, 0),
      std::tuple(memo.LineCount(), base::SjisToUtf8(memo.Line(0)), host.messages.size(),
                 game.Running(), game.MistakeCount()));
}

TEST(GoalReportTest, AverageIsRoundedToTenthsAndWrittenShortest) {
  EXPECT_EQ("2.5 3 0.2", // 0.1666… rounds up
            TenthsText(AverageTenths({0, 15}, 6)) + " " + TenthsText(AverageTenths({0, 18}, 6)) +
                " " + TenthsText(AverageTenths({0, 1}, 6)));
  EXPECT_EQ("１２分　０秒  １問 16秒", base::SjisToUtf8(TimeLine({12, 0}, 45)));
  EXPECT_EQ("まちがい 　３ 回", base::SjisToUtf8(ResultLine(3, 6))); // half is not more than half
  // The game's window: the sheet and its scaled margin, at most the screen.
  EXPECT_EQ(std::tuple(524, 530, 1020),
            std::tuple(GameWindowWidth(500, 100, 1020), GameWindowWidth(500, 125, 1020),
                       GameWindowWidth(1072, 100, 1020)));
}

} // namespace
} // namespace zenpa::drill
