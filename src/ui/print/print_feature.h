// The print feature of the main window: the print menu with the format
// file items, the settings panel and the layout-status panel above the
// document (with the caret's position on the status strip), the print and
// printer buttons, the preview window TForm3 with its "プレビュー" button,
// and the mark parts (context-menu items, dialogs, mark and reduction
// panels).
#pragma once

#include "platform/font_catalog.h"
#include "ui/common/shell.h"

#include <QObject>

#include <memory>

class QAction;
class QPushButton;
class QTimer;

namespace zenpa::ui {

class MarkParts;
class PreviewWindow;
class PrintSettingsSide;
class PrintStatusPanel;

class PrintFeature : public QObject, public Feature {
  Q_OBJECT
public:
  PrintFeature(Shell &shell, const platform::FontCatalog &fonts, int uiScale);
  ~PrintFeature() override;

  void Refresh() override;
  void LaidOut() override;
  void ModeChanged(app::WindowMode mode) override;

  PreviewWindow &Preview() { return *preview_; }
  // The open preview composes its sheet again once the events have run.
  void PreviewDue();
  // The mark items of the document's context menu become visible.
  void ShowMarkItems();

private:
  void BuildStatus();
  void BuildFormatItems();
  void BuildPreview();
  void BuildMarks();
  void Print();

  Shell &shell_;
  app::Session &session_;
  const platform::FontCatalog &fonts_;
  int uiScale_;
  PrintStatusPanel *status_ = nullptr;
  PrintSettingsSide *settings_ = nullptr;
  QPushButton *previewButton_ = nullptr;
  QAction *back_ = nullptr; // "初期設定にもどす(&B)"
  MarkParts *marks_ = nullptr;
  std::unique_ptr<PreviewWindow> preview_;
};

} // namespace zenpa::ui
