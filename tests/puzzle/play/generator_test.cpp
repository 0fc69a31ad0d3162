// Making puzzles: the removal trials, the settings of a repeat run and whole
// generator runs writing into the document and into record files.
#include "puzzle/play/generator_grid.h"
#include "puzzle/play/generator_run.h"
#include "puzzle/play/generator_settings.h"

#include "base/file_io.h"
#include "base/sjis.h"
#include "puzzle/engine/solver.h"
#include "puzzle/play/grid_text.h"
#include "puzzle/play/puzzle_file_reader.h"
#include "puzzle/play/support/desk.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>

namespace zenpa::play {
namespace {

using base::Sj;
using puzzle::Grid;
using puzzle::Pos;

testing::Digits DigitsOf(const Grid &g) { return puzzle::GridDigits(g); }

struct Bench {
  Random rng{20261206};
  GeneratorStatus status;
  GeneratorEnv env{rng, status};
  puzzle::Engine engine;
};

bool IsSymmetric(const Grid &g, Symmetry s) {
  for (int i = 0; i < 81; ++i) {
    const Pos at{i % 9 + 1, i / 9 + 1};
    for (const Pos &p : SymmetricPartners(s, at)) {
      if (puzzle::IsPlaced(g(at.x, at.y)) != puzzle::IsPlaced(g(p.x, p.y)))
        return false;
    }
  }
  return true;
}

TEST(Symmetry, PartnerTableAndNames) {
  EXPECT_EQ((std::vector<Pos>{{8, 7}, {7, 2}, {3, 8}}), SymmetricPartners(Symmetry::Rot90, {2, 3}));
  // A cell on the main diagonal is its own "＼" partner: nothing else opens.
  EXPECT_TRUE(SymmetricPartners(Symmetry::Backslash, {4, 4}).empty());
  // The centre cell has no partner under any symmetry.
  for (int s = 0; s < kSymmetryCount; ++s)
    EXPECT_TRUE(SymmetricPartners(static_cast<Symmetry>(s), {5, 5}).empty());
  // The names the command line takes, in the order of the symmetries.
  const char *const names[] = {"none", "90", "180", "four", "lr", "ud", "x", "slash", "backslash"};
  for (int s = 0; s < kSymmetryCount; ++s)
    EXPECT_EQ(static_cast<Symmetry>(s), SymmetryFromName(names[s])) << names[s];
  EXPECT_EQ(std::nullopt, SymmetryFromName("spiral"));
  EXPECT_EQ(Sj("１８０度"), SymmetryCaption(Symmetry::Rot180));
}

TEST(Generator, RemovedPuzzlesAreSafeUniqueBalancedAndSymmetric) {
  Bench b;
  testing::BruteForce brute;
  for (int s = 0; s < 2 * kSymmetryCount; ++s) {
    const Symmetry symmetry = static_cast<Symmetry>(s % kSymmetryCount);
    SCOPED_TRACE(s);
    const Grid solution = CompleteGrid(b.env);
    const RemovalResult r = RemovalTrials(b.engine, solution, {30, 2, symmetry}, b.env);
    ASSERT_EQ(1, brute.Count(DigitsOf(r.puzzle)));
    EXPECT_EQ(DigitsOf(solution), brute.first());
    EXPECT_TRUE(IsSymmetric(r.puzzle, symmetry));
    // The last group opened may reach past the target by up to three cells.
    EXPECT_GE(r.clues, 30 - 3);
    EXPECT_EQ(r.success, BalanceTest(r.puzzle) && r.clues < 81);
    EXPECT_TRUE(SafeSolves(b.engine, r.puzzle, b.env));
  }
}

// Only the singles ticked: the full solver must finish every puzzle with
// singles alone. Stopped before the first trial, the full grid is kept.
TEST(Generator, NoTrialsStillMakesOneAndTechniqueLimitHolds) {
  Bench b;
  for (int box = 4; box <= 17; ++box)
    b.engine.Options.boxes[static_cast<std::size_t>(box)] = false;
  for (int n = 0; n < 3; ++n) {
    const Grid solution = CompleteGrid(b.env);
    const RemovalResult r = RemovalTrials(b.engine, solution, {24, 0, Symmetry::None}, b.env);
    EXPECT_LT(r.clues, 81);
    EXPECT_EQ(1, b.status.progress);
    puzzle::Engine full;
    puzzle::LoadPuzzle(full, DigitsOf(r.puzzle));
    ASSERT_EQ(puzzle::SolveResult::Solved, puzzle::Solve(full));
    EXPECT_GE(puzzle::kLevelCellUnique.level, full.Level);
    EXPECT_EQ(DigitsOf(solution), DigitsOf(full.CellGrid));
  }
  bool enabled = false;
  b.env.stopButtonEnabled = &enabled;
  const RemovalResult r =
      RemovalTrials(b.engine, CompleteGrid(b.env), {32, 6, Symmetry::None}, b.env);
  EXPECT_FALSE(r.success);
  EXPECT_EQ(81, r.clues);
}

// Seven givens in a row or a block pass, eight do not.
TEST(Generator, BalanceTestCountsRowsColumnsAndBlocks) {
  for (const bool inBlock : {false, true}) {
    Grid g;
    g.Fill(puzzle::kAllCandidates);
    for (int i = 0; i < 8; ++i) {
      EXPECT_TRUE(BalanceTest(g)) << inBlock << i;
      g(inBlock ? 1 + i % 3 : 1 + i, inBlock ? 1 + i / 3 : 1) = puzzle::DigitBit(i + 1);
    }
    EXPECT_FALSE(BalanceTest(g)) << inBlock;
  }
}

// A window outside the target closes on it; a new target, clamped, widens
// it. The first record number pushes the last one up, never down.
TEST(GeneratorSettings, TheClueWindowAndRecordNumbersFollowTheirEdits) {
  settings::PuzzleOptions s;
  s.targetGivens = 30;
  for (const auto &[lower, upper] : {std::pair{35, 81}, std::pair{15, 29}}) {
    s.lowerGivens = lower;
    s.upperGivens = upper;
    CorrectClueWindow(s);
    EXPECT_EQ((std::pair{30, 30}), std::pair(s.lowerGivens, s.upperGivens));
  }
  EXPECT_EQ(16, ClampTarget(3));
  s.upperGivens = 32;
  SetTargetGivens(s, 90);
  EXPECT_EQ((std::array{80, 30, 80}), (std::array{s.targetGivens, s.lowerGivens, s.upperGivens}));
  SetTargetGivens(s, 20);
  EXPECT_EQ(20, s.lowerGivens);
  s.recordLast = "009";
  SetRecordFirst(s, "008");
  EXPECT_EQ("009", s.recordLast);
  EXPECT_EQ("1000", RecordNumberText(1000, "007"));
  EXPECT_EQ((std::pair{1, 12}), std::pair(RecordNumberValue("abc"), RecordNumberValue("012")));
}

TEST(GeneratorSettings, AcceptanceByTechniqueCondition) {
  settings::PuzzleOptions window;
  window.lowerGivens = 25;
  window.upperGivens = 30;
  const GeneratorSettings s{window, false, ""};
  puzzle::TechniqueOptions none;
  none.boxes.fill(false);
  puzzle::TechniqueOptions sky = none;
  sky.boxes[puzzle::kBoxLocalization] = sky.boxes[puzzle::kBoxSkyscraper] = true;
  // "有効・必須": only the highest ticked one counts.
  puzzle::TechniqueOptions skyHardest = sky;
  skyHardest.mustUseHardest = true;
  puzzle::TechniqueOptions kite = none;
  kite.boxes[puzzle::kBoxTwoStringKite] = true;
  const GeneratorSettings pattern{window, true, ""};
  struct Case {
    const puzzle::TechniqueOptions &options;
    const GeneratorSettings &settings;
    int level, levelSub, clues;
    bool success, accepted;
  };
  const Case cases[] = {
      {none, s, 11, 0, 28, true, true}, // nothing ticked: the clue window decides
      {none, s, 11, 0, 31, true, false},
      {none, s, 1, -1, 28, false, false}, // unbalanced or missed: never
      {sky, s, 4, -1, 28, true, true},    // any ticked technique met
      {sky, s, 5, -1, 28, true, false},
      {skyHardest, s, 4, -1, 28, true, false},
      {skyHardest, s, 11, 0, 28, true, true},
      {kite, s, 11, 61, 28, true, true},
      {kite, s, 11, 70, 28, true, false},
      {none, pattern, 3, -1, 40, true, true}, // pattern mode takes its own count
  };
  for (const Case &c : cases) {
    EXPECT_EQ(c.accepted, Accepts(c.options, c.settings, c.level, c.levelSub, c.clues, c.success))
        << &c - cases;
  }
}

// The document, engine and writer of one generator run.
struct Desk : testing::PuzzleDesk {
  GeneratorSettings generator{options, false, ""};
  GeneratorLabels labels;
  GeneratorStatus status;
  Random rng{7};
  GeneratorRun run{ctx, generator, labels, status, rng, {}, "", "", false};
  // Auto-record on into the desk's folder, with the clue window and record
  // numbers given.
  void AutoRecord(int lower, int upper, const std::string &first, const std::string &last) {
    options.recordPanelShown = true;
    options.lowerGivens = lower;
    options.upperGivens = upper;
    options.recordFirst = first;
    options.recordLast = last;
    run.programDir = dir.Dir();
  }
  // Row by row, "." for an open cell.
  void Pattern(const std::function<char(int)> &cell) {
    generator.patternMode = true;
    options.techniques.conditionsPanelShown = true;
    generator.patternText.clear();
    for (int i = 0; i < 81; ++i)
      generator.patternText += cell(i) + std::string(i % 9 == 8 ? "\r\n" : "");
  }
};

int GridCount(const platform::Memo &memo) { return static_cast<int>(ScanGrids(memo).size()); }

std::string Tally(const char *label, const GeneratorOutcome &out) {
  return Sj(label) + std::to_string(out.attempts) + Sj("回");
}

// A window whose stop button is pressed at the third round of events; its
// clock moves so that the run lets events through often.
struct StoppingHost : platform::ScriptedHost {
  GeneratorRun *run = nullptr;
  std::int64_t Milliseconds() override { return clock += 10; }
  void ProcessEvents() override {
    ScriptedHost::ProcessEvents();
    if (processEventsCalls == 3 && run->labels.stopButtonEnabled)
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

// Inserting at the caret, the answer follows its puzzle block at once, not
// at a page break below.
TEST(GeneratorRun, PlainModeWritesTheAnswerRightAfterItsPuzzle) {
  Desk here;
  here.place = editor::InsertionPlace::AtCaret;
  here.options.addToDocument = here.options.appendAnswer = true;
  here.options.targetGivens = 30;
  const std::vector<std::string> later{"first page", "\f", "second page"};
  here.memo.SetLines(later);
  here.memo.SetCaret({0, 0});
  RunGenerator(here.run);
  ASSERT_EQ(2, GridCount(here.memo));
  const std::vector<std::string> lines = here.memo.Lines();
  EXPECT_EQ(later, std::vector<std::string>(lines.end() - 3, lines.end()));
}

// Each accepted puzzle goes into its own numbered file, the last holding
// only the puzzle the document shows; a record that cannot be saved stops
// the run.
TEST(GeneratorRun, AutoRecordWritesNumberedFilesOrStopsWhenItCannot) {
  Desk d;
  d.options.targetGivens = 30;
  d.options.recordStem = "rec";
  d.AutoRecord(24, 40, "007", "9");
  std::string renamed;
  d.run.hooks.renameDocument = [&renamed](const std::string &name) { renamed = name; };
  const GeneratorOutcome out = RunGenerator(d.run);
  EXPECT_EQ(9, out.lastRecorded);
  for (const char *name : {"rec007.nbp", "rec008.nbp", "rec009.nbp"})
    EXPECT_TRUE(d.dir.Exists(name));
  EXPECT_EQ("009", d.options.recordLast);
  EXPECT_EQ(d.dir.Path("rec009.txt"), renamed) << "the folder of the records is shown";
  EXPECT_EQ(Tally("rec009まで記録／", out), d.labels.autoRecordText);
  const PuzzleFileContent last =
      ReadPuzzleLines(base::SplitLines(d.dir.Read("rec009.nbp")), PuzzleDialect::Plain);
  ASSERT_EQ(1u, last.grids.size());
  EXPECT_EQ(ScanGrids(d.memo)[0], last.grids[0].givens);

  Desk failed;
  failed.AutoRecord(16, 80, "1", "5");
  failed.run.programDir = failed.dir.Path("missing/");
  const GeneratorOutcome stopped = RunGenerator(failed.run);
  EXPECT_TRUE(stopped.recordFailed);
  EXPECT_EQ(1, stopped.accepted);
  EXPECT_EQ(Sj("数独データが保存できません\nフォルダーに移れません: ") + failed.run.programDir +
                Sj(" (ファイルまたはフォルダーがありません)"),
            failed.LastMessage());
  EXPECT_EQ(Tally("記録なし／", stopped), failed.labels.autoRecordText);
}

TEST(GeneratorRun, ConditionsPanelRepeatsUntilTheWindowIsMet) {
  Desk d;
  d.options.techniques.conditionsPanelShown = true;
  d.options.targetGivens = d.options.lowerGivens = d.options.upperGivens = 28;
  d.engine.Options.boxes.fill(false); // no technique condition
  for (int box = 1; box <= 4; ++box)
    d.engine.Options.boxes[box] = true;
  d.engine.Options.mustUseHardest = false;
  const GeneratorOutcome out = RunGenerator(d.run);
  ASSERT_EQ(1, GridCount(d.memo));
  const GridDigits grid = ScanGrids(d.memo)[0];
  EXPECT_EQ(81 - 28, std::count(grid.begin(), grid.end(), 0));
  EXPECT_EQ(Tally("完成／", out), d.labels.conditionsText);
}

TEST(GeneratorRun, PatternModeKeepsThePatternsGivensOrTellsItsFault) {
  Desk d;
  // Givens on every cell whose row and column add up to an even number.
  d.Pattern([](int i) { return (i / 9 + i % 9) % 2 == 0 ? '5' : '.'; });
  RunGenerator(d.run);
  ASSERT_EQ(1, GridCount(d.memo));
  const GridDigits grid = ScanGrids(d.memo)[0];
  for (int i = 0; i < 81; ++i)
    EXPECT_EQ((i / 9 + i % 9) % 2 == 0, grid[static_cast<std::size_t>(i)] != 0) << i;

  Desk bad;
  bad.Pattern([](int) { return '.'; });
  bad.generator.patternText = "12345";
  EXPECT_EQ(1, RunGenerator(bad.run).attempts);
  ASSERT_EQ(1, bad.Messages());
  EXPECT_EQ(Sj("パターンデータが足りません"), bad.LastMessage());
  EXPECT_EQ(0, GridCount(bad.memo));
}

// Stopped before the first save, an auto-record run recorded nothing; the
// attempt in hand is written.
TEST(GeneratorRun, StopButtonEndsTheRunAsStopped) {
  StopDesk r;
  r.options.recordPanelShown = true;
  r.options.recordStem = "s";
  r.stoppingRun.programDir = r.dir.Dir();
  const GeneratorOutcome recorded = RunGenerator(r.stoppingRun);
  EXPECT_EQ(-1, recorded.lastRecorded);
  EXPECT_EQ(Tally("記録なし／", recorded), r.labels.autoRecordText);
  EXPECT_FALSE(r.dir.Exists("s001.nbp"));
  EXPECT_EQ(1, GridCount(r.memo));
}

} // namespace
} // namespace zenpa::play
