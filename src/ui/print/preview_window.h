// TForm3 "印刷プレビュー", the print preview window: one sheet at a time
// as the print run lays it out, with "前頁", "次頁", "始頁", "終頁", the sheet
// label, "印 刷", "閉じる", "調整" with the "調整中" label, the enlargement
// field "拡大率" with its spinner and "決定", and the page image in a scroll
// box that the mouse wheel scrolls.
//
// The window binds widgets to app::PreviewCommands and the session's
// print::Preview. Every request to compose again (RequestCompose) waits
// until the pending events have run, so that a burst of keystrokes while
// "調整" is on costs one run.
#pragma once

#include "app/preview_commands.h"
#include "platform/font_catalog.h"
#include "print/preview.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QScrollArea;
class QTimer;

namespace zenpa::ui {

class FieldSpin;
class PreviewPage;

class PreviewWindow : public QWidget {
  Q_OBJECT
public:
  // fonts maps the faces of the format to installed ones; uiScale in percent.
  PreviewWindow(app::Session &session, const platform::FontCatalog &fonts, int uiScale,
                QWidget *parent);

  // The preview button: opens on sheet 1 beside the main window.
  void Open(const QWidget *mainWindow);
  // Composes the wanted sheet again once the pending events have run.
  void RequestCompose();
  // Composes the wanted sheet now and shows the preview's state.
  void Compose();
  // Shows the preview's state ("調整", navigation) without composing.
  void ShowState();
  // Draws the centre lines and the frame outline of the format as it is
  // now over the sheet shown, so that the frame follows its settings even
  // while the sheet waits for "調整".
  void ShowOverlay();
  // "調整" and a click on the "調整中" label.
  void PressAdjust();
  void ClickAdjusting();
  // The window shows with its "調整" button.
  bool AdjustShown() const;

  const PreviewPage &Page() const { return *page_; }

signals:
  void printRequested(); // "印 刷"
  // "調整" was pressed: the main window takes the focus and leaves the
  // enlarged text view.
  void adjustPressed();
  // A run while following: the editor takes the focus back.
  void composedWhileAdjusting();
  // The page image shows the sheet composed last.
  void composed();

protected:
  void closeEvent(QCloseEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  QWidget *BuildButtons();
  QWidget *BuildZoom();
  void Connect();
  void Step(app::SheetStep step);
  void ApplyZoom();
  print::PreviewOverlay Overlay(print::ImageSize size) const;
  void FitWindowToPaper(bool landscape);
  void Scroll(int steps);

  app::Session &session_;
  app::PreviewCommands commands_;
  const platform::FontCatalog &fonts_;
  int uiScale_;
  QPushButton *first_ = nullptr, *previous_ = nullptr, *next_ = nullptr, *last_ = nullptr;
  QPushButton *print_ = nullptr, *close_ = nullptr, *adjust_ = nullptr, *apply_ = nullptr;
  QLabel *sheet_ = nullptr, *adjusting_ = nullptr;
  FieldSpin *zoom_ = nullptr;
  QScrollArea *box_ = nullptr;
  PreviewPage *page_ = nullptr;
  QTimer *composeTimer_ = nullptr;
  bool placed_ = false;
  int landscape_ = -1; // orientation of the image shown: -1 none yet
};

} // namespace zenpa::ui
