// The drill commands over a document in memory, with keys arriving through
// the document's input routing as the window sends them.
#include "app/drill_commands.h"

#include "base/sjis.h"
#include "drill/drill_writer.h"
#include "platform/scripted_host.h"
#include "platform/text_memo.h"
#include "support/drill_answers.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace zenpa::app {
namespace {

using base::Sj;
using editor::InputEvent;
using editor::InputKey;
using editor::InputKind;
using platform::Answer;

class DrillCommandsTest : public ::testing::Test {
protected:
  DrillCommandsTest() {
    router.Plug(mode, editor::ModeStage::Grid);
    commands.SeedRandom(5);
  }

  DrillHooks HooksOf() {
    DrillHooks hooks;
    hooks.relayout = [this] { ++relayouts; };
    hooks.askSaveChanges = [this] { return saveAnswer; };
    hooks.resetPageNumbering = [] {};
    hooks.realtimeLayout = [this]() -> bool & { return realtime; };
    return hooks;
  }

  // Sends one key as the window does: its key-down, its text, its release.
  void Press(InputKey key, const std::string &text = "", bool release = true) {
    if (!router.Route(Event(InputKind::KeyDown, key), memo, {}).handled && !text.empty())
      router.Route(Event(InputKind::KeyPress, key, text), memo, {});
    if (release)
      router.Route(Event(InputKind::KeyUp, InputKey::None), memo, {});
  }
  static InputEvent Event(InputKind kind, InputKey key, const std::string &text = "") {
    return {kind, key, text};
  }
  void Type(int digit, bool release = true) {
    Press(InputKey::Other, std::string(1, static_cast<char>('0' + digit)), release);
  }

  std::vector<int> Answers() { return testing::SheetAnswers(memo); }

  platform::TextMemo memo;
  platform::ScriptedHost host;
  zenpa::testing::TempDir dir;
  settings::FormatState format;
  int relayouts = 0;
  bool saveAnswer = true;
  bool realtime = true;
  WindowModes modes;
  DrillCommands commands{modes, memo, host, format, HooksOf()};
  std::vector<drill::KeyOutcome> outcomes;
  CellMetrics metrics;
  DrillInputMode mode{commands, [this](const drill::KeyOutcome &o) { outcomes.push_back(o); },
                      [this] { return metrics; }, [] {}};
  editor::InputRouter router;
};

TEST_F(DrillCommandsTest, GeneratingReadsTheBoxesAndRestoresRealtimeLayout) {
  DrillBoxes boxes{{"x", 5}, {"0", 1}, {"12", 0}};
  memo.SetLines({"old"});
  memo.SetModified(true);
  saveAnswer = false;
  EXPECT_FALSE(commands.Generate(boxes));
  EXPECT_EQ("old", memo.Line(0));
  saveAnswer = true;
  EXPECT_TRUE(commands.Generate(boxes));
  EXPECT_EQ("5 1 9", boxes.digits.text + " " + boxes.sheets.text + " " + boxes.hints.text);
  EXPECT_EQ(std::tuple(5, true, 2), std::tuple(commands.Options().digits, realtime, relayouts));
  EXPECT_EQ(Sj("（全7問）"), memo.Line(18));
}

// The sounds come from the files found, and only while they are there.
TEST_F(DrillCommandsTest, AFourDigitGamePlayedByKeysEndsInTheGoalWithOneMistake) {
  DrillBoxes boxes{{"4", 10}, {"1", 1}, {"0", 0}};
  commands.SetSounds({dir.Path("pi.wav"), "", dir.Path("pp.wav")});
  dir.Write("pp.wav", "RIFF");
  host.answers.push_back(Answer::Ok);
  ASSERT_TRUE(commands.StartGame(boxes)) << "no sheet: one is generated from the boxes";
  EXPECT_TRUE(host.sounds.empty());
  EXPECT_EQ(Sj("（全6問）"), memo.Line(16));
  const std::vector<int> answers = Answers();
  ASSERT_EQ(6u, answers.size());
  Press(InputKey::Backspace);
  Press(InputKey::Paste);
  Type((answers[0] + 1) % 10, false);
  Type((answers[0] + 1) % 10); // held down: its repeat answers nothing
  Type(answers[0]);
  EXPECT_EQ(1, commands.Game().MistakeCount());
  for (std::size_t i = 1; i < answers.size(); ++i)
    Type(answers[i]);
  ASSERT_TRUE(outcomes.back().goal);
  EXPECT_EQ(Sj("まちがい 　１ 回"), outcomes.back().goal->resultLine);
  EXPECT_EQ(WindowMode::None, commands.Mode());
  EXPECT_EQ(std::vector<std::string>{dir.Path("pp.wav")}, host.sounds);
  EXPECT_NE(std::string::npos, memo.Line(14).find(Sj("　　　０分　　　０秒")));
  const std::string frame = memo.Line(9);
  Type(1);
  EXPECT_EQ(frame, memo.Line(9)) << "after the goal keys reach the editor, not the sheet";
}

TEST_F(DrillCommandsTest, EntryModeNeedsASheetAndEscLeavesIt) {
  EXPECT_FALSE(commands.StartEntry());
  EXPECT_EQ(Sj("もこさんが見つかりません"), host.messages.at(0).text);
  DrillBoxes boxes{{"4", 4}, {"1", 1}, {"0", 0}};
  ASSERT_TRUE(commands.Generate(boxes));
  memo.SetCaret({0, 0});
  ASSERT_TRUE(commands.StartEntry());
  Type(7);
  Press(InputKey::Right);
  Press(InputKey::Enter);
  EXPECT_EQ(Sj("　│７│　│　│1"), memo.Line(7));
  // A click in the middle of the second cell of that row, lines 20 pixels
  // high and half-width characters 10 wide, moves the caret into the cell.
  metrics = {20, 10};
  InputEvent click = Event(InputKind::MouseDown, InputKey::None);
  click.x = 90;
  click.y = 7 * 20 + 5;
  router.Route(click, memo, {});
  EXPECT_EQ((platform::TextPos{7, 8}), memo.Caret());
  Press(InputKey::Escape);
  EXPECT_EQ(WindowMode::None, commands.Mode());
}

} // namespace
} // namespace zenpa::app
