// Layouts on the virtual A4 printer shared by the print tests.
#pragma once

#include "platform/printer.h"
#include "platform/recording_canvas.h"
#include "print/layout.h"

#include <string>
#include <utility>
#include <vector>

namespace zenpa::print::testing {

inline const std::string kBreak = "\f";

// Lays the lines out with the format on virtual A4 paper, measured on a
// recording canvas.
inline LayoutResult LayoutOf(const settings::PrintFormat &format, std::vector<std::string> lines,
                             CellRatio ratio = {}) {
  platform::RecordingCanvas canvas;
  const LayoutInput in{format, platform::VirtualPrinterMetrics(210, 297), ratio, {}, false};
  return RunLayout(PrintedLines(std::move(lines)), in, canvas);
}

} // namespace zenpa::print::testing
