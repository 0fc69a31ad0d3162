// TForm1, the main window: a shell that owns the menu bar, the settings
// area above the document, the side area beside it, the status strip with
// the document's name label, its rename box and the stop button "やめる",
// and the document editor Memo1 with its input routing. The File and Help
// menus, the start-up notice and dropped files are its own; everything else
// comes from the features (editor, print, puzzle, drill), which install
// their menus, panels and windows through the Shell places and refresh
// from the session. The shell keeps no rule of its own: the window mode
// and what it enables come from the session's WindowModes.
#pragma once

#include "app/session.h"
#include "ui/common/command_guards.h"
#include "ui/common/shell.h"
#include "ui/qt/qt_memo.h"

#include <QEvent>
#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QDockWidget;
class QImage;
class QPainter;
class QTimer;
class QLabel;
class QLineEdit;

namespace zenpa::ui {

class EditorFeature;
class EditorRow;
class DrillFeature;
class LoadingNotice;
class PreviewWindow;
class PrintFeature;
class PuzzleFeature;
class QtCanvas;

class MainWindow : public QMainWindow, public Shell, private app::SessionView {
  Q_OBJECT
public:
  // programDir ends in "/". host, printer and fonts must outlive the window.
  MainWindow(platform::Host &host, platform::Printer &printer, const platform::FontCatalog &fonts,
             std::string programDir, QWidget *parent = nullptr);
  ~MainWindow() override;

  // Runs the start-up with the command-line arguments after the program name.
  void Start(const std::vector<std::string> &args);

  app::Session &session() { return session_; }
  QtMemo &memo() { return *memo_; }
  // The print preview window TForm3 (its own top-level window).
  PreviewWindow &Preview();

  // Shell
  app::Session &Session() override { return session_; }
  QMainWindow *Window() override { return this; }
  QPlainTextEdit *Editor() override { return editor_; }
  QtMemo &Memo() override { return *memo_; }
  editor::InputRouter &Router() override;
  QMenu *Menu(MenuId id) override;
  void InstallMenu(MenuId id, QMenu *menu) override;
  void AttachEditMenu(QPlainTextEdit *box) override;
  DocumentMenu ContextMenu() override;
  QVBoxLayout *SettingsArea() override { return settingsArea_; }
  void SetSide(QWidget *panel) override;
  void ShowSide(bool shown) override;
  QStatusBar *StatusStrip() override { return status_; }
  QPushButton *StopButton() override { return stop_; }
  OptionPanels &Panels() override { return *optionPanels_; }
  CommandGuards &Guards() override { return guards_; }
  void Sync() override;
  void ShowLayout() override { DocumentLaidOut(); }
  void Relayout() override;
  void FitMinimumSize() override;
  void SetNarrowed(bool narrowed) override;
  int DocumentFontPixels() const override;
  void RestoreCaption() override;

protected:
  bool event(QEvent *event) override;
  void closeEvent(QCloseEvent *event) override;
  void showEvent(QShowEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
  void dragEnterEvent(QDragEnterEvent *event) override;
  void dropEvent(QDropEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  // app::SessionView
  void ShowLoadingNotice(const std::string &line) override;
  void HideLoadingNotice() override;
  void BringToFront() override;
  void FocusEditor() override;
  void DocumentLaidOut() override;
  platform::Canvas *MeasureCanvas() override;
  print::CellRatio EditorCellRatio() const override;
  void RequestClose() override;
  void PreviewDue() override;

  void BuildEditor(const platform::FontCatalog &fonts);
  void BuildFileMenu();
  void BuildHelpMenu();
  void BuildStatusStrip();
  void GuardShellMenus();
  void ModeChanged();
  std::vector<Feature *> Features() const;
  QAction *AddAction(QMenu *menu, const char *name, const char *caption,
                     void (MainWindow::*slot)());
  void RunAndSync(const std::function<void()> &command);
  bool NameLabelEvent(QEvent::Type type);
  // Accepts a drag of files while the file commands are enabled.
  void AnswerDrag(QDragMoveEvent *event);

  void BeginRename();
  void CommitRename();
  void CancelRename();
  void ShowVersionBox();

  int uiScale_ = 100;
  std::unique_ptr<LoadingNotice> notice_;
  QPlainTextEdit *editor_ = nullptr;
  EditorRow *editorRow_ = nullptr; // Memo1 and the splitter of its width
  QtMemo *memo_ = nullptr;
  app::Session session_;
  QVBoxLayout *settingsArea_ = nullptr;
  QStatusBar *status_ = nullptr;
  QLabel *nameLabel_ = nullptr;
  QLineEdit *renameBox_ = nullptr;
  QPushButton *renameOk_ = nullptr;
  QPushButton *renameCancel_ = nullptr;
  QPushButton *stop_ = nullptr; // Button16 "やめる"
  QAction *timer_ = nullptr;
  QDockWidget *side_ = nullptr;
  int widthBeforeSide_ = 0; // the window's width before the side grew it
  bool sideWanted_ = false;
  OptionPanels *optionPanels_ = nullptr;
  CommandGuards guards_;
  std::array<QMenu *, 7> menus_{};
  QTimer *relayoutTimer_ = nullptr;
  // Measures text like the printer for the layout: a canvas on a tiny image.
  std::unique_ptr<QImage> measureImage_;
  std::unique_ptr<QPainter> measurePainter_;
  std::unique_ptr<QtCanvas> measure_;
  const platform::FontCatalog &fonts_;
  std::array<QAction *, app::kHistorySlots> history_{};
  EditorFeature *editorFeature_ = nullptr;
  PrintFeature *printFeature_ = nullptr;
  PuzzleFeature *puzzleFeature_ = nullptr;
  DrillFeature *drillFeature_ = nullptr;
  bool shown_ = false;
  bool narrowed_ = false; // the drill game narrows the window below its minimum
  bool syncing_ = false;
};

} // namespace zenpa::ui
