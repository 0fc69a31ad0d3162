#include "base/file_io.h"
#include "base/sjis.h"
#include "platform/scripted_host.h"
#include "platform/text_memo.h"
#include "puzzle/play/generator_run.h"
#include "puzzle/play/grid_text.h"
#include "puzzle/play/puzzle_file_reader.h"
#include "puzzle/play/puzzle_file_writer.h"
#include "puzzle/play/support/answer_desk.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace zenpa::play {
namespace {

// The document, engine and writer of one generator run.
struct Desk : testing::AnswerDesk {
  GeneratorSettings generator{options, false, ""};
  GeneratorLabels labels;
  GeneratorStatus status;
  Random rng{7};
  GeneratorRun run{ctx, generator, labels, status, rng, {}, "", "", false};
};

int GridCount(const platform::Memo &memo) { return static_cast<int>(ScanGrids(memo).size()); }

// A window whose stop button is pressed while the run lets events through:
// the clock moves so that events are let through often. A run that reads
// the clock many times without letting events through has left the window
// dead; it is asked to stop (StopRequest) so that the test can say so
// instead of hanging.
class StoppingHost : public platform::ScriptedHost {
public:
  GeneratorRun *run = nullptr;
  int stopAfter = 3;
  // When set, the button is pressed instead once Label46 shows this text.
  std::string stopWhenShown;
  int readsWithoutEvents = 0;
  bool windowStarved = false;
  std::int64_t Milliseconds() override {
    if (++readsWithoutEvents > 1000) {
      windowStarved = true;
      run->answer.state.StopRequest = true;
    }
    return clock += 10;
  }
  void ProcessEvents() override {
    ScriptedHost::ProcessEvents();
    readsWithoutEvents = 0;
    const bool due = stopWhenShown.empty() ? processEventsCalls == stopAfter
                                           : run->labels.conditionsText == stopWhenShown;
    if (due && run->labels.stopButtonEnabled)
      StopGenerator(*run);
  }
};

// A desk whose host presses the stop button.
struct StopDesk : Desk {
  StoppingHost stopping;
  AnswerContext stoppingCtx{memo, stopping, engine, writer, state};
  GeneratorRun stoppingRun{stoppingCtx, generator, labels, status, rng, {}, "", "", false};
  StopDesk() {
    stopping.run = &stoppingRun;
    // A window no puzzle meets: only the stop button ends the run.
    options.targetGivens = options.lowerGivens = options.upperGivens = 16;
    options.attempts = 1;
  }
};

TEST(GeneratorRun, PlainModeWritesOneGradedPuzzle) {
  Desk d;
  d.memo.SetLines({"old text"});
  d.options.targetGivens = 30;
  const GeneratorOutcome out = RunGenerator(d.run);
  EXPECT_EQ(1, out.attempts);
  ASSERT_EQ(1, GridCount(d.memo)); // the old text was replaced
  EXPECT_NE("old text", d.memo.Line(0));
  EXPECT_TRUE(d.state.ResultVisible); // graded
}

// Inserting at the caret, the answer follows its puzzle block at once; the
// page break of a later page below is no place for it.
TEST(GeneratorRun, AnswerFollowsItsPuzzleWhenInsertingHere) {
  Desk d;
  d.place = editor::InsertionPlace::AtCaret;
  d.options.addToDocument = true;
  d.options.appendAnswer = true;
  d.options.targetGivens = 30;
  const std::vector<std::string> later{"first page", "\f", "second page"};
  d.memo.SetLines(later);
  d.memo.SetCaret({0, 0});
  RunGenerator(d.run);
  ASSERT_EQ(2, GridCount(d.memo));
  const std::vector<std::string> lines = d.memo.Lines();
  EXPECT_EQ(later, std::vector<std::string>(lines.end() - 3, lines.end()));
}

TEST(GeneratorRun, AutoRecordWritesNumberedFilesAndReportsTheLast) {
  testing::TempDir dir;
  Desk d;
  d.options.recordPanelShown = true;
  d.options.targetGivens = 30;
  d.options.lowerGivens = 24;
  d.options.upperGivens = 40;
  d.options.recordFirst = "007";
  d.options.recordLast = "9";
  d.options.recordStem = "rec";
  d.run.programDir = dir.Dir();
  std::string renamed;
  d.run.hooks.renameDocument = [&renamed](const std::string &name) { renamed = name; };
  const GeneratorOutcome out = RunGenerator(d.run);
  EXPECT_EQ(9, out.lastRecorded);
  for (const char *name : {"rec007.nbp", "rec008.nbp", "rec009.nbp"})
    EXPECT_TRUE(dir.Exists(name));
  EXPECT_EQ("009", d.options.recordLast);
  EXPECT_EQ(dir.Path("rec009.txt"), renamed) << "the folder of the records is shown";
  EXPECT_EQ(base::Sj("rec009まで記録／") + std::to_string(out.attempts) + base::Sj("回"),
            d.labels.autoRecordText);
  // The last file holds only the puzzle the document shows.
  const PuzzleFileContent last =
      ReadPuzzleLines(base::SplitLines(dir.Read("rec009.nbp")), PuzzleDialect::Plain);
  ASSERT_EQ(1u, last.grids.size());
  EXPECT_EQ(ScanGrids(d.memo)[0], last.grids[0].givens);
}

TEST(GeneratorRun, FailedRecordStopsTheRun) {
  testing::TempDir dir;
  Desk d;
  d.options.recordPanelShown = true;
  d.options.lowerGivens = 16;
  d.options.upperGivens = 80;
  d.options.recordFirst = "1";
  d.options.recordLast = "5";
  d.run.programDir = dir.Path("missing/");
  const GeneratorOutcome out = RunGenerator(d.run);
  EXPECT_TRUE(out.recordFailed);
  EXPECT_EQ(1, out.accepted);
  ASSERT_FALSE(d.host.messages.empty());
  EXPECT_EQ(base::Sj("数独データが保存できません\nフォルダーに移れません: ") +
                dir.Path("missing/") + base::Sj(" (ファイルまたはフォルダーがありません)"),
            d.host.messages.back().text);
  EXPECT_EQ(base::Sj("記録なし／") + std::to_string(out.attempts) + base::Sj("回"),
            d.labels.autoRecordText);
}

TEST(GeneratorRun, ConditionsPanelRepeatsUntilTheWindowIsMet) {
  Desk d;
  d.options.techniques.conditionsPanelShown = true;
  d.options.targetGivens = d.options.lowerGivens = d.options.upperGivens = 28;
  d.engine.Options.boxes.fill(false); // no technique condition
  d.engine.Options.boxes[1] = d.engine.Options.boxes[2] = d.engine.Options.boxes[3] =
      d.engine.Options.boxes[4] = true;
  d.engine.Options.mustUseHardest = false;
  const GeneratorOutcome out = RunGenerator(d.run);
  ASSERT_EQ(1, GridCount(d.memo));
  const GridDigits grid = ScanGrids(d.memo)[0];
  EXPECT_EQ(81 - 28, std::count(grid.begin(), grid.end(), 0));
  EXPECT_EQ(base::Sj("完成／") + std::to_string(out.attempts) + base::Sj("回"),
            d.labels.conditionsText);
}

TEST(GeneratorRun, PatternErrorEndsTheRunWithItsMessage) {
  Desk d;
  d.options.techniques.conditionsPanelShown = true;
  d.generator.patternMode = true;
  d.generator.patternText = "12345";
  const GeneratorOutcome out = RunGenerator(d.run);
  EXPECT_EQ(1, out.attempts);
  ASSERT_EQ(1u, d.host.messages.size());
  EXPECT_EQ(base::Sj("パターンデータが足りません"), d.host.messages[0].text);
  EXPECT_EQ(0, GridCount(d.memo));
}

TEST(GeneratorRun, PatternModeKeepsThePatternsGivens) {
  Desk d;
  d.options.techniques.conditionsPanelShown = true;
  d.generator.patternMode = true;
  // Givens on every cell whose row and column add up to an even number.
  std::string text;
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c)
      text += (r + c) % 2 == 0 ? '5' : '.';
    text += "\r\n";
  }
  d.generator.patternText = text;
  RunGenerator(d.run);
  ASSERT_EQ(1, GridCount(d.memo));
  const GridDigits grid = ScanGrids(d.memo)[0];
  for (int i = 0; i < 81; ++i)
    EXPECT_EQ((i / 9 + i % 9) % 2 == 0, grid[static_cast<std::size_t>(i)] != 0) << i;
}

TEST(GeneratorRun, StopButtonEndsTheRunAsStopped) {
  StopDesk d;
  d.options.techniques.conditionsPanelShown = true;
  const GeneratorOutcome out = RunGenerator(d.stoppingRun);
  EXPECT_EQ(0, out.accepted);
  EXPECT_EQ(base::Sj("中止／") + std::to_string(out.attempts) + base::Sj("回"),
            d.labels.conditionsText);
  EXPECT_FALSE(d.labels.stopButtonVisible);
  // Stopping let output through again: the attempt in hand was written.
  EXPECT_EQ(1, GridCount(d.memo));
  EXPECT_FALSE(d.writer.Suppressed());
}

// A pattern the safe solve never finishes (only the first row given): every
// attempt is rejected, yet each lets events through, and the stop button
// pressed while the third attempt is shown ends the run before a fourth,
// writing nothing. Re-seeding reads the clock at every full grid, so a run
// that never lets events through is caught by the host.
TEST(GeneratorRun, StopButtonEndsAPatternRunThatFindsNoPuzzle) {
  StopDesk d;
  d.options.techniques.conditionsPanelShown = true;
  d.generator.patternMode = true;
  d.generator.patternText = "123456789\r\n";
  for (int row = 2; row <= 9; ++row)
    d.generator.patternText += ".........\r\n";
  d.stoppingRun.reseedFromClock = true;
  d.stopping.stopWhenShown = base::Sj("作成中／3回");
  const GeneratorOutcome out = RunGenerator(d.stoppingRun);
  EXPECT_FALSE(d.stopping.windowStarved);
  EXPECT_EQ(0, out.accepted);
  EXPECT_EQ(3, out.attempts);
  EXPECT_EQ(0, GridCount(d.memo));
  EXPECT_EQ(0u, d.stopping.messages.size());
  EXPECT_EQ(base::Sj("中止／") + std::to_string(out.attempts) + base::Sj("回"),
            d.labels.conditionsText);
  EXPECT_FALSE(d.labels.Running);
}

TEST(GeneratorRun, AutoRecordStoppedBeforeTheFirstSaveRecordsNothing) {
  testing::TempDir dir;
  StopDesk d;
  d.options.recordPanelShown = true;
  d.options.recordStem = "s";
  d.stoppingRun.programDir = dir.Dir();
  const GeneratorOutcome out = RunGenerator(d.stoppingRun);
  EXPECT_EQ(-1, out.lastRecorded);
  EXPECT_EQ(base::Sj("記録なし／") + std::to_string(out.attempts) + base::Sj("回"),
            d.labels.autoRecordText);
  EXPECT_FALSE(dir.Exists("s001.nbp"));
}

} // namespace
} // namespace zenpa::play
