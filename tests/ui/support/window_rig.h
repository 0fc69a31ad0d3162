// The real main window for the window tests, offscreen: a scratch program
// directory, a host that lets Qt's events run, a recording printer and the
// installed fonts, with the look-ups the tests share.
#pragma once

#include "platform/recording_printer.h"
#include "support/temp_dir.h"
#include "ui/main/main_window.h"
#include "ui/qt/qt_font_catalog.h"
#include "ui/support/live_events_host.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zenpa::testing {

class WindowRig {
protected:
  // Opens the window on the chosen printer, or else on the recording one.
  void Open(std::unique_ptr<platform::Printer> chosen = nullptr) {
    dir_ = std::make_unique<TempDir>();
    host_ = std::make_unique<LiveEventsHost>();
    chosen_ = std::move(chosen);
    window_ = std::make_unique<ui::MainWindow>(*host_, chosen_ ? *chosen_ : printer_, fonts_,
                                               dir_->Dir());
  }
  void Close() {
    window_.reset();
    chosen_.reset();
    dir_.reset();
  }

  // Starts the window with the command-line arguments and shows it.
  void StartWith(const std::vector<std::string> &args) {
    window_->Start(args);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    window_->activateWindow();
  }

  template <class T = QWidget> T *Find(const char *name) {
    T *object = window_->findChild<T *>(name);
    if (!object)
      qFatal("no %s", name);
    return object;
  }
  QAction *Action(const char *name) { return Find<QAction>(name); }
  QString Label(const char *name) { return Find<QLabel>(name)->text(); }
  bool Shown(const char *name) { return Find(name)->isVisibleTo(window_.get()); }
  void Click(const char *name) { Find<QPushButton>(name)->click(); }
  QPlainTextEdit *Editor() { return Find<QPlainTextEdit>("Memo1"); }
  app::Session &session() { return window_->session(); }

  // A window of its own beside the main one: the game's helpers, dialogs.
  static QWidget *TopLevel(const char *name) {
    for (QWidget *w : QApplication::topLevelWidgets()) {
      if (w->objectName() == name)
        return w;
    }
    qFatal("no %s", name);
  }
  // Puts the caret at the start of the document's line (a grid's row).
  void CaretToLine(int line) {
    QTextCursor caret = Editor()->textCursor();
    caret.setPosition(Editor()->document()->findBlockByNumber(line).position());
    Editor()->setTextCursor(caret);
  }
  // Acts once the named widget shows, during a run that lets events run.
  void WhenShown(const char *name, const std::function<void()> &act) {
    auto *poll = new QTimer(window_.get());
    QObject::connect(poll, &QTimer::timeout, window_.get(), [this, poll, name, act] {
      const QWidget *widget = window_->findChild<QWidget *>(name);
      if (!widget || !widget->isVisible())
        return;
      poll->stop();
      poll->deleteLater();
      act();
    });
    poll->start(20);
  }

  platform::RecordingPrinter printer_;
  ui::QtFontCatalog fonts_;
  std::unique_ptr<platform::Printer> chosen_;
  std::unique_ptr<TempDir> dir_;
  std::unique_ptr<LiveEventsHost> host_;
  std::unique_ptr<ui::MainWindow> window_;
};

} // namespace zenpa::testing
