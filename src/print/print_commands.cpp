#include "print/print_commands.h"

#include "base/paths.h"
#include "base/sjis.h"
#include "print/render_text.h"

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

void PrintDesk::Relayout(const PrintSource &source, platform::Canvas *canvas) {
  if (!hasPrinter)
    printer.SetPaper(format.paperSize, format.orientation);
  if (canvas)
    layout.Relayout(source.memo, format, printer.Metrics(), source.cellRatio, source.fonts,
                    *canvas);
}

namespace {

PrintDocument DocumentOf(const PrintSource &source, const PrintedLines &lines,
                         const LayoutState &layout) {
  return {lines, layout.Layout(), source.cellRatio, source.fonts, source.docFileName,
          "",    TodayShortDate()};
}

} // namespace

PrintWorkResult PrintDesk::Preview(const PrintSource &source, RunMode mode,
                                   platform::Canvas &canvas, int wantedSheet) {
  const PrintedLines lines(source.memo);
  PrintTarget target;
  target.picture = &canvas;
  target.host = &host;
  return PrintWork(format, layout.Status(), DocumentOf(source, lines, layout), mode, target,
                   wantedSheet);
}

PrintWorkResult PrintDesk::Print(const PrintSource &source) {
  const PrintedLines lines(source.memo);
  const PrintDocument doc = DocumentOf(source, lines, layout);
  std::unique_ptr<platform::Printer> file;
  PrintTarget target{&printer, hasPrinter, nullptr, &host, {}};
  if (!hasPrinter && pdfPrinter) {
    target.filePrinter = [&]() -> platform::Printer * {
      const std::optional<std::string> path = host.SaveFileName(PdfFileDialog(doc.docFileName));
      if (!path)
        return nullptr;
      file = pdfPrinter(*path);
      file->SetPaper(printer.PaperCode(), printer.Orientation());
      return file.get();
    };
  }
  return PrintWork(format, layout.Status(), doc, RunMode::Print, target);
}

PrinterSetupResult PrintDesk::PrinterSetup() {
  if (!hasPrinter) {
    host.Message(NoPrinterText());
    return {};
  }
  PrinterSetupResult r = print::PrinterSetup(format, printer);
  if (r.accepted)
    layout.Status().ShowPrinterOffsets(r.offsetText, r.offsetVisible);
  return r;
}

} // namespace zenpa::print
