// Page rendering: one drawing procedure for the four runs of the print
// engine, the normal and the pouch binding preview (NomalPrView,
// FukuroView) and the normal and pouch binding print (NomalPrint,
// Fukurotoji).
//
// A run composes the whole document from page 1 for each copy: the header,
// the text lines with their marks (size, colour, font, indent, spacing),
// the reduced puzzle title, clue and how-to-play lines, paired half-width
// characters, and the bottom or right page number. Only selected pages are
// drawn; a preview run draws only the sheet it is asked for. Positions are
// computed from the physical paper corner; print runs draw them shifted by
// the printable corner (OffX, OffY), which is the printer canvas's origin.
// Lengths are printer pixels.
#pragma once

#include "platform/canvas.h"
#include "print/layout_geometry.h"
#include "print/marks.h"
#include "print/page_selection.h"
#include "print/pagination.h"
#include "print/render_text.h"
#include "settings/print_format.h"

#include <cstddef>

namespace zenpa::print {

enum class RunKind { NomalPrView, FukuroView, NomalPrint, Fukurotoji };

constexpr bool IsPreviewRun(RunKind k) {
  return k == RunKind::NomalPrView || k == RunKind::FukuroView;
}
constexpr bool IsPouchRun(RunKind k) {
  return k == RunKind::FukuroView || k == RunKind::Fukurotoji;
}

// Where the sheets of a run go.
class SheetOutput {
public:
  virtual ~SheetOutput() = default;
  // Sheet n (from 1, counted over all copies) begins; the sheets drawn
  // before it are complete.
  virtual void StartSheet(int sheet) = 0;
  // The canvas of the sheet begun last.
  virtual platform::Canvas &SheetCanvas() = 0;
};

// What a run draws from.
struct RenderInput {
  const settings::PrintFormat &format;
  const PageGeometry &geometry;
  const MarkReader &marks;
  const PrintedLines &lines;
  CellRatio ratio;
  int widestWidth = 0;         // widest printed line, from the pagination
  std::size_t widestBytes = 1; // its length in bytes
  HeaderSource header;
};

struct RunOptions {
  RunKind kind = RunKind::NomalPrView;
  PageSelection selection;
  int copies = 1;
  int wantedSheet = 1; // preview runs: the sheet that is drawn
};

struct RunResult {
  int pages = 0;       // pages composed in the last copy
  int sheetsDrawn = 0; // sheets handed to the output
};

RunResult RenderRun(const RenderInput &in, const RunOptions &run, SheetOutput &out);

} // namespace zenpa::print
