#include "print/page_fill.h"

#include <algorithm>

#include "base/sjis.h"

namespace zenpa::print {

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

// At 100 % the move is the spacing alone, exactly as a line of the format's
// font has always moved.
double LineUnits(int scale, int spacing) {
  if (scale == 100)
    return spacing / 100.0;
  return static_cast<double>(scale) * std::max(0, spacing) / 10000.0;
}

PageFill::PageFill(int perPage, int formatSpacing)
    : capacity_(std::max(1, perPage) * Height(100, formatSpacing)) {}

} // namespace zenpa::print
