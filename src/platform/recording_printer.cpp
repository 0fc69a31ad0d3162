#include "platform/recording_printer.h"

namespace zenpa::platform {

RecordingPrinter::RecordingPrinter(std::vector<std::string> names)
    : names_(std::move(names)), current_(names_.empty() ? -1 : 0),
      metrics_(VirtualPrinterMetrics(210, 297)) {}

void RecordingPrinter::SetPaper(int paperCode, int orientation) {
  paperCode_ = paperCode;
  orientation_ = orientation;
}

void RecordingPrinter::ScriptSetupDialog(bool ok, const PrinterMetrics &after) {
  setupOk_ = ok;
  setupMetrics_ = after;
}

bool RecordingPrinter::SetupDialog() {
  if (setupOk_)
    metrics_ = setupMetrics_;
  return setupOk_;
}

bool RecordingPrinter::BeginDoc(const std::string &title) {
  title_ = title;
  pages_.emplace_back();
  return true;
}

void RecordingPrinter::NewPage() { pages_.emplace_back(); }

} // namespace zenpa::platform
