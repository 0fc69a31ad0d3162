#include "print/print_run.h"

#include "base/sjis.h"
#include "base/units.h"
#include "print/marks.h"
#include "print/page_selection.h"
#include "print/render_text.h"

#include <algorithm>

namespace zenpa::print {
namespace {

PageSelection SelectionOf(const settings::PrintFormat &format, const PageRange &range) {
  return {range.startPage(), range.endPage(), format.duplex, format.duplex && range.evenPass()};
}

RunKind KindFor(const settings::PrintFormat &format, RunMode mode) {
  if (mode == RunMode::Print) {
    return format.pouchBinding ? RunKind::Fukurotoji : RunKind::NomalPrint;
  }
  return format.pouchBinding ? RunKind::FukuroView : RunKind::NomalPrView;
}

RunResult Compose(const settings::PrintFormat &format, const PrintDocument &doc,
                  const RunOptions &options, SheetOutput &out) {
  const MarkReader marks(MarkRulesOf(format), doc.fonts);
  const Pagination &p = doc.layout.pagination;
  RenderInput in{format,
                 doc.layout.geometry,
                 marks,
                 doc.lines,
                 doc.cellRatio,
                 p.widestWidth,
                 std::max<std::size_t>(1, p.widestText.size()),
                 {HeaderNameOf(format, doc), doc.date}};
  return RenderRun(in, options, out);
}

// The installed printer, or the file printer the target offers in its place.
platform::Printer *PrinterOf(const PrintTarget &target, bool &declined) {
  if (target.printerInstalled && target.printer != nullptr)
    return target.printer;
  if (!target.filePrinter)
    return nullptr;
  platform::Printer *file = target.filePrinter();
  declined = file == nullptr;
  return file;
}

void Tell(const PrintTarget &target, const std::string &text) {
  if (target.host != nullptr)
    target.host->Message(text);
}

// The print modes: the job on the printer, then the report.
void PrintOnPaper(const settings::PrintFormat &format, PrintStatus &status,
                  const PrintDocument &doc, const RunOptions &options, const PrintTarget &target,
                  PrintWorkResult &result) {
  bool declined = false;
  platform::Printer *printer = PrinterOf(target, declined);
  if (printer == nullptr) {
    if (!declined)
      Tell(target, NoPrinterText());
    return;
  }
  if (!printer->BeginDoc(HeaderNameOf(format, doc))) {
    const platform::JobEnd failure = printer->StartFailure();
    Tell(target, failure.path.empty() ? JobFailedText() : JobUnfinishedText(failure));
    return;
  }
  PrinterSheets sheets(*printer);
  result.sheetsPrinted = Compose(format, doc, options, sheets).sheetsDrawn;
  const platform::JobEnd end = printer->EndDoc();
  if (!end.finished) {
    // The pages never reached their file: say so, never that printing ended.
    const std::string text = JobUnfinishedText(end);
    Tell(target, text);
    status.ShowFailure(text);
    return;
  }
  result.ran = true;
  status.ShowReport(format.duplex, options.selection.evenPass);
}

} // namespace

void PrinterSheets::StartSheet(int) {
  if (started_++ > 0)
    printer_.NewPage();
}

std::string NoPrinterText() { return base::Sj("プリンタがインストールされていません"); }
std::string JobFailedText() { return base::Sj("印刷を開始できませんでした。"); }
std::string JobUnfinishedText(const platform::JobEnd &end) {
  return base::Sj("「") + end.path + base::Sj("」を書き込めませんでした。（") + end.reason +
         base::Sj("）");
}

std::string HeaderNameOf(const settings::PrintFormat &format, const PrintDocument &doc) {
  if (!doc.fileNameOverride.empty())
    return doc.fileNameOverride;
  return HeaderFileName(doc.docFileName, format.printExtension);
}

PrintWorkResult PrintWork(settings::PrintFormat &format, PrintStatus &status,
                          const PrintDocument &doc, RunMode mode, const PrintTarget &target,
                          int wantedSheet) {
  PrintWorkResult result;
  const PageSelection selection = SelectionOf(format, status.range);
  const int pageCount = doc.layout.pagination.pageCount;
  result.sheetCount = CountSheets(selection, pageCount, format.pouchBinding, status.range.copies());
  format.pageNumberStart = NormalizedPageNumberStart(format.pageNumberStart);
  const int last = LastPageOf(selection, pageCount);
  if (last < selection.startPage || !AnyPageSelected(selection, pageCount)) {
    status.ShowRangeError();
    return result;
  }
  RunOptions options{KindFor(format, mode), selection, status.range.copies(), 1};
  if (mode == RunMode::Print) {
    PrintOnPaper(format, status, doc, options, target, result);
    return result;
  }
  if (target.picture == nullptr)
    return result;
  options.wantedSheet = std::clamp(wantedSheet, 1, std::max(1, result.sheetCount));
  PictureSheet sheet(*target.picture);
  Compose(format, doc, options, sheet);
  result.shownSheet = options.wantedSheet;
  result.ran = true;
  return result;
}

bool gooPageXR(settings::PrintFormat &format, const PageGeometry &g) {
  if (g.rightInset <= g.offX)
    return false;
  if (!format.pouchBinding || format.pagesLeftAligned) {
    format.evenPageShift = 0;
    return true;
  }
  format.evenPageShift = base::PixToMm(g.rightInset - g.offX, g.dpi);
  if (g.rightInset > format.leftMargin) {
    format.leftMargin = base::MmToPix(base::PixToMm(g.rightInset, g.dpi), g.dpi);
  }
  return true;
}

PrintButtonAction PrintButton(bool enlargedTextOn) {
  PrintButtonAction a;
  if (enlargedTextOn) {
    a.turnOffEnlargedView = true;
    return a;
  }
  a.showPreviewAdjust = true;
  a.dropStayOnTop = true;
  a.runPrint = true;
  return a;
}

namespace {

// A paper-edge cut follows a change of paper so that the usable size stays.
int AdjustedCut(int cut, int oldSize, int newSize) {
  if (cut == 0)
    return 0;
  return std::max(0, newSize + cut - oldSize);
}

std::string OffsetText(const platform::PrinterMetrics &m) {
  const int right = m.paperW - m.printableW - m.offX;
  const int bottom = m.paperH - m.printableH - m.offY;
  return base::Sj("オフセット 下 ") + base::pix2mmfl(bottom, m.dpiY) + base::Sj("  右 ") +
         base::pix2mmfl(right, m.dpiX) + base::Sj(" mm");
}

} // namespace

PrinterSetupResult PrinterSetup(settings::PrintFormat &format, platform::Printer &printer) {
  PrinterSetupResult r;
  if (printer.CurrentIndex() < 0)
    return r;
  const platform::PrinterMetrics before = printer.Metrics();
  const int oldW = base::PixToMm(before.paperW, before.dpiX);
  const int oldH = base::PixToMm(before.paperH, before.dpiY);
  r.dialogShown = true;
  r.accepted = printer.SetupDialog();
  if (!r.accepted)
    return r;
  const platform::PrinterMetrics m = printer.Metrics();
  r.paperWidthMm = base::PixToMm(m.paperW, m.dpiX);
  r.paperHeightMm = base::PixToMm(m.paperH, m.dpiY);
  format.evenPageShift = 0;
  format.paperRight = AdjustedCut(format.paperRight, oldW, r.paperWidthMm);
  format.paperBottom = AdjustedCut(format.paperBottom, oldH, r.paperHeightMm);
  r.printerName = printer.PrinterNames().at(static_cast<std::size_t>(printer.CurrentIndex()));
  format.leftMargin = std::max(format.leftMargin, m.offX);
  format.topMargin = std::max(format.topMargin, m.offY);
  r.offsetText = OffsetText(m);
  r.offsetVisible = m.paperW - m.printableW - m.offX > 0 && m.paperH - m.printableH - m.offY > 0;
  const PageGeometry g = ComputeGeometry(format, m, 1);
  if ((format.duplex || format.pouchBinding) && g.rightInset > g.offX) {
    r.evenShiftRan = gooPageXR(format, g);
  }
  return r;
}

} // namespace zenpa::print
