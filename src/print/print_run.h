// Print runs: PrintWork (the common entry of preview and print), the sheet
// outputs of the printer and of the preview picture, the even-page shift
// (gooPageXR), the print button (Button1 "印　刷") and printer setup
// (Button2 "プリンタ設定").
//
// PrintWork checks the page range, picks the run (NomalPrint or Fukurotoji
// on paper, NomalPrView or FukuroView in the preview), drives the printer
// job and reports on the settings panel. Lengths are printer pixels unless
// a name says mm; texts are Shift-JIS.
#pragma once

#include "platform/canvas.h"
#include "platform/host.h"
#include "platform/printer.h"
#include "print/layout.h"
#include "print/pagination.h"
#include "print/print_status.h"
#include "print/render.h"
#include "settings/print_format.h"

#include <functional>
#include <string>
#include <vector>

namespace zenpa::print {

// 0 print, 1 preview opened by its button, 2 preview following changes,
// 3 preview laid out again after a printer or paper change.
enum class RunMode { Print = 0, Preview = 1, PreviewFollowing = 2, PreviewRelayout = 3 };

// Sheets go to the printer: each sheet after the first starts a new page.
class PrinterSheets : public SheetOutput {
public:
  explicit PrinterSheets(platform::Printer &printer) : printer_(printer) {}
  void StartSheet(int sheet) override;
  platform::Canvas &SheetCanvas() override { return printer_.PageCanvas(); }

private:
  platform::Printer &printer_;
  int started_ = 0;
};

// The preview's one sheet, on a picture in paper coordinates.
class PictureSheet : public SheetOutput {
public:
  explicit PictureSheet(platform::Canvas &canvas) : canvas_(canvas) {}
  void StartSheet(int) override {}
  platform::Canvas &SheetCanvas() override { return canvas_; }

private:
  platform::Canvas &canvas_;
};

// What PrintWork works from besides the format and the panel.
struct PrintDocument {
  const PrintedLines &lines;
  const LayoutResult &layout;     // of the current layout run
  CellRatio cellRatio;            // of the editor font
  std::vector<std::string> fonts; // installed faces, sorted, for font marks
  std::string docFileName;        // DocFileName
  std::string fileNameOverride;   // the hidden override field, when visible
  std::string date;               // short date for headers
};

// Where a run goes.
struct PrintTarget {
  platform::Printer *printer = nullptr; // print mode
  bool printerInstalled = false;        // HasPrinter, or a file printer (PDF)
  platform::Canvas *picture = nullptr;  // preview modes: the sheet picture
  platform::Host *host = nullptr;       // for the no-printer and job messages
  // Print mode without an installed printer: asked, once the page range has
  // passed its check, for a printer that writes a file; null when the user
  // declines. Unset: the no-printer message.
  std::function<platform::Printer *()> filePrinter;
};

struct PrintWorkResult {
  bool ran = false;      // a run was made
  int sheetCount = 0;    // sheets of the selection, all copies
  int shownSheet = 0;    // preview: the sheet drawn (lowered to sheetCount)
  int sheetsPrinted = 0; // print: sheets sent to the printer
};

// The name headers print for the document.
std::string HeaderNameOf(const settings::PrintFormat &format, const PrintDocument &doc);

// "プリンタがインストールされていません"
std::string NoPrinterText();
// Shown when the printer refuses to start the job.
std::string JobFailedText();
// Shown when the job's file could not be finished: "「PATH」を書き込めませんでした。（REASON）".
// The previous file at PATH is left as it was.
std::string JobUnfinishedText(const platform::JobEnd &end);

// PrintWork. Rewrites pageNumberStart in its padded form; reports the range
// error, the end of printing or a job that could not be finished on the
// status. An unfinished job is no run: it is told through the host too.
PrintWorkResult PrintWork(settings::PrintFormat &format, PrintStatus &status,
                          const PrintDocument &doc, RunMode mode, const PrintTarget &target,
                          int wantedSheet = 1);

// The even-page shift: with pouch binding and pages not left-aligned,
// evenPageShift becomes the right inset beyond the left offset (mm) and the
// left margin is raised to the right inset; otherwise evenPageShift is 0.
// Runs only when the right inset exceeds the left offset; true when it ran.
bool gooPageXR(settings::PrintFormat &format, const PageGeometry &geometry);

// What the print button does.
struct PrintButtonAction {
  bool turnOffEnlargedView = false; // the only effect while the enlarged view is on
  bool showPreviewAdjust = false;   // the preview's "調整" button becomes visible
  bool dropStayOnTop = false;       // the main window leaves the top position
  bool runPrint = false;            // PrintWork in print mode
};
PrintButtonAction PrintButton(bool enlargedTextOn);

// Printer setup.
struct PrinterSetupResult {
  bool dialogShown = false;
  bool accepted = false;
  std::string printerName;
  int paperWidthMm = 0; // the program's own paper setting afterwards
  int paperHeightMm = 0;
  std::string offsetText; // "オフセット 下 B  右 R mm"
  bool offsetVisible = false;
  bool evenShiftRan = false;
};
PrinterSetupResult PrinterSetup(settings::PrintFormat &format, platform::Printer &printer);

} // namespace zenpa::print
