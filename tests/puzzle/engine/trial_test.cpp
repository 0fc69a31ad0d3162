// The solver and the trial search against an independent brute-force solver,
// and the fast solver against both, on seeded puzzles with no, one, two and
// many answers.
#include "puzzle/engine/bitboard_solver.h"
#include "puzzle/engine/solver.h"
#include "puzzle/engine/trial.h"
#include "puzzle/support/puzzle_maker.h"
#include "puzzle/support/trial_count.h"

#include <gtest/gtest.h>

#include <random>

using namespace zenpa::puzzle;
using zenpa::testing::BruteForce;
using zenpa::testing::Digits;
using zenpa::testing::PuzzleMaker;

namespace {

std::string DigitsText(const Digits &digits) {
  std::string text;
  for (int d : digits)
    text += static_cast<char>('0' + d);
  return text;
}

// Puzzles of every kind from one seed: unique ones, ones with givens taken
// away (several answers), ones with a given changed (often none), and
// sparse random selections of a complete grid (many answers).
std::vector<Digits> SeededPuzzles(std::uint32_t seed, int rounds) {
  PuzzleMaker maker(seed);
  std::mt19937 &rng = maker.rng();
  std::vector<Digits> puzzles;
  for (int i = 0; i < rounds; ++i) {
    const Digits answer = maker.CompleteGrid();
    const Digits unique = maker.Puzzle(answer, 20 + i % 12);
    puzzles.push_back(unique);
    Digits fewer = unique;
    for (int k = 0, removed = 0; k < 81 && removed < 1 + i % 3; ++k) {
      const int cell = static_cast<int>(rng() % 81);
      removed += fewer[cell] != 0 ? 1 : 0;
      fewer[cell] = 0;
    }
    puzzles.push_back(fewer);
    Digits changed = unique;
    for (int cell = static_cast<int>(rng() % 81);; cell = (cell + 1) % 81) {
      if (changed[cell] != 0) {
        changed[cell] = changed[cell] % 9 + 1;
        break;
      }
    }
    puzzles.push_back(changed);
    Digits sparse{};
    for (int cell = 0; cell < 81; ++cell)
      sparse[cell] = static_cast<int>(rng() % 100) < 26 + i % 10 ? answer[cell] : 0;
    puzzles.push_back(sparse);
  }
  return puzzles;
}

} // namespace

TEST(TrialCrossCheck, CountsAndAnswersAgreeWithBruteForce) {
  BruteForce brute;
  std::array<int, 4> seen{}; // puzzles with 0, 1, 2 and more answers
  for (const Digits &puzzle : SeededPuzzles(20261206, 500)) {
    const int limit = 3;
    const int expected = brute.Count(puzzle, limit);
    std::string first;
    const int actual = zenpa::testing::TrialSearchCount(puzzle, limit, &first);
    ASSERT_EQ(expected, actual) << DigitsText(puzzle);
    const BitboardCount fast = CountBitboardAnswers(puzzle, limit);
    ASSERT_EQ(expected, fast.count) << DigitsText(puzzle);
    if (expected == 1) {
      ASSERT_EQ(DigitsText(brute.first()), first) << DigitsText(puzzle);
      ASSERT_EQ(first, DigitsText(fast.first)) << DigitsText(puzzle);
    }
    ++seen[std::min(expected, 3)];
  }
  for (int kind = 0; kind < 4; ++kind)
    EXPECT_LT(20, seen[kind]) << "puzzles with " << kind << " answers";
  // Minimal puzzles the techniques cannot finish: the fast solver has to
  // guess, and must still prove the one answer.
  PuzzleMaker maker(20261207);
  Engine e;
  for (int stuck = 0; stuck < 30;) {
    const Digits puzzle = maker.Puzzle(maker.CompleteGrid());
    LoadPuzzle(e, puzzle);
    e.Contradiction = false;
    if (Solve(e) != SolveResult::Stuck)
      continue;
    ++stuck;
    std::string first;
    ASSERT_EQ(1, zenpa::testing::TrialSearchCount(puzzle, 2, &first)) << DigitsText(puzzle);
    const BitboardCount fast = CountBitboardAnswers(puzzle, 2);
    ASSERT_EQ(1, fast.count) << DigitsText(puzzle);
    ASSERT_EQ(first, DigitsText(fast.first)) << DigitsText(puzzle);
  }
}

TEST(TrialSearch, CountingStopsAtItsLimitAndStageOneStartsAtTheResumePoint) {
  Digits answer{};
  const Digits puzzle = zenpa::testing::TwoAnswerPuzzle(&answer);
  std::vector<Pos> open;
  for (int i = 0; i < 81; ++i) {
    if (puzzle[i] == 0)
      open.push_back(Pos{i % 9 + 1, i / 9 + 1});
  }
  ASSERT_EQ(4u, open.size());
  struct FirstAnswer : TrialListener {
    TrialAnswer first;
    bool StopRequested() override { return first.number > 0; }
    void Answer(const TrialAnswer &a, const Engine &) override { first = a; }
  };
  auto firstFrom = [&](TrialResumePoint from) {
    Engine e;
    LoadPuzzle(e, puzzle);
    EXPECT_EQ(SolveResult::Stuck, Solve(e));
    FirstAnswer listener;
    TrialOptions options;
    options.resumeAt = from;
    RunTrialSearch(e, listener, options);
    return listener.first;
  };
  // Counting stops at its limit.
  Engine stuck;
  LoadPuzzle(stuck, puzzle);
  Solve(stuck);
  EXPECT_EQ(
      (std::vector<int>{1, 2, 2}),
      (std::vector<int>{CountAnswers(stuck, 1), CountAnswers(stuck, 2), CountAnswers(stuck, 0)}));
  const TrialAnswer plain = firstFrom({});
  EXPECT_EQ(1, plain.stage);
  EXPECT_EQ(open[0], plain.cell);
  EXPECT_EQ(2, plain.candidates);
  // From the second open cell on: the cells before it are skipped.
  EXPECT_EQ(open[1], firstFrom({2, open[1]}).cell);
  // Past the last cell with two candidates stage 1 finds nothing.
  EXPECT_EQ(2, firstFrom({3, Pos{1, 1}}).stage);
}
