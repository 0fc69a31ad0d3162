#include "print/print_commands.h"

#include "base/paths.h"
#include "base/sjis.h"

#include <optional>

namespace zenpa::print {

platform::FileDialog PdfFileDialog(const std::string &docFileName) {
  platform::FileDialog d;
  d.title = base::Sj("PDFファイルに印刷");
  d.filter = base::Sj("PDFファイル(*.pdf)|*.pdf");
  d.defaultExt = "pdf";
  const std::string path = base::FullPathOf(docFileName);
  d.initialDir = base::ExtractFileDir(path);
  d.fileName = base::ExtractFileName(base::ChangeFileExt(path, ".pdf"));
  return d;
}

PrintWorkResult PrintCommand(const PrintCommandInput &in) {
  std::unique_ptr<platform::Printer> file;
  PrintTarget target{&in.printer, in.hasPrinter, nullptr, &in.host, {}};
  if (!in.hasPrinter && in.pdfPrinter) {
    target.filePrinter = [&]() -> platform::Printer * {
      const std::optional<std::string> path =
          in.host.SaveFileName(PdfFileDialog(in.doc.docFileName));
      if (!path)
        return nullptr;
      file = in.pdfPrinter(*path);
      file->SetPaper(in.printer.PaperCode(), in.printer.Orientation());
      return file.get();
    };
  }
  return PrintWork(in.format, in.status, in.doc, RunMode::Print, target);
}

PrinterSetupResult PrinterSetupCommand(settings::PrintFormat &format, PrintStatus &status,
                                       platform::Printer &printer, bool hasPrinter,
                                       platform::Host &host) {
  if (!hasPrinter) {
    host.Message(NoPrinterText());
    return {};
  }
  PrinterSetupResult r = PrinterSetup(format, printer);
  if (r.accepted)
    status.ShowPrinterOffsets(r.offsetText, r.offsetVisible);
  return r;
}

} // namespace zenpa::print
