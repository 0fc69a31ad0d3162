// The print button (Button1 "印　刷") and printer setup (Button2
// "プリンタ設定") over the program's format, layout status and printer. The
// window's session and `zenpa print` both lay out and print a document
// through one PrintDesk.
//
// Without an installed printer the print button writes the pages to a PDF
// file the user names in a save dialog: the file printer lays out like the
// virtual 360-dpi printer the layout used, so the file shows what was laid
// out. Printer setup then has no dialog to show and says so. Texts are
// Shift-JIS; file names are the file system's bytes.
#pragma once

#include "platform/host.h"
#include "platform/memo.h"
#include "platform/printer.h"
#include "print/layout_state.h"
#include "print/print_run.h"
#include "print/print_status.h"
#include "settings/print_format.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zenpa::print {

// Opens a printer whose job becomes the PDF file at path.
using PdfPrinterFactory = std::function<std::unique_ptr<platform::Printer>(const std::string &)>;

// The save dialog for the PDF written in place of a printer: the
// document's name with the extension ".pdf".
platform::FileDialog PdfFileDialog(const std::string &docFileName);

// The document as it is laid out and printed.
struct PrintSource {
  const platform::Memo &memo;
  CellRatio cellRatio;                   // of the editor font
  const std::vector<std::string> &fonts; // installed faces, sorted, for font marks
  std::string docFileName;               // DocFileName
};

// The print state of one document: its format, the layout kept between
// changes with the settings panel's status, the printer and the host for
// messages and the PDF file dialog.
struct PrintDesk {
  settings::PrintFormat &format;
  LayoutState &layout;
  platform::Printer &printer; // the installed printer, or the no-printer stand-in
  bool hasPrinter = false;    // HasPrinter
  platform::Host &host;
  PdfPrinterFactory pdfPrinter; // unset: no PDF in place of a printer

  // Lays the document out again on the canvas, which measures like the
  // printer (none: the last layout stays). Without a printer the program's
  // paper is the format's.
  void Relayout(const PrintSource &source, platform::Canvas *canvas);
  // The print button's run over the last layout: PrintWork in print mode on
  // the printer, or on a PDF file when none is installed. The file printer
  // takes the paper of the no-printer stand-in.
  PrintWorkResult Print(const PrintSource &source);
  // A preview run over the last layout: the wanted sheet on the canvas, in
  // paper coordinates.
  PrintWorkResult Preview(const PrintSource &source, RunMode mode, platform::Canvas &canvas,
                          int wantedSheet);
  // Printer setup; without a printer only the no-printer message.
  PrinterSetupResult PrinterSetup();
};

} // namespace zenpa::print
