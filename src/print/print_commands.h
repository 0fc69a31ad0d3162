// The print button (Button1 "印　刷") and printer setup (Button2
// "プリンタ設定") as the main window runs them over the program's format,
// layout status and printer.
//
// Without an installed printer the print button writes the pages to a PDF
// file the user names in a save dialog: the file printer lays out like the
// virtual 360-dpi printer the layout used, so the file shows what was laid
// out. Printer setup then has no dialog to show and says so. Texts are
// Shift-JIS; file names are the file system's bytes.
#pragma once

#include "platform/host.h"
#include "platform/printer.h"
#include "print/print_run.h"
#include "print/print_status.h"
#include "settings/print_format.h"

#include <functional>
#include <memory>
#include <string>

namespace zenpa::print {

// Opens a printer whose job becomes the PDF file at path.
using PdfPrinterFactory = std::function<std::unique_ptr<platform::Printer>(const std::string &)>;

struct PrintCommandInput {
  settings::PrintFormat &format;
  PrintStatus &status;
  const PrintDocument &doc;
  platform::Printer &printer; // the installed printer, or the no-printer stand-in
  bool hasPrinter = false;    // HasPrinter
  platform::Host &host;
  PdfPrinterFactory pdfPrinter; // unset: no PDF in place of a printer
};

// The save dialog for the PDF written in place of a printer: the
// document's name with the extension ".pdf".
platform::FileDialog PdfFileDialog(const std::string &docFileName);

// PrintWork in print mode on the printer, or on a PDF file when none is
// installed. The file printer takes the paper of the no-printer stand-in.
PrintWorkResult PrintCommand(const PrintCommandInput &in);

// Printer setup; without a printer only the no-printer message.
PrinterSetupResult PrinterSetupCommand(settings::PrintFormat &format, PrintStatus &status,
                                       platform::Printer &printer, bool hasPrinter,
                                       platform::Host &host);

} // namespace zenpa::print
