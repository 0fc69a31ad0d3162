#include "cli/print_command.h"

#include "base/file_io.h"
#include "base/paths.h"
#include "base/sjis.h"
#include "cli/stderr_host.h"
#include "platform/font_catalog.h"
#include "platform/text_memo.h"
#include "print/paper_wrap.h"
#include "print/print_commands.h"
#include "print/print_status.h"
#include "settings/format_file.h"
#include "ui/main/editor_font.h"
#include "ui/qt/pdf_printer.h"
#include "ui/qt/qt_canvas.h"
#include "ui/qt/qt_font_catalog.h"
#include "ui/qt/qt_printer.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zenpa::cli {
namespace {

constexpr const char *kUsage =
    "Usage: zenpa print FILE [--format FILE.zpf] [--pdf OUT.pdf] [--pages A-B]\n"
    "                        [--copies N] [--odd|--even] [--no-wrap]\n\n"
    "Lays out the Shift-JIS text FILE with its format file (FILE with the\n"
    "extension .zpf, when it exists) and writes a PDF, or prints on the\n"
    "default printer when --pdf is not given. Lines wider than the paper are\n"
    "wrapped at its right edge, and the layout's warnings go to standard error.\n\n"
    "  --format F   use the format file F instead\n"
    "  --pdf OUT    write the pages to the PDF file OUT\n"
    "  --pages A-B  pages A to B (\"A-\" for A to the end, \"A\" for A alone), 1..999\n"
    "  --copies N   collated copies, 1..999 (default 1)\n"
    "  --odd        odd pages only (first pass of manual two-sided printing)\n"
    "  --even       even pages only, laid out as back pages\n"
    "  --no-wrap    cut lines wider than the paper at its right edge instead\n";

struct PrintRequest {
  std::string document;
  std::string format;
  std::string pdf;
  print::PageSelection selection;
  int copies = 1;
  bool wrap = true;
  bool help = false;
};

void Fail(const std::string &utf8) { std::fprintf(stderr, "zenpa print: %s\n", utf8.c_str()); }

// What a bad option value is told: what the option takes, as the sudoku
// options say it.
std::string BadValue(const std::string &name, const std::string &value) {
  const std::string most = std::to_string(print::kMaxPageField);
  if (name == "--pages")
    return "--pages needs A-B, A- or A, pages from 1 to " + most + ": " + value;
  if (name == "--copies")
    return "--copies needs a whole number from 1 to " + most + ": " + value;
  return "bad value for " + name + ": " + value;
}

std::optional<int> Number(const std::string &text, int lo, int hi) {
  if (text.empty() || text.size() > 9 ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  const int v = std::stoi(text);
  return v >= lo && v <= hi ? std::optional<int>(v) : std::nullopt;
}

// "A-B", "A-" or "A": pages A to B, A to the end, or A alone.
bool ParsePages(const std::string &text, print::PageSelection &s) {
  const auto dash = text.find('-');
  const auto first = Number(text.substr(0, dash), 1, print::kMaxPageField);
  if (!first) {
    return false;
  }
  s.startPage = *first;
  if (dash == std::string::npos) {
    s.endPage = *first;
    return true;
  }
  const std::string rest = text.substr(dash + 1);
  const auto last =
      rest.empty() ? std::optional<int>(0) : Number(rest, *first, print::kMaxPageField);
  s.endPage = last.value_or(0);
  return last.has_value();
}

bool TakeOption(const Args &args, std::size_t &i, PrintRequest &r) {
  const std::string &name = args[i];
  if (name == "--no-wrap") {
    r.wrap = false;
    return true;
  }
  if (name == "--odd" || name == "--even") {
    r.selection.duplex = true;
    r.selection.evenPass = name == "--even";
    return true;
  }
  if (i + 1 >= args.size()) {
    Fail(name + " needs a value");
    return false;
  }
  const std::string &value = args[++i];
  if (name == "--format" || name == "--pdf") {
    (name == "--format" ? r.format : r.pdf) = value;
    return true;
  }
  if (name == "--pages" && ParsePages(value, r.selection)) {
    return true;
  }
  if (name == "--copies") {
    r.copies = Number(value, 1, print::kMaxPageField).value_or(0);
    if (r.copies > 0) {
      return true;
    }
  }
  Fail(BadValue(name, value));
  return false;
}

std::optional<PrintRequest> ParseArgs(const Args &args) {
  PrintRequest r;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string &a = args[i];
    if (a == "--help" || a == "-h") {
      r.help = true;
    } else if (a.starts_with("--")) {
      if (!TakeOption(args, i, r)) {
        return std::nullopt;
      }
    } else if (r.document.empty()) {
      r.document = a;
    } else {
      Fail("more than one document: " + a);
      return std::nullopt;
    }
  }
  if (r.document.empty() && !r.help) {
    Fail("no document given");
    return std::nullopt;
  }
  return r;
}

// Reads the lines of a format file; the system's reason when it cannot. A
// file that is no regular file is not opened: a FIFO would never end.
std::optional<std::string> ReadFormatFile(const std::string &path,
                                          std::vector<std::string> &lines) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
    return S_ISDIR(st.st_mode) ? std::strerror(EISDIR) : "not a regular file";
  if (const base::IoResult read = base::ReadLines(path, lines); !read.ok)
    return std::strerror(read.errorNumber);
  return std::nullopt;
}

// The document's own format file, or the one named; false when a named file
// cannot be read or stops at a bad line. The document's own file, when it
// exists but cannot be read, is named with the reason and the print goes on
// with the default layout, as in the window.
bool LoadFormat(const PrintRequest &r, settings::PrintFormat &format,
                const platform::FontCatalog &fonts, const settings::FormatEnvironment &env) {
  const bool named = !r.format.empty();
  const std::string path = named ? r.format : base::ChangeFileExt(r.document, ".zpf");
  const bool exists = ::access(path.c_str(), F_OK) == 0;
  std::vector<std::string> lines;
  if (const auto fault = ReadFormatFile(path, lines)) {
    const std::string why = "cannot read the format file " + base::SjisToUtf8(path) + ": " + *fault;
    if (named)
      Fail(why);
    else if (exists)
      Fail(why + "; printing with the default layout");
    return !named;
  }
  settings::LoadContext ctx;
  ctx.programDir = base::ExtractFileDir(base::FullPathOf(path)) + "/";
  ctx.fonts = &fonts;
  ctx.env = env;
  const settings::LoadResult result = settings::ApplyFormatLines(format, lines, ctx);
  if (result.outcome == settings::LoadOutcome::Stopped) {
    Fail(base::SjisToUtf8(path) + " line " + std::to_string(result.line) + ": " +
         MessageUtf8(result.message));
    return false;
  }
  return true;
}

struct Job {
  settings::PrintFormat format;
  std::vector<std::string> lines;
  std::vector<std::string> faces;
};

// The page range and copies the options ask for, as the panel's fields hold them.
void SetRange(const PrintRequest &r, print::PageRange &range) {
  range.SetStartPage(r.selection.startPage);
  range.SetEndPage(r.selection.endPage);
  range.SetCopies(r.copies);
  range.SetEvenPass(r.selection.evenPass);
}

// Lines wider than the paper: wrapped to fit it, or with --no-wrap left to
// be cut at its right edge; either way counted on standard error. The paper
// is known from a layout of the still empty document.
void FitToPaper(const PrintRequest &r, Job &job, print::PrintDesk &desk,
                const print::PrintSource &source, platform::Canvas &measure) {
  desk.Relayout(source, &measure);
  const print::MarkReader marks(print::MarkRulesOf(job.format), job.faces);
  print::PaperWrap wrap =
      print::WrapToPaper(job.lines, job.format, desk.layout.Layout(), marks, measure);
  if (wrap.wideLines > 0) {
    const std::string count = std::to_string(wrap.wideLines);
    Fail(count + (r.wrap ? " lines wider than the paper were wrapped"
                         : " lines wider than the paper were cut at its right edge"));
  }
  if (r.wrap)
    job.lines = std::move(wrap.lines);
}

// The warnings the settings panel shows beside the layout.
void ReportLayoutWarnings(const print::LayoutLabels &labels) {
  if (labels.tooWide)
    Fail(base::SjisToUtf8(print::TooWideText()));
  if (labels.tooLong)
    Fail(base::SjisToUtf8(print::TooLongText()));
  if (labels.printsAtMaxLines)
    Fail(base::SjisToUtf8(print::PrintsAtMaxLinesText()));
}

// Lays the document out and prints it through the window's print button: the
// printed cell takes the proportions of the editor's starting font, and the
// format's paper is the printer's.
int PrintDocument(const PrintRequest &r, Job &job, const platform::FontCatalog &fonts,
                  platform::Printer &printer) {
  printer.SetPaper(job.format.paperSize, job.format.orientation);
  QImage scratch(1, 1, QImage::Format_RGB32);
  QPainter painter(&scratch);
  ui::QtCanvas measure(painter, {}, &fonts);
  platform::TextMemo memo;
  const print::PrintSource source{memo, ui::StartEditorCellRatio(fonts), job.faces, r.document};
  print::LayoutState layout;
  SetRange(r, layout.Status().range);
  StderrHost host("zenpa print: ");
  print::PrintDesk desk{job.format, layout, printer, true, host, {}};
  FitToPaper(r, job, desk, source, measure);
  memo.SetLines(std::move(job.lines));
  desk.Relayout(source, &measure);
  ReportLayoutWarnings(layout.Status().labels());
  const int pages = layout.Layout().pagination.pageCount;
  host.SetNote("the document has " + std::to_string(pages) + " pages");
  const print::PrintWorkResult result = desk.Print(source);
  if (!result.ran) {
    // A range that selects no page shows its error on the panel, not as a message.
    if (host.MessagesShown() == 0)
      host.Message(layout.Status().endPageLabel());
    return 1;
  }
  std::printf("%d sheets of %d pages\n", result.sheetsPrinted, pages);
  return 0;
}

std::unique_ptr<platform::Printer> PrinterFor(const PrintRequest &r,
                                              const platform::FontCatalog &fonts) {
  if (r.pdf.empty())
    return std::make_unique<ui::QtPrinter>(&fonts);
  return std::make_unique<ui::PdfPrinter>(r.pdf, &fonts);
}

// The format's margins are held in the pixels of the printer it prints on.
int Print(const PrintRequest &r) {
  Job job;
  base::LineEnd lineEnd = base::LineEnd::CrLf;
  if (const base::IoResult read = base::ReadTextLines(r.document, job.lines, lineEnd); !read.ok) {
    Fail("cannot read " + base::SjisToUtf8(r.document) + ": " + std::strerror(read.errorNumber));
    return 1;
  }
  const ui::QtFontCatalog fonts;
  job.faces = fonts.JapaneseFaces();
  const std::unique_ptr<platform::Printer> printer = PrinterFor(r, fonts);
  const settings::FormatEnvironment env = settings::EnvironmentOf(printer->Metrics());
  job.format = settings::StartFormat(env);
  if (!LoadFormat(r, job.format, fonts, env)) {
    return 1;
  }
  if (r.selection.duplex) {
    job.format.duplex = true;
    job.format.pouchBinding = false;
  }
  if (r.pdf.empty() && printer->CurrentIndex() < 0) {
    Fail(base::SjisToUtf8(print::NoPrinterText()));
    return 1;
  }
  return PrintDocument(r, job, fonts, *printer);
}

// Qt's own notes (a missing runtime folder, a font substituted) are no
// business of a command-line user: the command says itself what failed.
void QuietQt(QtMsgType type, const QMessageLogContext &, const QString &text) {
  if (type == QtCriticalMsg || type == QtFatalMsg)
    Fail(text.toStdString());
}

// Every page takes and frees the same large buffers (its content, zlib's
// tables); freed memory stays with the process instead of going back to the
// system, so that the next page does not fault it in afresh.
void KeepFreedMemory() {
  constexpr int kMb = 1 << 20;
  mallopt(M_MMAP_THRESHOLD, 32 * kMb);
  mallopt(M_TRIM_THRESHOLD, 64 * kMb);
}

} // namespace

int RunPrint(const Args &args, StandardOutput &) {
  const std::optional<PrintRequest> request = ParseArgs(args);
  if (!request) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  if (request->help) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  KeepFreedMemory();
  qInstallMessageHandler(QuietQt);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  int argc = 1;
  char name[] = "zenpa";
  char *argv[] = {name, nullptr};
  QGuiApplication app(argc, argv);
  return Print(*request);
}

} // namespace zenpa::cli
