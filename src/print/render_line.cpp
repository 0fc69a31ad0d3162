// Drawing of one printed line: its vertical place, its horizontal place
// (marks' indent, reduced puzzle title and clue lines kept over the grid),
// its advance array and its paired half-width characters.
#include "base/sjis.h"
#include "base/units.h"
#include "print/render_composer.h"

#include <algorithm>

namespace zenpa::print {

// The line stands at u_ lines of the format's font below the top margin,
// whatever its own size, so that it starts below the line before it.
void Composer::DrawTextLine(std::string_view line, int scale) {
  static const std::string kZeroHigh = base::Sj("0高");
  platform::Canvas &c = Canvas();
  Select({mark_.markFont, Percent(baseHeight_, scale), f_.bold, f_.italic, f_.underline, 0});
  const int fix = TextH(c.TextHeight(kZeroHigh), in_.ratio) * in_.ratio.BaselineFix() /
                  std::max(1, in_.ratio.den);
  const int y = static_cast<int>(base::RoundHalfAway(baseTextH_ * u_)) + f_.topMargin - fix;
  const bool title = f_.puzzle.minititle && line == f_.puzzle.title;
  const bool clue = f_.puzzle.miniclue && IsPuzzleClueLine(line);
  const int dx = title || clue ? ReducedShift(title) : 0;
  const int x = place_.textLeft + base::MmToPix(mark_.markIndent / 10.0, g_.dpi) + dx;
  std::string drawn(line);
  if (f_.underline)
    drawn += ' '; // the underline runs one cell further
  const int cell = f_.fixedPitch ? FixedPitchCell(c, f_.charSpacing) : 0;
  const LineAdvances adv = ComputeAdvances(c, drawn, f_.charSpacing, cell, f_.noPairChars);
  std::vector<std::size_t> pairs;
  if (f_.pairHalfWidth)
    pairs = FindPairs(adv.kinds);
  std::erase_if(pairs, [&](std::size_t p) { return p + 2 > line.size(); }); // not the added blank
  for (std::size_t p : pairs)
    drawn[p] = drawn[p + 1] = ' ';
  c.DrawTextAdvances(x + adv.shift - Ox(), y - Oy(), drawn, adv.advances, Shifted(place_.clip));
  if (!pairs.empty())
    DrawPairs(line, pairs, x + adv.shift, y, adv);
}

// Keeps a reduced title centred over the grid and a reduced clue line's end
// under the grid's right edge: the difference of the grid's width at the
// size it is drawn and at the reduced size (less half a reduced blank).
int Composer::ReducedShift(bool title) {
  platform::Canvas &c = Canvas();
  const platform::FontSpec reduced = font_;
  const int gridScale = title || gridScale_ == 0 ? mark_.markScale : gridScale_;
  Select({mark_.markFont, Percent(baseHeight_, gridScale), f_.bold, f_.italic, f_.underline, 0});
  const double grid = c.TextWidth(PuzzleGridTop()) * f_.charSpacing / 100.0;
  Select(reduced);
  double d = grid - c.TextWidth(PuzzleGridTop()) * f_.charSpacing / 100.0;
  if (d > 0)
    d -= c.TextWidth(" ") / 2.0;
  return static_cast<int>(title ? d / 2 : d);
}

// Each pair of half-width characters is drawn as one unit turned to read
// upwards, centred on the place the two characters take in the line.
void Composer::DrawPairs(std::string_view line, const std::vector<std::size_t> &pairs, int x, int y,
                         const LineAdvances &adv) {
  constexpr int kTurned = -2700;
  const platform::FontSpec upright = font_;
  platform::FontSpec turned = font_;
  turned.escapement = kTurned;
  Select(turned);
  platform::Canvas &c = Canvas();
  int left = x; // left of byte `done`, walked forward pair by pair
  std::size_t done = 0;
  for (std::size_t p : pairs) {
    const std::string_view pair = line.substr(p, 2);
    const int w = c.TextWidth(pair);
    const int h = c.TextHeight(pair);
    for (; done < p; ++done)
      left += adv.advances[done];
    const int natural[2] = {c.TextWidth(pair.substr(0, 1)), c.TextWidth(pair.substr(1, 1))};
    c.DrawTextAdvances(left + w / 2 - h / 2 - Ox(), y + w / 2 + h / 2 - Oy(), pair, natural,
                       Shifted(place_.clip));
  }
  Select(upright);
}

} // namespace zenpa::print
