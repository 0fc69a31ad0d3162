#include "print/page_fill.h"

#include <algorithm>

#include "base/sjis.h"

namespace zenpa::print {
namespace {

long long Height(int scale, int spacing) {
  return static_cast<long long>(scale) * std::max(0, spacing);
}

} // namespace

const std::string &PuzzleGridTop() {
  static const std::string line = base::Sj("┏━┯━┯━┳━┯━┯━┳━┯━┯━┓");
  return line;
}

const std::string &PuzzleGridBottom() {
  static const std::string line = base::Sj("┗━┷━┷━┻━┷━┷━┻━┷━┷━┛");
  return line;
}

// Characters 33 to 37 read "-clue".
bool IsPuzzleClueLine(std::string_view line) {
  constexpr std::size_t kCluePos = 32;
  return line.size() >= kCluePos + 5 && line.substr(kCluePos, 5) == "-clue";
}

int PrintedScale(const settings::PrintFormat &f, const MarkState &mark, std::string_view text) {
  const bool title = f.puzzle.minititle && !text.empty() && text == f.puzzle.title;
  const bool clue = f.puzzle.miniclue && IsPuzzleClueLine(text);
  return title || clue ? f.reducePercent : mark.markScale;
}

// At 100 % the move is the spacing alone, exactly as a line of the format's
// font has always moved.
double LineUnits(int scale, int spacing) {
  if (scale == 100)
    return spacing / 100.0;
  return static_cast<double>(Height(scale, spacing)) / 10000.0;
}

PageFill::PageFill(int perPage, int formatSpacing)
    : capacity_(std::max(1, perPage) * Height(100, formatSpacing)) {}

bool PageFill::Fits(int scale, int spacing) const {
  return lines_ == 0 || used_ + Height(scale, spacing) <= capacity_;
}

bool PageFill::Take(int scale, int spacing) {
  used_ += Height(scale, spacing);
  ++lines_;
  return !Fits(scale, spacing);
}

} // namespace zenpa::print
