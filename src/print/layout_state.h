// The layout the program keeps between document changes: the last layout
// run, the settings panel's status model and the line widths measured so
// far. Relayout runs Check and SetPrn and refreshes the caret status
// (LineColumnView); CaretMoved refreshes the caret status alone.
#pragma once

#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/memo.h"
#include "platform/printer.h"
#include "print/layout.h"
#include "print/print_status.h"

namespace zenpa::print {

class LayoutState {
public:
  // printer: the printer's metrics, or the virtual printer's; canvas
  // measures like the printer; fonts: installed faces, sorted.
  void Relayout(const platform::Memo &memo, const settings::PrintFormat &format,
                const platform::PrinterMetrics &printer, CellRatio cellRatio,
                const std::vector<std::string> &fonts, platform::Canvas &canvas);
  void CaretMoved(const platform::Memo &memo, const settings::PrintFormat &format);
  // Another printer or canvas measures differently.
  void ForgetWidths() { widths_.Clear(); }

  const LayoutResult &Layout() const { return layout_; }
  PrintStatus &Status() { return status_; }
  const PrintStatus &Status() const { return status_; }

private:
  LayoutResult layout_;
  PrintStatus status_;
  LineWidthCache widths_;
};

} // namespace zenpa::print
