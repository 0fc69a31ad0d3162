// Drawing of one printed line: its vertical place, its size (marks, reduced
// puzzle title, clue and how-to-play lines), its advance array and its
// paired half-width characters.
#include "base/sjis.h"
#include "base/units.h"
#include "print/render_composer.h"

#include <algorithm>

namespace zenpa::print {
namespace {

const std::string &GridTop() {
  static const std::string line = base::Sj("┏━┯━┯━┳━┯━┯━┳━┯━┯━┓");
  return line;
}

const std::string &GridBottom() {
  static const std::string line = base::Sj("┗━┷━┷━┻━┷━┷━┻━┷━┷━┛");
  return line;
}

// The clue line: characters 33 to 37 read "-clue".
bool IsClueLine(std::string_view line) {
  constexpr std::size_t kCluePos = 32;
  return line.size() >= kCluePos + 5 && line.substr(kCluePos, 5) == "-clue";
}

} // namespace

// A printed line (text, or the blank line of a mark): draws it and moves
// down by the mark's line spacing, less the room a reduced line saves.
void Composer::PrintedLine(std::string_view line) {
  if (puzzle_ == Puzzle::AfterGrid) { // the how-to-play block starts reduced
    mark_.markScale = f_.reducePercent;
    puzzle_ = Puzzle::HowToPlay;
  }
  double saved = 0;
  if (puzzle_ == Puzzle::HowToPlay)
    saved = (100 - f_.reducePercent) / 3.0 / 100.0;
  if (!line.empty())
    DrawTextLine(line);
  const bool titleReduced = f_.puzzle.minititle && !line.empty() && line == f_.puzzle.title;
  if (titleReduced)
    saved += (100 - f_.reducePercent) / 100.0;
  if (f_.puzzle.minitext && line == GridBottom())
    puzzle_ = Puzzle::AfterGrid;
  u_ += mark_.markLineSpacing / 100.0 - saved;
}

void Composer::DrawTextLine(std::string_view line) {
  static const std::string kZeroHigh = base::Sj("0高");
  platform::Canvas &c = Canvas();
  const int textH = TextH(c.TextHeight(line), in_.ratio);
  const int fix = TextH(c.TextHeight(kZeroHigh), in_.ratio) * in_.ratio.BaselineFix() /
                  std::max(1, in_.ratio.den);
  const int y = static_cast<int>(base::RoundHalfAway(textH * u_)) + f_.topMargin - fix;

  const bool title = f_.puzzle.minititle && line == f_.puzzle.title;
  const bool clue = f_.puzzle.miniclue && IsClueLine(line);
  const int percent = title || clue ? f_.reducePercent : mark_.markScale;
  int dx = 0;
  if (title || clue) {
    // Keep the reduced line over the grid: the title centred, the clue's end
    // under the grid's right edge.
    Select({mark_.markFont, Percent(baseHeight_, mark_.markScale), f_.bold, f_.italic, f_.underline,
            0});
    const double grid = c.TextWidth(GridTop()) * f_.charSpacing / 100.0;
    Select({mark_.markFont, Percent(baseHeight_, percent), f_.bold, f_.italic, f_.underline, 0});
    double d = grid - c.TextWidth(GridTop()) * f_.charSpacing / 100.0;
    if (d > 0)
      d -= c.TextWidth(" ") / 2.0;
    dx = static_cast<int>(title ? d / 2 : d);
  }
  Select({mark_.markFont, Percent(baseHeight_, percent), f_.bold, f_.italic, f_.underline, 0});

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
