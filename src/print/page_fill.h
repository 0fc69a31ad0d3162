// How far each printed line moves down its page, and when a page is full.
// The pagination and the renderer both go through these rules, so that they
// end pages at the same lines and a page never holds more than its height.
//
// A page's text height is its lines per page at the format's spacing. A line
// takes its size (percent of the format's font) times its spacing (percent of
// its height); the first line of a page is taken whatever its height.
#pragma once

#include <string>
#include <string_view>

#include "print/marks.h"
#include "settings/print_format.h"

namespace zenpa::print {

// The puzzle grid's top and bottom borders, and the reduced clue line.
const std::string &PuzzleGridTop();
const std::string &PuzzleGridBottom();
bool IsPuzzleClueLine(std::string_view line);

// The size a printed line is drawn at: the reduced size for the puzzle's
// title and clue line when their reductions are on, else the mark's size.
// text is empty for the blank line of a mark.
inline int PrintedScale(const settings::PrintFormat &format, const MarkState &mark,
                        std::string_view text) {
  const bool title = format.puzzle.minititle && !text.empty() && text == format.puzzle.title;
  const bool clue = format.puzzle.miniclue && IsPuzzleClueLine(text);
  return title || clue ? format.reducePercent : mark.markScale;
}

// The downward move of a line in lines of the format's font at 100 %.
double LineUnits(int scale, int spacing);

class PageFill {
public:
  PageFill(int perPage, int formatSpacing);

  void StartPage() {
    used_ = 0;
    lines_ = 0;
  }
  // True when a line of this size and spacing fits below the lines taken.
  bool Fits(int scale, int spacing) const {
    return lines_ == 0 || used_ + Height(scale, spacing) <= capacity_;
  }
  // Takes a line; true when the page is full: another line like it would
  // not fit.
  bool Take(int scale, int spacing) {
    used_ += Height(scale, spacing);
    ++lines_;
    return !Fits(scale, spacing);
  }

private:
  static long long Height(int scale, int spacing) {
    return static_cast<long long>(scale) * (spacing > 0 ? spacing : 0);
  }

  long long capacity_ = 0; // in size percent x spacing percent
  long long used_ = 0;
  int lines_ = 0;
};

} // namespace zenpa::print
