// Takes the pictures of the manual zenpa.htm: starts the real main window
// under the offscreen platform with a document, works it as a person would
// and saves what the window shows. scripts/manual_screens.sh runs it.
//
// Usage: zenpa_manual_screens OUTPUT_DIR TEXT_FILE PUZZLE_TEXT_FILE
#include "ui/main/main_window.h"
#include "ui/qt/qt_font_catalog.h"
#include "ui/qt/qt_host.h"
#include "ui/qt/qt_printer.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <string>

namespace {

using zenpa::ui::MainWindow;

struct Desk {
  zenpa::ui::QtHost host;
  zenpa::ui::QtFontCatalog fonts;
  zenpa::ui::QtPrinter printer{&fonts};
  QTemporaryDir programDir;
};

// Opens the window on the document, lets step work it, and saves the
// window's picture as OUTPUT_DIR/name.
bool Shoot(Desk &desk, const QString &outDir, const char *name, const std::string &document,
           const std::function<void(MainWindow &)> &step) {
  MainWindow window(desk.host, desk.printer, desk.fonts,
                    desk.programDir.path().toStdString() + "/");
  desk.host.SetParent(&window);
  window.Start({document});
  window.resize(900, 640);
  window.show();
  QApplication::processEvents();
  if (step)
    step(window);
  QApplication::processEvents();
  return window.grab().save(outDir + "/" + name);
}

void Trigger(MainWindow &window, const char *action) {
  if (auto *item = window.findChild<QAction *>(action))
    item->trigger();
}

// A text without its own format opens in the enlarged text view; the
// pictures of the print panel need the ordinary view.
void Unenlarge(MainWindow &window) {
  if (auto *item = window.findChild<QAction *>("Kakudai"); item && item->isChecked())
    item->trigger();
}

} // namespace

int main(int argc, char **argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: zenpa_manual_screens OUTPUT_DIR TEXT_FILE PUZZLE_TEXT_FILE\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  Desk desk;
  // Absolute: loading a document makes its directory the current one.
  const QString out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
  const bool ok =
      Shoot(desk, out, "window.png", argv[2], Unenlarge) &&
      Shoot(desk, out, "frame.png", argv[2],
            [](MainWindow &w) {
              Unenlarge(w);
              Trigger(w, "waku");
            }) &&
      Shoot(desk, out, "puzzle.png", argv[3], [](MainWindow &w) { Trigger(w, "MenuSDK"); }) &&
      Shoot(desk, out, "drill.png", argv[2], [](MainWindow &w) {
        Trigger(w, "MenuKP");
        Trigger(w, "NewKP");
        // The sheet from its title: generating leaves the caret at its end.
        if (auto *editor = w.findChild<QPlainTextEdit *>("Memo1"))
          editor->moveCursor(QTextCursor::Start);
      });
  if (!ok)
    std::fprintf(stderr, "zenpa_manual_screens: cannot write into %s\n", argv[1]);
  return ok ? 0 : 1;
}
