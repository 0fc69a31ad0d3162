// Lines wider than the paper, cut into pieces that fit it, as an editor as
// wide as the paper wraps them: the command line prints every character
// instead of clipping the tails of long lines at the paper's right edge.
//
// Widths are measured at the format's font with its character spacing; a
// line under a size mark has the room the mark's size leaves it. Mark and
// page-break lines stay whole. Texts are Shift-JIS.
#pragma once

#include <string>
#include <vector>

#include "platform/canvas.h"
#include "print/layout.h"
#include "print/marks.h"

namespace zenpa::print {

// Pixels a line may take from the left margin to the printable right edge.
int TextRoom(const settings::PrintFormat &format, const LayoutResult &layout);

struct PaperWrap {
  std::vector<std::string> lines; // the document with its wide lines wrapped
  int wideLines = 0;              // lines that were wider than the room
};

// canvas: measures like the printer, its font is restored afterwards.
PaperWrap WrapToPaper(const std::vector<std::string> &lines, const settings::PrintFormat &format,
                      const LayoutResult &layout, const MarkReader &marks,
                      platform::Canvas &canvas);

} // namespace zenpa::print
