// Test support, independent of the engine: a brute-force solver that counts
// answers, and a seeded maker of random complete grids and of puzzles with a
// unique answer. Digits are held row by row in 81 ints: index
// (y - 1) * 9 + (x - 1) for column x and row y (1-based); 0 is an empty cell.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <numeric>
#include <random>
#include <string>
#include <utility>

namespace zenpa::testing {

using Digits = std::array<int, 81>;

class BruteForce {
public:
  // Number of answers of the puzzle, counting no further than limit. The
  // first answer found is kept in first().
  int Count(const Digits &puzzle, int limit = 2) {
    limit_ = limit;
    found_ = 0;
    cells_ = {};
    rows_ = cols_ = boxes_ = {};
    for (int i = 0; i < 81; ++i) {
      if (puzzle[i] != 0 && (Free(i) & (1u << (puzzle[i] - 1))) == 0)
        return 0;
      if (puzzle[i] != 0)
        Flip(i, puzzle[i]);
    }
    Search();
    return found_;
  }

  const Digits &first() const { return first_; }

private:
  static int Box(int i) { return (i / 27) * 3 + (i % 9) / 3; }

  unsigned Free(int i) const { return 0x1FFu & ~(rows_[i / 9] | cols_[i % 9] | boxes_[Box(i)]); }

  // Places d at i, or takes it away again.
  void Flip(int i, int d) {
    const unsigned bit = 1u << (d - 1);
    cells_[i] = cells_[i] == 0 ? d : 0;
    rows_[i / 9] ^= bit;
    cols_[i % 9] ^= bit;
    boxes_[Box(i)] ^= bit;
  }

  // The empty cell with the fewest free digits, or -1 when none is empty.
  int Pick() const {
    int best = -1;
    for (int i = 0; i < 81; ++i) {
      if (cells_[i] == 0 && (best < 0 || std::popcount(Free(i)) < std::popcount(Free(best))))
        best = i;
    }
    return best;
  }

  void Search() {
    const int i = Pick();
    if (i < 0) {
      if (found_++ == 0)
        first_ = cells_;
      return;
    }
    for (unsigned free = Free(i); free != 0 && found_ < limit_; free &= free - 1) {
      const int d = std::countr_zero(free) + 1;
      Flip(i, d);
      Search();
      Flip(i, d);
    }
  }

  int limit_ = 2, found_ = 0;
  Digits cells_{}, first_{};
  std::array<unsigned, 9> rows_{}, cols_{}, boxes_{};
};

// Seeded maker of random complete grids and unique puzzles.
class PuzzleMaker {
public:
  explicit PuzzleMaker(std::uint32_t seed) : rng_(seed) {}

  // A random complete grid: a fixed valid grid with its digits relabelled,
  // bands, stacks, rows within bands and columns within stacks shuffled and
  // possibly transposed.
  Digits CompleteGrid() {
    std::array<int, 9> label{1, 2, 3, 4, 5, 6, 7, 8, 9};
    std::shuffle(label.begin(), label.end(), rng_);
    const std::array<int, 9> rows = Order();
    const std::array<int, 9> cols = Order();
    const bool transpose = (rng_() & 1u) != 0;
    Digits g{};
    for (int r = 0; r < 9; ++r) {
      for (int c = 0; c < 9; ++c) {
        const int rr = transpose ? cols[c] : rows[r];
        const int cc = transpose ? rows[r] : cols[c];
        g[r * 9 + c] = label[(rr * 3 + rr / 3 + cc) % 9];
      }
    }
    return g;
  }

  // Removes givens from answer in random order while the answer stays
  // unique; stops at minClues givens. The result is minimal unless stopped.
  Digits Puzzle(const Digits &answer, int minClues = 17) {
    Digits p = answer;
    std::array<int, 81> order{};
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), rng_);
    BruteForce solver;
    for (int k = 0, clues = 81; k < 81 && clues > minClues; ++k) {
      const int keep = std::exchange(p[order[k]], 0);
      if (solver.Count(p, 2) == 1)
        --clues;
      else
        p[order[k]] = keep;
    }
    return p;
  }

  std::mt19937 &rng() { return rng_; }

private:
  // A permutation of 0..8 that keeps bands (groups of three) together.
  std::array<int, 9> Order() {
    std::array<int, 3> bands{0, 1, 2};
    std::shuffle(bands.begin(), bands.end(), rng_);
    std::array<int, 9> order{};
    for (int b = 0; b < 3; ++b) {
      std::array<int, 3> inner{0, 1, 2};
      std::shuffle(inner.begin(), inner.end(), rng_);
      for (int k = 0; k < 3; ++k)
        order[b * 3 + k] = bands[b] * 3 + inner[k];
    }
    return order;
  }

  std::mt19937 rng_;
};

// Puzzle text as 81 characters, '0' or '.' for an empty cell.
inline Digits DigitsFromText(const std::string &text) {
  Digits d{};
  int i = 0;
  for (char ch : text) {
    if (i < 81 && (ch == '.' || (ch >= '0' && ch <= '9')))
      d[i++] = ch == '.' ? 0 : ch - '0';
  }
  return d;
}

// A complete grid with a rectangle of two digits that can swap, less those
// four cells: exactly two answers, and no technique gets further. The grid
// is kept in *answer; an all-empty grid comes back if no rectangle is found.
inline Digits TwoAnswerPuzzle(Digits *answer) {
  BruteForce brute;
  Digits seed{};
  for (int c = 0; c < 9; ++c)
    seed[c] = (c * 4) % 9 + 1;
  brute.Count(seed, 1);
  const Digits g = brute.first();
  *answer = g;
  for (int r1 = 0; r1 < 9; ++r1) {
    const int r2 = r1 / 3 * 3 + (r1 + 1) % 3;
    for (int c1 = 0; c1 < 6; ++c1) {
      for (int c2 = (c1 / 3 + 1) * 3; c2 < 9; ++c2) {
        if (g[r1 * 9 + c1] != g[r2 * 9 + c2] || g[r1 * 9 + c2] != g[r2 * 9 + c1])
          continue;
        Digits p = g;
        for (int cell : {r1 * 9 + c1, r1 * 9 + c2, r2 * 9 + c1, r2 * 9 + c2})
          p[cell] = 0;
        return p;
      }
    }
  }
  return Digits{};
}

} // namespace zenpa::testing
