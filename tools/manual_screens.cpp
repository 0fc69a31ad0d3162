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
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
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

// The shown window of that object name (the assist window and the preview
// are windows of their own); the main window when there is none.
QWidget *ShownWindow(MainWindow &window, const char *objectName) {
  for (QWidget *w : QApplication::topLevelWidgets())
    if (objectName && w->objectName() == objectName && w->isVisible())
      return w;
  return &window;
}

// Opens the window on the document, lets step work it, and saves the
// picture of the window named shown (the main window by default) as
// OUTPUT_DIR/name.
bool Shoot(Desk &desk, const QString &outDir, const char *name, const std::string &document,
           const std::function<void(MainWindow &)> &step, const char *shown = nullptr) {
  MainWindow window(desk.host, desk.printer, desk.fonts,
                    desk.programDir.path().toStdString() + "/");
  desk.host.SetParent(&window);
  window.Start({document});
  window.resize(900, 640);
  window.show();
  QApplication::processEvents();
  if (step)
    step(window);
  // The preview composes its sheet once the pending events have run.
  for (int i = 0; i < 3; ++i)
    QApplication::processEvents();
  return ShownWindow(window, shown)->grab().save(outDir + "/" + name);
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

// A key pressed in the document, as the keyboard would.
void Press(MainWindow &window, int key, const QString &text = {}) {
  auto *editor = window.findChild<QPlainTextEdit *>("Memo1");
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(editor, &press);
  QApplication::sendEvent(editor, &release);
}

// The puzzle game started from the menu, with two digits of the player.
void Play(MainWindow &window) {
  Trigger(window, "Sudokumode");
  Press(window, Qt::Key_4, "4");
  Press(window, Qt::Key_Right);
  Press(window, Qt::Key_8, "8");
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
      Shoot(desk, out, "drill.png", argv[2],
            [](MainWindow &w) {
              Trigger(w, "MenuKP");
              Trigger(w, "NewKP");
              // The sheet from its title: generating leaves the caret at its end.
              if (auto *editor = w.findChild<QPlainTextEdit *>("Memo1"))
                editor->moveCursor(QTextCursor::Start);
            }) &&
      Shoot(desk, out, "game.png", argv[3], Play) &&
      Shoot(desk, out, "assist.png", argv[3], Play, "TForm9") &&
      Shoot(
          desk, out, "preview.png", argv[3],
          [](MainWindow &w) {
            if (auto *open = w.findChild<QPushButton *>("Button28"))
              open->click();
          },
          "TForm3");
  if (!ok)
    std::fprintf(stderr, "zenpa_manual_screens: cannot write into %s\n", argv[1]);
  return ok ? 0 : 1;
}
