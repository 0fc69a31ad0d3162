#include "print/layout_state.h"

namespace zenpa::print {

void LayoutState::Relayout(const platform::Memo &memo, const settings::PrintFormat &format,
                           const platform::PrinterMetrics &printer, CellRatio cellRatio,
                           const std::vector<std::string> &fonts, platform::Canvas &canvas) {
  LayoutInput in{format, printer, cellRatio, fonts, format.duplex && status_.range.evenPass()};
  in.widths = &widths_;
  layout_ = RunLayout(PrintedLines(memo), in, canvas);
  status_.ShowLayout(format, layout_);
  CaretMoved(memo, format);
}

void LayoutState::CaretMoved(const platform::Memo &memo, const settings::PrintFormat &format) {
  status_.ShowCaret(memo, layout_.pagination, format);
}

} // namespace zenpa::print
