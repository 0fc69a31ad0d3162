// The puzzle commands over a document in memory. A scripted host answers the
// dialogs; its event hook plays the person who presses keys and buttons.
#include "app/puzzle_commands.h"

#include "base/sjis.h"
#include "platform/scripted_host.h"
#include "platform/text_memo.h"
#include "puzzle/play/grid_text.h"
#include "support/event_host.h"
#include "support/message_texts.h"
#include "support/puzzle_samples.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace zenpa::app {
namespace {

using base::Sj;
using platform::Answer;
using play::AnswerCommand;

using testing::EventHost;
using testing::NbpText;
const char *const kEasy = testing::kEasyPuzzle;

class PuzzleCommandsTest : public ::testing::Test {
protected:
  PuzzleCommandsTest() {
    format.format.puzzle.autoApplyFormat = false;
    hooks.relayout = [] {};
    hooks.askSaveChanges = [this] { return saveAnswer; };
    hooks.takeDocumentName = [this](const std::string &name) { documentName = name; };
    hooks.resetPageNumbering = [this] { format.format.pageNumberStart = "1"; };
  }
  PuzzleCommands &Commands() {
    if (!commands)
      commands = std::make_unique<PuzzleCommands>(modes, memo, host, format, dir.Dir(), hooks);
    return *commands;
  }
  int CountLines(const std::string &text) const {
    const std::vector<std::string> lines = memo.Lines();
    return static_cast<int>(std::count(lines.begin(), lines.end(), text));
  }
  // A generator run that repeats until it is stopped: the clue count it
  // looks for is never reached.
  void SetRepeatRun(int seed) {
    format.format.puzzle.techniques.conditionsPanelShown = true;
    format.format.puzzle.targetGivens = 20;
    format.format.puzzle.lowerGivens = format.format.puzzle.upperGivens = 20;
    Commands().SeedRandom(seed);
    host.tick = 10;
  }

  testing::TempDir dir;
  platform::TextMemo memo;
  EventHost host;
  settings::FormatState format;
  PuzzleHooks hooks;
  WindowModes modes;
  std::unique_ptr<PuzzleCommands> commands;
  bool saveAnswer = true;
  std::string documentName;
};

// Loading asks to save first, reads every selected file and names the
// document after the last; saving offers that file's name.
TEST_F(PuzzleCommandsTest, LoadReadsEverySelectedFileAfterTheSavePrompt) {
  const std::string a = dir.Write("a.nbp", NbpText(kEasy));
  const std::string b = dir.Write("b.csv", "1,,3,,,,,,\r\n");
  memo.SetLines({"old text"});
  memo.SetModified(true);
  saveAnswer = false;
  Commands().LoadFiles(false);
  EXPECT_EQ("old text", memo.Line(0)) << "cancelled at the save prompt";

  saveAnswer = true;
  format.format.puzzle.recordPanelShown = true;
  format.format.pageNumberStart = "5";
  host.fileNameLists.push_back({a, a, b});
  Commands().LoadFiles(false);
  EXPECT_EQ(std::pair(0, 2), std::pair(CountLines("old text"), CountLines(play::GridTopBorder())));
  EXPECT_EQ(dir.Path("b.txt") + " 1", documentName + " " + format.format.pageNumberStart);
  EXPECT_FALSE(format.format.puzzle.recordPanelShown) << "loading switches auto-record off";
  EXPECT_EQ(Sj("データが足りません") + "|", testing::MessageTexts(host));
  // Saving offers the name of the file read last and names the document.
  host.fileNames.push_back(dir.Path("out.csv"));
  Commands().SaveFile();
  EXPECT_EQ(dir.Path("out.txt"), documentName);
  EXPECT_EQ("b.csv", host.fileDialogs.back().fileName);
}

// The level check pauses after every puzzle with its level on the step
// panel; Enter goes on, Escape stops this file and the ones after it.
TEST_F(PuzzleCommandsTest, LevelCheckPausesWithTheLevelUntilEnterOrEscape) {
  const std::string first =
      dir.Write("first.nbp", NbpText(kEasy) + NbpText(testing::kNakedPairPuzzle));
  const std::string second = dir.Write("second.nbp", NbpText(kEasy));
  std::vector<PuzzleDisplay> pauses;
  host.onEvents = [&] {
    const PuzzleDisplay d = Commands().Display();
    if (!d.stepVisible)
      return;
    pauses.push_back(d);
    EXPECT_TRUE(Commands().EditorKey(pauses.size() == 1 ? RunKey::Enter : RunKey::Escape));
  };
  host.fileNameLists.push_back({first, second});
  Commands().LoadFiles(true);
  ASSERT_EQ(2u, pauses.size());
  EXPECT_EQ(Sj("L.1 [ENTER] で次へ ZENPA - first.nbp"),
            pauses[0].levelText + " " + pauses[0].stepText + " " + pauses[0].caption);
  EXPECT_EQ("L.5", pauses[1].levelText);
  EXPECT_FALSE(pauses[0].stepBackVisible);
  EXPECT_EQ(2, CountLines(play::GridTopBorder())) << "the second file is not read";
}

// Two full rows but for two cells: the techniques get stuck and the search
// finds answers until the trial's stop button is pressed.
TEST_F(PuzzleCommandsTest, TrialSearchShowsItsProgressUntilItsStopButton) {
  const std::string many = "123456789456789100" + std::string(63, '0');
  Commands().ReadFile(dir.Write("many.nbp", NbpText(many.c_str())));
  memo.SetCaret({0, 0});
  host.tick = 20;
  PuzzleDisplay during;
  host.onEvents = [&] {
    const PuzzleDisplay d = Commands().Display();
    if (!d.trialVisible || during.trialVisible)
      return;
    during = d;
    Commands().StopTrial();
  };
  Commands().Answer(AnswerCommand::Zenkai);
  EXPECT_GT(during.trialValue, 0);
  EXPECT_EQ(std::to_string(kTrialProgressMax - during.trialValue), during.trialCellsText);
  EXPECT_FALSE(Commands().Display().trialVisible);
}

// The clue window corrected at the start of a repeat run shows as corrected
// while the run goes on, not only after it.
TEST_F(PuzzleCommandsTest, CorrectedClueWindowShowsDuringTheRun) {
  SetRepeatRun(3);
  format.format.puzzle.lowerGivens = 32; // above the target: becomes the target
  format.format.puzzle.upperGivens = 24;
  int lowerSeen = 0;
  host.onEvents = [&] {
    lowerSeen = format.format.puzzle.lowerGivens;
    Commands().StopGenerator();
  };
  Commands().Generate();
  EXPECT_EQ(20, lowerSeen);
  EXPECT_EQ(24, format.format.puzzle.upperGivens);
}

// Two launches of the window a second apart, the counter reading alike:
// each is seeded from its own wall clock and makes its own puzzle.
TEST_F(PuzzleCommandsTest, LaunchesASecondApartMakeDifferentPuzzles) {
  std::vector<std::vector<std::string>> made;
  for (std::int64_t second : {1'700'000'000, 1'700'000'001}) {
    hooks.launchClock = [second] { return LaunchClock{second * 1'000'000, 42}; };
    commands.reset();
    memo.SetLines({});
    Commands().Generate();
    made.push_back(memo.Lines());
    ASSERT_EQ(1, CountLines(play::GridTopBorder()));
  }
  EXPECT_NE(made[0], made[1]);
}

// An error in the middle of a run ends it like a stop, its text shown: the
// stop button is gone, keys edit the document again and the next run makes
// its puzzle.
TEST_F(PuzzleCommandsTest, ARunEndedByAnErrorLeavesTheCommandsFree) {
  bool failing = true;
  hooks.relayout = [&] {
    if (failing)
      throw std::runtime_error("no layout");
  };
  SetRepeatRun(3);
  Commands().Generate();
  EXPECT_EQ("no layout|", testing::MessageTexts(host));
  EXPECT_FALSE(Commands().Display().running || Commands().Display().stopButtonVisible);
  EXPECT_FALSE(Commands().EditorKey(RunKey::Enter)) << "keys edit the document again";
  Commands().StopGenerator(); // the ended run is not touched

  failing = false;
  Commands().SetConditionsPanel(false);
  Commands().Generate();
  EXPECT_EQ(1, CountLines(play::GridTopBorder()));
  EXPECT_TRUE(Commands().Display().resultVisible);
}

// An error while the steps wait leaves no step mode behind: the next answer
// command writes its answer without waiting for keys.
TEST_F(PuzzleCommandsTest, AStepSolveEndedByAnErrorLeavesNoStepsBehind) {
  Commands().ReadFile(dir.Write("p.nbp", NbpText(kEasy)));
  memo.SetCaret({0, 0});
  int waits = 0;
  host.onEvents = [&] {
    if (Commands().Display().stepVisible && ++waits == 1)
      throw std::runtime_error("lost");
    Commands().PressStepKey(puzzle::kKeyEscape); // a step mode left behind ends here
  };
  Commands().StepSolve();
  EXPECT_EQ("lost|", testing::MessageTexts(host));
  EXPECT_FALSE(Commands().Display().stepVisible);
  memo.SetCaret({0, 0});
  Commands().Answer(AnswerCommand::AnswerS);
  EXPECT_EQ(std::pair(1, 2), std::pair(waits, CountLines(play::GridTopBorder())))
      << "one wait, and the answer is written";
}

// The panel switches: closing the conditions panel closes the extra panel
// and auto-record, hiding the puzzle side switches auto-record off, the
// switch colours the conditions title, and the insertion toggle renames the
// answer command; each marks the format changed.
TEST_F(PuzzleCommandsTest, PanelSwitchesShowOnTheirLabels) {
  const auto labels = [&] {
    const PuzzleDisplay d = Commands().Display();
    return d.conditionsTitle + "|" + d.attemptsText + "|" + d.autoRecordText + "|" +
           d.answerSCaption + "|" + d.insertionLabel;
  };
  const std::string before = labels();
  EXPECT_EQ(0u, before.find(Sj("★数独の条件設定★|"))) << before;
  Commands().ClickSwitch();
  EXPECT_EQ(0x0000FFu, Commands().Display().conditionsTitleColour);
  Commands().SetExtraPanel(true);
  Commands().SetTechnique(puzzle::kBoxHiddenQuad, true);
  Commands().ToggleAutoRecord();
  Commands().SetPuzzleSide(false);
  EXPECT_FALSE(format.format.puzzle.recordPanelShown);
  EXPECT_TRUE(format.format.puzzle.techniques.conditionsPanelShown);
  EXPECT_EQ(
      Sj("★数独の条件設定有効★|完成まで繰返し|作成と記録を繰り返します|数独解答を文末に追加(&A)|"),
      labels().substr(0, labels().rfind('|') + 1));
  Commands().SetConditionsPanel(false);
  EXPECT_FALSE(Commands().Techniques().extraPanelShown ||
               Commands().Techniques().boxes[puzzle::kBoxHiddenQuad]);
  format.modified = false;
  Commands().ToggleInsertion();
  EXPECT_EQ(Sj("数独解答を次頁に挿入(&A)|ここに挿入"),
            labels().substr(labels().rfind(Sj("数独解答"))));
  EXPECT_TRUE(format.modified);
}

} // namespace
} // namespace zenpa::app
