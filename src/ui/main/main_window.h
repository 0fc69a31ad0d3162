// TForm1, the main window: the document editor Memo1, the File and Help
// menus, the status strip Panel9 with the document's name label and rename
// box, the start-up notice and dropped files. The window only binds widgets
// to the app::Session, which holds every rule; dialogs and messages go
// through the platform Host.
//
// Places for the other parts of the window: the menu bar (menuBar()) takes
// further menus, SettingsArea() the panels above the editor, the right dock
// area side panels, and the status strip further indicators.
#pragma once

#include "app/session.h"
#include "editor/editor_look.h"
#include "editor/input_router.h"
#include "ui/mode_look.h"
#include "ui/qt/qt_memo.h"

#include <QEvent>
#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QDockWidget;
class QMenu;
class QImage;
class QPainter;
class QTimer;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QVBoxLayout;

namespace zenpa::ui {

class AssistWindows;
class DrillModes;
class GameModes;
class DrillPanel;
class EditMenu;
class EditorRow;
class EditorInput;
class EnlargedView;
class LoadingNotice;
class MarkParts;
class OptionPanels;
class PrintSettingsSide;
class SettingsMenu;
class PrintStatusPanel;
class PreviewWindow;
class PuzzlePanel;
class RunKeyFilter;
class TitlePanelView;
class QtCanvas;

class MainWindow : public QMainWindow, private app::SessionView {
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
  QVBoxLayout *SettingsArea() const { return settingsArea_; }
  QStatusBar *StatusStrip() const { return status_; }
  // The print menu "Print1" (印刷(&P)).
  QMenu *PrintMenu() const;

  // Shows every state the session holds: caption, name label, menus.
  void SyncFromSession();

  // The document's input routing: modes of later features plug in here.
  EditorInput &Input() { return *input_; }
  EditMenu &Edit() { return *editMenu_; }
  // The print preview window TForm3 (its own top-level window).
  PreviewWindow &Preview() { return *preview_; }

signals:
  // The enlarged text view was switched on or off (the print item's caption follows).
  void enlargedViewSwitched(bool on);

protected:
  bool event(QEvent *event) override;
  void closeEvent(QCloseEvent *event) override;
  void showEvent(QShowEvent *event) override;
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
  void BuildMenus();
  void BuildHelpMenu();
  void BuildFormatItems(QMenu *menu);
  void BuildStatusStrip();
  void BuildPrintStatus(platform::Host &host);
  void BindPrintButtons();
  // The preview window and its bindings (main_window_preview.cpp).
  void BuildPreview();
  void BuildPuzzleSide();
  // The drill panel, its menu and modes (main_window_drill.cpp).
  void BuildDrillSide();
  // The assist and hint windows and the assist settings panel
  // (main_window_assist.cpp).
  void BuildAssistSide();
  void ShowDrillPanel(bool shown);
  void RestForDrill(bool resting);
  // The option panels above the document (main_window_panels.cpp).
  void BuildOptionPanels();
  // Puzzle entry and game mode, their menu items and the "ゲーム" button
  // (main_window_game.cpp).
  void BuildGameSide();
  // What every drill and puzzle mode needs of the window.
  ModeWindow ModeWindowOf();
  void RestForGame(app::WindowMode mode);
  void SyncGameItems();
  // The document's caption, or the game's while a game runs.
  QString WindowCaption() const;
  // The Edit and Settings menus, the editor's input routing, its look and
  // the enlarged text view (main_window_editor.cpp).
  void BuildEditorParts();
  void ConnectEditorInput();
  void ConnectEditorRow();
  // "数独の難易度判定(&L)" on the puzzle at the caret.
  void GradePuzzleAtCaret();
  void SyncEditorParts();
  void ApplyEditorLook();
  void AssignSound();
  // The context menu's mark items and the mark panels (main_window_marks.cpp).
  void BuildMarkParts();
  void RefreshMarkParts();
  editor::InputState InputStateNow() const;
  void ShowPuzzleSide(bool shown);
  void FitMinimumSize();
  QAction *AddAction(QMenu *menu, const char *name, const char *caption,
                     void (MainWindow::*slot)());
  void RunAndSync(const std::function<void()> &command);
  bool NameLabelEvent(QEvent::Type type);

  void NewDocument();
  void OpenDocument();
  void SaveDocument();
  void SaveDocumentAs();
  void InsertAtEnd();
  void BeginRename();
  void CommitRename();
  void CancelRename();
  void ShowVersionBox();
  void OpenManual();
  void OpenMakerPage();
  void StartTimerTool();

  int uiScale_ = 100;
  std::unique_ptr<LoadingNotice> notice_;
  QPlainTextEdit *editor_ = nullptr;
  EditorRow *editorRow_ = nullptr; // Memo1, the splitter and the side panel
  QtMemo *memo_ = nullptr;
  app::Session session_;
  QVBoxLayout *settingsArea_ = nullptr;
  QStatusBar *status_ = nullptr;
  QLabel *nameLabel_ = nullptr;
  QLineEdit *renameBox_ = nullptr;
  QPushButton *renameOk_ = nullptr;
  QPushButton *renameCancel_ = nullptr;
  QAction *timer_ = nullptr;
  QAction *back_ = nullptr;
  PrintStatusPanel *printStatus_ = nullptr;
  PrintSettingsSide *printSettings_ = nullptr;
  PuzzlePanel *puzzlePanel_ = nullptr;
  QDockWidget *puzzleDock_ = nullptr;
  DrillPanel *drillPanel_ = nullptr;
  DrillModes *drillModes_ = nullptr;
  OptionPanels *optionPanels_ = nullptr;
  TitlePanelView *titlePanel_ = nullptr;
  GameModes *gameModes_ = nullptr;
  std::vector<QAction *> restingItems_; // puzzle items a mode disabled
  AssistWindows *assist_ = nullptr;
  std::unique_ptr<RunKeyFilter> runKeys_;
  QTimer *relayoutTimer_ = nullptr;
  // Measures text like the printer for the layout: a canvas on a tiny image.
  std::unique_ptr<QImage> measureImage_;
  std::unique_ptr<QPainter> measurePainter_;
  std::unique_ptr<QtCanvas> measure_;
  const platform::FontCatalog &fonts_;
  std::array<QAction *, app::kHistorySlots> history_{};
  EditMenu *editMenu_ = nullptr;
  SettingsMenu *settingsMenu_ = nullptr;
  EditorInput *input_ = nullptr;
  EnlargedView *enlarged_ = nullptr;
  MarkParts *markParts_ = nullptr;
  QLabel *overwriteLabel_ = nullptr;
  QPushButton *soundButton_ = nullptr;
  std::optional<editor::EditorLook> look_; // the look the editor shows
  std::unique_ptr<PreviewWindow> preview_;
  bool shown_ = false;
  bool narrowed_ = false; // the drill game narrows the window below its minimum
};

} // namespace zenpa::ui
