#include "puzzle/engine/bitboard_solver.h"

#include <array>
#include <bit>
#include <cstdint>

namespace zenpa::puzzle {
namespace {

// A band's cells as bits: row r of the band (0..2), column c (0..8) is bit
// 9r + c. A "segment" is the three cells of one row inside one block; the
// nine segments of a band are numbered 3r + k (block k of the band).
using Bits = std::uint32_t;

constexpr Bits kColumnBits = 1u | 1u << 9 | 1u << 18; // column 0 in all three rows

// Which segments of one band row (9 bits) hold a candidate: 3 bits.
constexpr std::array<std::uint8_t, 512> kRowSegments = [] {
  std::array<std::uint8_t, 512> table{};
  for (unsigned row = 0; row < 512; ++row) {
    table[row] = static_cast<std::uint8_t>(((row & 7u) != 0 ? 1 : 0) | ((row & 070u) != 0 ? 2 : 0) |
                                           ((row & 0700u) != 0 ? 4 : 0));
  }
  return table;
}();

// A digit sits once in every row and once in every block of a band, so its
// segments form one of the six 3x3 permutation patterns. For each set of
// segments holding a candidate: the union of the patterns that fit inside
// it (0: none fits, the band cannot take the digit). This is the locked
// candidates rule for rows and blocks, done for the whole band at once.
constexpr std::array<std::uint16_t, 512> kPossibleSegments = [] {
  constexpr int kPermutations[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2},
                                       {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
  std::array<std::uint16_t, 512> table{};
  for (unsigned held = 0; held < 512; ++held) {
    for (const auto &p : kPermutations) {
      const unsigned pattern = 1u << p[0] | 1u << (3 + p[1]) | 1u << (6 + p[2]);
      if ((pattern & ~held) == 0)
        table[held] = static_cast<std::uint16_t>(table[held] | pattern);
    }
  }
  return table;
}();

// The cells of a set of segments.
constexpr std::array<Bits, 512> kSegmentCells = [] {
  std::array<Bits, 512> table{};
  for (unsigned segments = 0; segments < 512; ++segments) {
    for (unsigned s = 0; s < 9; ++s) {
      if ((segments >> s & 1u) != 0)
        table[segments] |= 7u << (3 * s);
    }
  }
  return table;
}();

// The cells of a band that share a row or a block with a cell, itself
// included.
constexpr std::array<Bits, 27> kBandPeers = [] {
  std::array<Bits, 27> table{};
  for (unsigned p = 0; p < 27; ++p) {
    const unsigned block = p % 9 / 3;
    table[p] =
        0777u << (p / 9 * 9) | kSegmentCells[1u << block | 1u << (3 + block) | 1u << (6 + block)];
  }
  return table;
}();

constexpr Bits kAllCells = (1u << 27) - 1;

// The candidates of one search position. cand[3d + b] holds the cells of
// band b where digit d + 1 can go; a placed cell keeps the bit of its
// digit only. seen[] is cand[] as the band step last left it.
struct Board {
  std::array<Bits, 27> cand;
  std::array<Bits, 27> seen;
  std::array<Bits, 3> open;
};

// Counts, bit by bit over several sets, which bits are set once or more,
// twice or more and three times or more.
struct Tally {
  Bits once = 0;
  Bits twice = 0;
  Bits thrice = 0;
  void Add(Bits bits) {
    thrice |= twice & bits;
    twice |= once & bits;
    once |= bits;
  }
};

// Puts digit index d into cell p of band b and takes it out of every peer.
void Place(Board &s, int d, int b, int p) {
  const Bits bit = 1u << p;
  for (int i = b; i < 27; i += 3)
    s.cand[i] &= ~bit;
  s.cand[3 * d + b] = (s.cand[3 * d + b] & ~kBandPeers[p]) | bit;
  const Bits column = kColumnBits << (p % 9);
  s.cand[3 * d + (b + 1) % 3] &= ~column;
  s.cand[3 * d + (b + 2) % 3] &= ~column;
  s.open[b] &= ~bit;
}

// The band step for one digit and band: keeps only the segments some
// pattern can use, then places the digit in every row of the band left with
// one cell for it. False when the band cannot take the digit.
bool BandStep(Board &s, int i) {
  Bits cells = s.cand[i];
  const unsigned held = kRowSegments[cells & 0777u] | kRowSegments[cells >> 9 & 0777u] << 3 |
                        kRowSegments[cells >> 18] << 6;
  const unsigned possible = kPossibleSegments[held];
  if (possible == 0)
    return false;
  cells &= kSegmentCells[possible];
  s.cand[i] = cells;
  s.seen[i] = cells;
  Bits singles = 0;
  for (int r = 0; r < 27; r += 9) {
    const Bits row = cells >> r & 0777u;
    if ((row & (row - 1)) == 0)
      singles |= row << r;
  }
  const int b = i % 3;
  for (Bits todo = singles & s.open[b]; todo != 0; todo &= todo - 1)
    Place(s, i / 3, b, std::countr_zero(todo));
  return true;
}

// Places every open cell left with one candidate. -1 on a contradiction
// (an open cell without candidates), otherwise the number placed.
int NakedSingles(Board &s) {
  int placed = 0;
  for (int b = 0; b < 3; ++b) {
    Tally digits;
    for (int i = b; i < 27; i += 3)
      digits.Add(s.cand[i]);
    if ((s.open[b] & ~digits.once) != 0)
      return -1;
    for (Bits todo = s.open[b] & ~digits.twice; todo != 0; todo &= todo - 1) {
      const Bits bit = todo & -todo;
      int d = 0;
      while (d < 9 && (s.cand[3 * d + b] & bit) == 0)
        ++d;
      if (d == 9)
        return -1; // an earlier single of this round took its last digit
      Place(s, d, b, std::countr_zero(bit));
      ++placed;
    }
  }
  return placed;
}

// Places every digit left with one cell in a column (rows and blocks are
// the band step's). -1 on a contradiction (a column without a place for a
// digit), otherwise the number placed.
int ColumnSingles(Board &s) {
  int placed = 0;
  for (int d = 0; d < 9; ++d) {
    Tally rows;
    for (int b = 0; b < 3; ++b) {
      for (int r = 0; r < 27; r += 9)
        rows.Add(s.cand[3 * d + b] >> r & 0777u);
    }
    if (rows.once != 0777u)
      return -1;
    const Bits single = 0777u & ~rows.twice;
    for (int b = 0; b < 3; ++b) {
      const Bits cells = s.cand[3 * d + b] & (single | single << 9 | single << 18) & s.open[b];
      for (Bits todo = cells; todo != 0; todo &= todo - 1) {
        const int p = std::countr_zero(todo);
        if ((s.cand[3 * d + b] >> p & 1u) == 0)
          return -1; // a single placed before took this column's last place
        Place(s, d, b, p);
        ++placed;
      }
    }
  }
  return placed;
}

// Band steps for every changed digit and band, then naked singles, then
// column singles, until nothing changes. False on a contradiction.
bool Propagate(Board &s) {
  for (;;) {
    // The changed digits and bands as one mask, gathered without branches.
    Bits changed = 0;
    for (int i = 0; i < 27; ++i)
      changed |= static_cast<Bits>(s.cand[i] != s.seen[i]) << i;
    if (changed != 0) {
      for (; changed != 0; changed &= changed - 1) {
        if (!BandStep(s, std::countr_zero(changed)))
          return false;
      }
      continue;
    }
    int placed = NakedSingles(s);
    if (placed == 0)
      placed = ColumnSingles(s);
    if (placed <= 0)
      return placed == 0;
  }
}

bool Finished(const Board &s) { return (s.open[0] | s.open[1] | s.open[2]) == 0; }

// The candidate digits (bit d for digit index d) of cell p of band b.
unsigned DigitsOf(const Board &s, int b, int p) {
  unsigned digits = 0;
  for (int d = 0; d < 9; ++d)
    digits |= (s.cand[3 * d + b] >> p & 1u) << d;
  return digits;
}

// An open cell with the fewest candidates: the first cell with two if
// there is one, otherwise the smallest count met in row order.
void PickCell(const Board &s, int &band, int &cell) {
  for (int b = 0; b < 3; ++b) {
    Tally digits;
    for (int i = b; i < 27; i += 3)
      digits.Add(s.cand[i]);
    const Bits pairs = s.open[b] & digits.twice & ~digits.thrice;
    if (pairs != 0) {
      band = b;
      cell = std::countr_zero(pairs);
      return;
    }
  }
  int best = 10;
  for (int b = 0; b < 3; ++b) {
    for (Bits todo = s.open[b]; todo != 0; todo &= todo - 1) {
      const int p = std::countr_zero(todo);
      const int n = std::popcount(DigitsOf(s, b, p));
      if (n < best) {
        best = n;
        band = b;
        cell = p;
      }
    }
  }
}

class Search {
public:
  explicit Search(int limit) : limit_(limit < 1 ? 1 : limit) {}

  BitboardCount Run(const PuzzleDigits &givens) {
    Board s{};
    s.cand.fill(kAllCells);
    s.open.fill(kAllCells);
    for (int i = 0; i < 81; ++i) {
      const int d = givens[i] - 1;
      if (d < 0 || d > 8)
        continue;
      const int b = i / 27;
      const int p = i % 27;
      if ((s.cand[3 * d + b] >> p & 1u) == 0) {
        result_.repeatedGiven = true;
        return result_;
      }
      Place(s, d, b, p);
    }
    if (Propagate(s))
      Descend(s);
    return result_;
  }

private:
  // s is propagated without contradiction.
  void Descend(const Board &s) {
    if (Finished(s)) {
      Record(s);
      return;
    }
    int b = 0;
    int p = 0;
    PickCell(s, b, p);
    for (unsigned digits = DigitsOf(s, b, p); digits != 0 && result_.count < limit_;
         digits &= digits - 1) {
      Board next = s;
      Place(next, std::countr_zero(digits), b, p);
      if (Propagate(next))
        Descend(next);
    }
  }

  void Record(const Board &s) {
    if (result_.count++ > 0)
      return;
    for (int i = 0; i < 81; ++i) {
      int d = 0;
      while (d < 8 && (s.cand[3 * d + i / 27] >> (i % 27) & 1u) == 0)
        ++d;
      result_.first[i] = d + 1;
    }
  }

  int limit_;
  BitboardCount result_;
};

} // namespace

BitboardCount CountBitboardAnswers(const PuzzleDigits &givens, int limit) {
  return Search(limit).Run(givens);
}

} // namespace zenpa::puzzle
