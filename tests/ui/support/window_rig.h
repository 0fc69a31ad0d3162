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
#include <QPlainTextEdit>
#include <QtTest>

#include <memory>
#include <string>
#include <vector>

namespace zenpa::testing {

class WindowRig {
protected:
  void Open() {
    dir_ = std::make_unique<TempDir>();
    host_ = std::make_unique<LiveEventsHost>();
    window_ = std::make_unique<ui::MainWindow>(*host_, printer_, fonts_, dir_->Dir());
  }
  void Close() {
    window_.reset();
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
  QPlainTextEdit *Editor() { return Find<QPlainTextEdit>("Memo1"); }
  app::Session &session() { return window_->session(); }

  platform::RecordingPrinter printer_;
  ui::QtFontCatalog fonts_;
  std::unique_ptr<TempDir> dir_;
  std::unique_ptr<LiveEventsHost> host_;
  std::unique_ptr<ui::MainWindow> window_;
};

} // namespace zenpa::testing
