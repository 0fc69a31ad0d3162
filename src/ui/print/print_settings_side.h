// The print settings as the main window shows them: the layout status and
// the settings panel under it in a strip that scrolls, and the print menu
// 印刷(&P) (object name "Print1") with the frame and paper-edge items and the
// format file items the window adds. Both show the session's format again
// after every layout run (Refresh).
#pragma once

#include "app/print_settings.h"

#include <QObject>

class QAction;
class QLabel;
class QMainWindow;
class QMenu;
class QWidget;

namespace zenpa::ui {

class PrintSettingsPanel;
class PrintStatusPanel;
class SidewaysStrip;

class PrintSettingsSide : public QObject {
  Q_OBJECT
public:
  PrintSettingsSide(app::Session &session, platform::Host &host, int uiScale,
                    PrintStatusPanel *status, QMainWindow *window);

  // The strip to put above the editor (it takes the status panel), and the
  // menu to put after the File menu.
  QWidget *Strip() const { return strip_; }
  QMenu *Menu() const { return menu_; }
  PrintSettingsPanel *Panel() const { return panel_; }

  void Refresh();

protected:
  // Ctrl or Shift clicks on the panels' background show or clear the
  // format's modified state.
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void BuildMenu();
  QAction *Item(const char *name, const char *caption, const std::function<void(bool)> &toggled);

  app::Session &session_;
  app::PrintSettings settings_;
  PrintSettingsPanel *panel_ = nullptr;
  QWidget *strip_ = nullptr;
  SidewaysStrip *settingsStrip_ = nullptr;
  QLabel *modified_ = nullptr; // "zpfModified"
  QMenu *menu_ = nullptr;
  QAction *waku_ = nullptr, *wakuP_ = nullptr, *wakuC_ = nullptr;
  QAction *drM_ = nullptr, *yohakuP_ = nullptr, *cyohaku_ = nullptr;
};

} // namespace zenpa::ui
