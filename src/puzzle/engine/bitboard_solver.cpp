#include "puzzle/engine/bitboard_solver.h"

#include <array>
#include <bit>
#include <cstdint>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace zenpa::puzzle {
namespace {

// A band's cells as bits: row r of the band (0..2), column c (0..8) is bit
// 9r + c. A "segment" is the three cells of one row inside one block; the
// nine segments of a band are numbered 3r + k (block k of the band).
using Bits = std::uint32_t;

constexpr Bits kAllCells = (1u << 27) - 1;
constexpr Bits kRow = 0777u;

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

// Which segments of a band hold a candidate, as 9 bits: segment 3r + k (row
// r, block k) is bit 3k + r. Folding the cells onto the first cell of each
// segment and then the rows onto the first row gives that order without
// any lookup.
unsigned HeldSegments(Bits cells) {
  const Bits firsts = (cells | cells >> 1 | cells >> 2) & 0111111111u;
  return (firsts | firsts >> 8 | firsts >> 16) & kRow;
}

// A digit sits once in every row and once in every block of a band, so its
// segments form one of the six 3x3 permutation patterns. For each set of
// held segments (as HeldSegments gives them): the cells of the patterns
// that fit inside it, 0 when none fits and the band cannot take the digit.
// This is the locked candidates rule for rows and blocks, done for the
// whole band at once.
constexpr std::array<Bits, 512> kPatternCells = [] {
  constexpr int kPermutations[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2},
                                       {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
  std::array<Bits, 512> table{};
  for (unsigned held = 0; held < 512; ++held) {
    for (const auto &p : kPermutations) {
      // Row r in block p[r]: bit 3 * p[r] + r of the held set.
      const unsigned pattern = 1u << (3 * p[0]) | 1u << (3 * p[1] + 1) | 1u << (3 * p[2] + 2);
      const unsigned segments = 1u << p[0] | 1u << (3 + p[1]) | 1u << (6 + p[2]);
      if ((pattern & ~held) == 0)
        table[held] |= kSegmentCells[segments];
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
        kRow << (p / 9 * 9) | kSegmentCells[1u << block | 1u << (3 + block) | 1u << (6 + block)];
  }
  return table;
}();

// The columns (9 bits) of a band's cells, and a set of columns spread over
// the three rows of a band.
Bits Columns(Bits cells) { return (cells | cells >> 9 | cells >> 18) & kRow; }
Bits ColumnCells(Bits columns) { return columns | columns << 9 | columns << 18; }

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

// The candidates of one search position. cand[12b + d] holds the cells of
// band b where digit d + 1 can go (the nine digits of a band side by side,
// three words of padding that stay 0); a solved cell keeps the bit of its
// digit only. open[b] holds the cells of band b not solved yet. seen[] is
// cand[] as the band steps last left each word.
//
// A cell is solved in one place only, the band step, which finds it as the
// one cell of its row left for a digit and takes it out of the other digits
// and out of its column in the other bands. Everything else (givens,
// guesses, naked and column singles) only narrows candidates: it leaves the
// cell as the one candidate of its row for its digit, and the band step does
// the rest.
constexpr int kBandWords = 12;
constexpr int kWords = 3 * kBandWords;

struct Board {
  alignas(16) std::array<Bits, kWords> cand;
  alignas(16) std::array<Bits, kWords> seen;
  std::array<Bits, 3> open;
};

// A set of words of a board, bit w for word w.
using Words = std::uint64_t;

// The words changed since their last band step.
Words Changed(const Board &s) {
  Words changed = 0;
#ifdef __SSE2__
  // Four words at a time: the processor compares them side by side.
  for (int i = 0; i < kWords; i += 4) {
    const __m128i cand = _mm_load_si128(reinterpret_cast<const __m128i *>(&s.cand[i]));
    const __m128i seen = _mm_load_si128(reinterpret_cast<const __m128i *>(&s.seen[i]));
    const int same = _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(cand, seen)));
    changed |= static_cast<Words>(~same & 15) << i;
  }
#else
  for (int i = 0; i < kWords; ++i)
    changed |= static_cast<Words>(s.cand[i] != s.seen[i]) << i;
#endif
  return changed;
}

// Takes cells out of the nine digits of band b.
void TakeFromBand(Board &s, int b, Bits cells) {
  Bits *band = &s.cand[kBandWords * b];
  for (int d = 0; d < kBandWords; ++d)
    band[d] &= ~cells;
}

// Narrows word w to cell p and takes p out of the other digits of the
// band: cell p takes the word's digit, and the band step solves it.
void Assign(Board &s, int w, int p) {
  const Bits own = s.cand[w] & (~kBandPeers[p] | 1u << p);
  TakeFromBand(s, w / kBandWords, 1u << p);
  s.cand[w] = own;
}

// The band step for word w: keeps only the segments some pattern can use,
// then solves every open cell left alone in its row (after the narrowing it
// is alone in its block too): takes it out of the other digits and out of
// its column in the other bands. False when the band cannot take the digit.
bool BandStep(Board &s, int w) {
  const Bits cells = s.cand[w] & kPatternCells[HeldSegments(s.cand[w])];
  if (cells == 0)
    return false;
  Bits singles = 0;
  for (int r = 0; r < 27; r += 9) {
    const Bits row = cells >> r & kRow;
    singles |= (row & (row - 1)) == 0 ? row << r : 0;
  }
  // Without a branch on whether any cell is solved: the steps of a round
  // then run side by side in the processor.
  const int b = w / kBandWords;
  const int d = w - kBandWords * b;
  const Bits solved = singles & s.open[b];
  s.open[b] &= ~solved;
  TakeFromBand(s, b, solved);
  const Bits column = ColumnCells(Columns(solved));
  s.cand[d] &= ~column;
  s.cand[d + kBandWords] &= ~column;
  s.cand[d + 2 * kBandWords] &= ~column;
  s.cand[w] = cells;
  s.seen[w] = cells;
  return true;
}

// The candidate digits (bit d for digit index d) of cell p of band b.
unsigned DigitsOf(const Board &s, int b, int p) {
  unsigned digits = 0;
  for (int d = 0; d < 9; ++d)
    digits |= (s.cand[kBandWords * b + d] >> p & 1u) << d;
  return digits;
}

// Which open cells of band b have one candidate or more, two or more and
// three or more.
Tally BandTally(const Board &s, int b) {
  Tally digits;
  for (int d = 0; d < 9; ++d)
    digits.Add(s.cand[kBandWords * b + d]);
  return digits;
}

// Narrows the open cells left with one candidate to that digit. False on a
// contradiction (an open cell without candidates).
bool NakedSingles(Board &s) {
  for (int b = 0; b < 3; ++b) {
    const Tally digits = BandTally(s, b);
    if ((s.open[b] & ~digits.once) != 0)
      return false;
    const Bits singles = s.open[b] & ~digits.twice;
    for (int w = kBandWords * b; singles != 0 && w < kBandWords * b + 9; ++w) {
      for (Bits todo = s.cand[w] & singles; todo != 0; todo &= todo - 1)
        Assign(s, w, std::countr_zero(todo));
    }
  }
  return true;
}

// For each block of a band (three columns each, as 9 bits): the columns
// of a set that are the only one of their block in the set.
Bits AloneInBlock(Bits columns) {
  const Bits first = columns & 0111u;
  const Bits second = columns >> 1 & 0111u;
  const Bits third = columns >> 2 & 0111u;
  return columns & ((first ^ second ^ third) & ~(first & second & third)) * 7u;
}

// What the columns tell, for every digit at once (the digits of a band
// are side by side, so that the processor works on several together):
//  - a block where the digit can only go in one column takes that column
//    from the other bands;
//  - then a column with one open cell left for the digit narrows it to
//    that cell.
// False on a contradiction (a column without a place for a digit).
bool ColumnSingles(Board &s) {
  alignas(16) std::array<Bits, kBandWords> single{};
  Bits missing = 0;
  for (int d = 0; d < kBandWords; ++d) {
    Bits cells[3] = {s.cand[d], s.cand[kBandWords + d], s.cand[2 * kBandWords + d]};
    Bits pointing[3];
    for (int b = 0; b < 3; ++b)
      pointing[b] = ColumnCells(AloneInBlock(Columns(cells[b])));
    cells[0] &= ~(pointing[1] | pointing[2]);
    cells[1] &= ~(pointing[0] | pointing[2]);
    cells[2] &= ~(pointing[0] | pointing[1]);
    Bits once[3];
    Bits twice = 0;
    for (int b = 0; b < 3; ++b) {
      s.cand[kBandWords * b + d] = cells[b];
      const Bits r0 = cells[b] & kRow;
      const Bits r1 = cells[b] >> 9 & kRow;
      const Bits r2 = cells[b] >> 18;
      once[b] = r0 | r1 | r2;
      twice |= (r0 & r1) | (r2 & (r0 | r1));
    }
    // The padding words hold no digit and miss nothing.
    missing |= ((once[0] | once[1] | once[2]) ^ kRow) & (d < 9 ? kRow : 0u);
    single[d] = (once[0] ^ once[1] ^ once[2]) & ~(once[0] & once[1] & once[2]) & ~twice;
  }
  if (missing != 0)
    return false;
  for (int d = 0; d < 9; ++d) {
    for (int b = 0; single[d] != 0 && b < 3; ++b) {
      const int w = kBandWords * b + d;
      for (Bits todo = s.cand[w] & ColumnCells(single[d]) & s.open[b]; todo != 0; todo &= todo - 1)
        Assign(s, w, std::countr_zero(todo));
    }
  }
  return true;
}

// Band steps for every changed word, then naked singles, then column
// singles, until nothing changes. False on a contradiction.
bool Propagate(Board &s) {
  for (;;) {
    Words round = Changed(s);
    if (round == 0) {
      if (!NakedSingles(s))
        return false;
      round = Changed(s);
    }
    if (round == 0) {
      if (!ColumnSingles(s))
        return false;
      round = Changed(s);
    }
    if (round == 0)
      return true;
    // The words of a round are known before any of them is stepped, so
    // that the processor can work on several at once.
    for (; round != 0; round &= round - 1) {
      if (!BandStep(s, std::countr_zero(round)))
        return false;
    }
  }
}

bool Finished(const Board &s) { return (s.open[0] | s.open[1] | s.open[2]) == 0; }

// An open cell with the fewest candidates: the first cell with two if
// there is one, otherwise the smallest count met in row order.
void PickCell(const Board &s, int &band, int &cell) {
  int best = 10;
  for (int b = 0; b < 3; ++b) {
    const Bits pairs = s.open[b] & ~BandTally(s, b).thrice;
    if (pairs != 0) {
      band = b;
      cell = std::countr_zero(pairs);
      return;
    }
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

// Sets up the board of the givens, narrowed as Assign would narrow it and
// with the columns of each digit's givens taken out of its other bands.
// False when a given repeats in its row, column or block.
bool StartBoard(const PuzzleDigits &givens, Board &s) {
  // Without branches on whether a cell holds a given: an open cell counts
  // as digit index 9, a padding word, and adds no bits.
  std::array<Bits, kWords> placed{};
  std::array<Bits, kWords> peers{}; // the cells sharing a row or block with a given
  std::array<Bits, 10> columns{};   // each digit's columns with a given
  std::array<Bits, 3> filled{};
  Bits repeated = 0;
  for (int b = 0, i = 0; b < 3; ++b) {
    for (int p = 0; p < 27; ++p, ++i) {
      const auto d = static_cast<unsigned>(givens[i] - 1);
      const Bits given = d < 9 ? ~0u : 0u;
      const unsigned digit = d < 9 ? d : 9u;
      const unsigned w = kBandWords * b + digit;
      const Bits bit = 1u << p & given;
      const Bits column = 1u << (p - p / 9 * 9) & given;
      repeated |= (peers[w] & bit) | (columns[digit] & column);
      placed[w] |= bit;
      peers[w] |= kBandPeers[p] & given;
      columns[digit] |= column;
      filled[b] |= bit;
    }
  }
  if (repeated != 0)
    return false;
  for (int b = 0; b < 3; ++b) {
    for (int d = 0; d < kBandWords; ++d) {
      const int w = kBandWords * b + d;
      const Bits free = kAllCells & ~filled[b] & ~peers[w] & ~ColumnCells(columns[d < 9 ? d : 9]);
      s.cand[w] = d < 9 ? free | placed[w] : 0;
    }
  }
  s.seen.fill(0);
  s.open.fill(kAllCells);
  return true;
}

class Search {
public:
  explicit Search(int limit) : limit_(limit < 1 ? 1 : limit) {}

  BitboardCount Run(const PuzzleDigits &givens) {
    Board s;
    if (!StartBoard(givens, s)) {
      result_.repeatedGiven = true;
      return result_;
    }
    if (Propagate(s))
      Descend(s);
    return result_;
  }

private:
  // s is propagated without contradiction.
  void Descend(Board &s) {
    if (Finished(s)) {
      Record(s);
      return;
    }
    int b = 0;
    int p = 0;
    PickCell(s, b, p);
    unsigned digits = DigitsOf(s, b, p);
    while (digits != 0 && result_.count < limit_) {
      const int d = std::countr_zero(digits);
      digits &= digits - 1;
      // The last digit left needs no copy: s is not looked at again.
      Board copy;
      Board &next = digits == 0 ? s : (copy = s);
      Assign(next, kBandWords * b + d, p);
      if (Propagate(next))
        Descend(next);
    }
  }

  void Record(const Board &s) {
    if (result_.count++ > 0)
      return;
    for (int b = 0; b < 3; ++b) {
      for (int d = 0; d < 9; ++d) {
        for (Bits cells = s.cand[kBandWords * b + d]; cells != 0; cells &= cells - 1)
          result_.first[27 * b + std::countr_zero(cells)] = d + 1;
      }
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
