// Keystroke to updated preview sheet: the real main window and preview
// window under the offscreen platform, a 20,000-line document (the text of
// bench/make_bench_text.sh, read from ZENPA_BENCH_SJIS, default
// /tmp/zenpa_bench/bench_sjis.txt) at 40 lines a page, "調整" pressed,
// sheet 1 or sheet 400 shown. Each iteration sends one key press to the editor (a letter, then a
// backspace, so the document stays as it was) and lets the events run until
// the preview has composed its sheet again: the time covers the layout of
// the whole document and the composition of the sheet.
#include <benchmark/benchmark.h>

#include "platform/recording_printer.h"
#include "print/preview.h"
#include "ui/main/main_window.h"
#include "ui/print/preview_window.h"
#include "ui/qt/qt_font_catalog.h"
#include "ui/qt/qt_host.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

namespace {

using namespace zenpa;

// The window on the benchmark document with the preview following changes.
class PreviewRig {
public:
  explicit PreviewRig(const std::string &doc)
      : window_(host_, printer_, fonts_, std::filesystem::temp_directory_path().string() + "/") {
    window_.Start({doc});
    window_.show();
    // 40 lines a page give the text more than 400 pages.
    window_.session().Format().format.linesPerPage = 40;
    window_.session().Relayout();
    window_.statusBar()->findChild<QPushButton *>("Button28")->click();
    preview().findChild<QPushButton *>("Button7")->click();
    QObject::connect(&preview(), &ui::PreviewWindow::composed, [this] { composed_ = true; });
    editor_ = window_.findChild<QPlainTextEdit *>("Memo1");
  }

  ui::PreviewWindow &preview() { return window_.Preview(); }

  void ShowSheet(int sheet) {
    print::Preview &state = window_.session().PreviewState();
    state.First();
    for (int i = 1; i < sheet; ++i)
      state.Next();
    preview().Compose();
  }
  int SheetShown() { return window_.session().PreviewState().WantedSheet(); }
  int SheetCount() { return window_.session().PreviewState().SheetCount(); }

  // One key press in the editor, until the preview has composed again.
  void Keystroke(bool erase) {
    composed_ = false;
    QKeyEvent press(QEvent::KeyPress, erase ? Qt::Key_Backspace : Qt::Key_A, Qt::NoModifier,
                    erase ? QString() : QStringLiteral("a"));
    QCoreApplication::sendEvent(editor_, &press);
    while (!composed_)
      QCoreApplication::processEvents(QEventLoop::AllEvents);
  }

private:
  ui::QtHost host_;
  platform::RecordingPrinter printer_;
  ui::QtFontCatalog fonts_;
  ui::MainWindow window_;
  QPlainTextEdit *editor_ = nullptr;
  bool composed_ = false;
};

std::unique_ptr<PreviewRig> rig;

void KeystrokeToSheet(benchmark::State &state) {
  rig->ShowSheet(static_cast<int>(state.range(0)));
  if (rig->SheetShown() != state.range(0)) {
    state.SkipWithError("the document has fewer sheets");
    return;
  }
  bool erase = false;
  for (auto _ : state) {
    rig->Keystroke(erase);
    erase = !erase;
  }
  state.SetLabel("sheet " + std::to_string(rig->SheetShown()) + " of " +
                 std::to_string(rig->SheetCount()));
}
BENCHMARK(KeystrokeToSheet)->Arg(1)->Arg(400)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  const char *env = std::getenv("ZENPA_BENCH_SJIS");
  const std::string doc = env != nullptr ? env : "/tmp/zenpa_bench/bench_sjis.txt";
  if (!std::filesystem::exists(doc)) {
    std::fprintf(stderr, "no benchmark text at %s: run bench/make_bench_text.sh\n", doc.c_str());
    return 1;
  }
  rig = std::make_unique<PreviewRig>(doc);
  benchmark::RunSpecifiedBenchmarks();
  rig.reset();
  benchmark::Shutdown();
  return 0;
}
