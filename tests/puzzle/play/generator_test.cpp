#include "base/sjis.h"
#include "puzzle/engine/solver.h"
#include "puzzle/play/generator_grid.h"
#include "puzzle/play/generator_settings.h"
#include "puzzle/support/puzzle_maker.h"

#include <gtest/gtest.h>

namespace zenpa::play {
namespace {

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
  for (int y = 1; y <= 9; ++y) {
    for (int x = 1; x <= 9; ++x) {
      for (const Pos &p : SymmetricPartners(s, {x, y})) {
        if (puzzle::IsPlaced(g(x, y)) != puzzle::IsPlaced(g(p.x, p.y)))
          return false;
      }
    }
  }
  return true;
}

TEST(Symmetry, PartnerTableAndDiagonalCells) {
  EXPECT_EQ((std::vector<Pos>{{8, 7}, {7, 2}, {3, 8}}), SymmetricPartners(Symmetry::Rot90, {2, 3}));
  // A cell on the main diagonal is its own "＼" partner: nothing else opens.
  EXPECT_TRUE(SymmetricPartners(Symmetry::Backslash, {4, 4}).empty());
  // The centre cell has no partner under any symmetry.
  for (int s = 0; s < kSymmetryCount; ++s)
    EXPECT_TRUE(SymmetricPartners(static_cast<Symmetry>(s), {5, 5}).empty());
  EXPECT_EQ(Symmetry::Slash, SymmetryFromName("slash"));
  EXPECT_EQ(std::nullopt, SymmetryFromName("spiral"));
  EXPECT_EQ(base::Sj("１８０度"), SymmetryCaption(Symmetry::Rot180));
}

TEST(Generator, RemovedPuzzlesAreSafeUniqueBalancedAndSymmetric) {
  Bench b;
  testing::BruteForce brute;
  for (int s = 0; s < kSymmetryCount; ++s) {
    const Symmetry symmetry = static_cast<Symmetry>(s);
    for (int n = 0; n < 2; ++n) {
      const Grid solution = CompleteGrid(b.env);
      const RemovalResult r = RemovalTrials(b.engine, solution, {30, 2, symmetry}, b.env);
      const testing::Digits givens = DigitsOf(r.puzzle);
      ASSERT_EQ(1, brute.Count(givens)) << "symmetry " << s;
      EXPECT_EQ(DigitsOf(solution), brute.first());
      EXPECT_TRUE(IsSymmetric(r.puzzle, symmetry)) << "symmetry " << s;
      // The last group opened may reach past the target by up to three cells.
      if (r.clues <= 30) {
        EXPECT_GE(r.clues, 30 - 3) << "symmetry " << s;
      }
      EXPECT_EQ(r.success, BalanceTest(r.puzzle) && r.clues < 81);
      EXPECT_TRUE(SafeSolves(b.engine, r.puzzle, b.env));
    }
  }
}

TEST(Generator, NoTrialsStillMakesOneAndTechniqueLimitHolds) {
  Bench b;
  // Only the singles ticked: the full solver must finish every puzzle with
  // singles alone.
  for (int box = 4; box <= 17; ++box)
    b.engine.Options.boxes[static_cast<std::size_t>(box)] = false;
  for (int n = 0; n < 4; ++n) {
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
}

TEST(Generator, StopBeforeTheFirstTrialKeepsTheFullGrid) {
  Bench b;
  bool enabled = false;
  b.env.stopButtonEnabled = &enabled;
  const Grid solution = CompleteGrid(b.env);
  const RemovalResult r = RemovalTrials(b.engine, solution, {32, 6, Symmetry::None}, b.env);
  EXPECT_FALSE(r.success);
  EXPECT_EQ(81, r.clues);
}

TEST(Generator, BalanceTestCountsRowsColumnsAndBlocks) {
  Grid g;
  g.Fill(puzzle::kAllCandidates);
  for (int x = 1; x <= 7; ++x)
    g(x, 1) = puzzle::DigitBit(x);
  EXPECT_TRUE(BalanceTest(g));
  g(8, 1) = puzzle::DigitBit(8);
  EXPECT_FALSE(BalanceTest(g));
  Grid block;
  block.Fill(puzzle::kAllCandidates);
  for (int i = 0; i < 8; ++i)
    block(1 + i % 3, 1 + i / 3) = puzzle::DigitBit(i + 1);
  EXPECT_FALSE(BalanceTest(block));
}

TEST(GeneratorSettings, ClueWindowCorrection) {
  settings::PuzzleOptions s;
  s.targetGivens = 30;
  s.lowerGivens = 35;
  s.upperGivens = 81;
  CorrectClueWindow(s);
  EXPECT_EQ(30, s.lowerGivens);
  EXPECT_EQ(30, s.upperGivens);
  s.lowerGivens = 15;
  s.upperGivens = 29;
  CorrectClueWindow(s);
  EXPECT_EQ(30, s.lowerGivens);
  EXPECT_EQ(30, s.upperGivens);
  EXPECT_EQ(16, ClampTarget(3));
  EXPECT_EQ(80, ClampTarget(99));
}

TEST(GeneratorSettings, TargetPullsTheClueWindowAndFirstNumberPushesTheLast) {
  settings::PuzzleOptions p;
  p.lowerGivens = 30;
  p.upperGivens = 32;
  SetTargetGivens(p, 90);
  EXPECT_EQ(80, p.targetGivens);
  EXPECT_EQ(30, p.lowerGivens);
  EXPECT_EQ(80, p.upperGivens);
  SetTargetGivens(p, 20);
  EXPECT_EQ(20, p.lowerGivens);
  SetRecordFirst(p, "007");
  EXPECT_EQ("007", p.recordLast);
  p.recordLast = "009";
  SetRecordFirst(p, "008");
  EXPECT_EQ("009", p.recordLast);
}

TEST(GeneratorSettings, AcceptanceByTechniqueCondition) {
  settings::PuzzleOptions window;
  window.lowerGivens = 25;
  window.upperGivens = 30;
  const GeneratorSettings s{window, false, ""};
  puzzle::TechniqueOptions none;
  none.boxes.fill(false);
  EXPECT_TRUE(Accepts(none, s, 11, 0, 28, true)); // nothing ticked: the clue window decides
  EXPECT_FALSE(Accepts(none, s, 11, 0, 31, true));
  EXPECT_FALSE(Accepts(none, s, 1, -1, 28, false)); // unbalanced or missed: never

  puzzle::TechniqueOptions sky = none;
  sky.boxes[puzzle::kBoxLocalization] = true;
  sky.boxes[puzzle::kBoxSkyscraper] = true;
  EXPECT_TRUE(Accepts(sky, s, 4, -1, 28, true)); // any ticked technique met
  EXPECT_FALSE(Accepts(sky, s, 5, -1, 28, true));
  sky.mustUseHardest = true; // "有効・必須": only the highest ticked one counts
  EXPECT_FALSE(Accepts(sky, s, 4, -1, 28, true));
  EXPECT_TRUE(Accepts(sky, s, 11, 0, 28, true));

  puzzle::TechniqueOptions kite = none;
  kite.boxes[puzzle::kBoxTwoStringKite] = true;
  EXPECT_TRUE(Accepts(kite, s, 11, 61, 28, true));
  EXPECT_FALSE(Accepts(kite, s, 11, 70, 28, true));
  const GeneratorSettings pattern{window, true, ""};
  EXPECT_TRUE(Accepts(none, pattern, 3, -1, 40, true)); // pattern mode takes its own count
}

TEST(GeneratorSettings, RecordNumbers) {
  EXPECT_EQ("007", RecordNumberText(7, "007"));
  EXPECT_EQ("1000", RecordNumberText(1000, "007"));
  EXPECT_EQ("7", RecordNumberText(7, "7"));
  EXPECT_EQ("sudoku008.nbp", RecordFileName("sudoku", 8, "007"));
  EXPECT_EQ(1, RecordNumberValue("abc"));
  EXPECT_EQ(12, RecordNumberValue("012"));
}

} // namespace
} // namespace zenpa::play
