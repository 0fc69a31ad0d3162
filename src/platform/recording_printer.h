// RecordingPrinter: a Printer for tests and for laying out without a
// desktop. It reports the metrics it is given (by default the virtual
// 360-dpi printer with A4 portrait paper) and keeps each printed page as a
// RecordingCanvas. With no names it stands for "no printer installed".
#pragma once

#include "platform/printer.h"
#include "platform/recording_canvas.h"

#include <deque>
#include <string>
#include <vector>

namespace zenpa::platform {

class RecordingPrinter : public Printer {
public:
  explicit RecordingPrinter(std::vector<std::string> names = {});

  std::vector<std::string> PrinterNames() const override { return names_; }
  int CurrentIndex() const override { return current_; }
  void SetCurrentIndex(int index) override { current_ = index; }

  PrinterMetrics Metrics() const override { return metrics_; }
  int PaperCode() const override { return paperCode_; }
  int Orientation() const override { return orientation_; }
  void SetPaper(int paperCode, int orientation) override;
  bool SetupDialog() override;

  bool BeginDoc(const std::string &title) override;
  void NewPage() override;
  JobEnd EndDoc() override {
    ++jobsEnded_;
    return jobEnd_;
  }
  Canvas &PageCanvas() override { return pages_.back(); }

  void SetMetrics(const PrinterMetrics &metrics) { metrics_ = metrics; }
  // The answer of the next setup dialog, and the metrics it leaves.
  void ScriptSetupDialog(bool ok, const PrinterMetrics &after);
  // What every later job's end reports.
  void ScriptJobEnd(JobEnd end) { jobEnd_ = std::move(end); }

  const std::string &Title() const { return title_; }
  // Pages of all jobs, in order (a deque keeps PageCanvas references valid).
  const std::deque<RecordingCanvas> &Pages() const { return pages_; }
  int JobsEnded() const { return jobsEnded_; }

private:
  std::vector<std::string> names_;
  int current_ = -1;
  PrinterMetrics metrics_;
  int paperCode_ = 9;
  int orientation_ = kPortrait;
  bool setupOk_ = false;
  PrinterMetrics setupMetrics_;
  std::string title_;
  std::deque<RecordingCanvas> pages_;
  int jobsEnded_ = 0;
  JobEnd jobEnd_;
};

} // namespace zenpa::platform
