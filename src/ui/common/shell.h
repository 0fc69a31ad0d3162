// What the main window offers the features that plug into it (the editor,
// print, puzzle and drill features): its places, by type, never by object
// name. The shell owns the menu bar, the settings area above the document,
// the side area beside it, the status strip and the document editor; a
// feature installs its menus, panels and windows there and refreshes
// itself from the session. Features never reach each other: what two of
// them share goes through the session.
#pragma once

#include "app/session.h"
#include "app/window_mode.h"

#include <functional>

class QAction;
class QMainWindow;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QVBoxLayout;
class QWidget;

namespace zenpa::editor {
class InputRouter;
}

namespace zenpa::ui {

class CommandGuards;
class OptionPanels;
class QtMemo;

// The menus of the menu bar, in the bar's order.
enum class MenuId { File, Edit, Print, Settings, Puzzle, Drill, Help };

// The document's own context menu: where other features' items go in it,
// and whether it was asked for over the document (not a panel's memo).
struct DocumentMenu {
  QMenu *menu = nullptr;
  QAction *place = nullptr; // items are inserted before it
  std::function<bool()> overDocument;
};

class Shell {
public:
  virtual ~Shell() = default;

  virtual app::Session &Session() = 0;
  virtual QMainWindow *Window() = 0;
  // Memo1 and its text as the core sees it.
  virtual QPlainTextEdit *Editor() = 0;
  virtual QtMemo &Memo() = 0;
  // The document's input routing: modes plug in here.
  virtual editor::InputRouter &Router() = 0;
  // The menu of `id`, made empty on the first ask unless a feature
  // installed its own; InstallMenu puts a feature's menu in its place.
  virtual QMenu *Menu(MenuId id) = 0;
  virtual void InstallMenu(MenuId id, QMenu *menu) = 0;
  // Another text box takes the document's edit menu as its context menu.
  virtual void AttachEditMenu(QPlainTextEdit *box) = 0;
  virtual DocumentMenu ContextMenu() = 0;
  // The panels above the document, in the order added.
  virtual QVBoxLayout *SettingsArea() = 0;
  // The side area beside the document (one panel, in a dock).
  virtual void SetSide(QWidget *panel) = 0;
  // Shows or hides the side: the window grows and shrinks by its width.
  virtual void ShowSide(bool shown) = 0;
  virtual QStatusBar *StatusStrip() = 0;
  // Button16 "やめる" on the status strip: leaves whichever grid mode is on.
  virtual QPushButton *StopButton() = 0;
  // One option panel above the document at a time.
  virtual OptionPanels &Panels() = 0;
  // Each control's command group: the shell enables it as the mode allows.
  virtual CommandGuards &Guards() = 0;

  // Every feature refreshes from the session (the caption, the menus).
  virtual void Sync() = 0;
  // The layout or the caret changed: the features show it.
  virtual void ShowLayout() = 0;
  // The document is laid out again once the pending events have run.
  virtual void Relayout() = 0;
  // The window's minimum size follows its panels; a drill game may make
  // the window narrower than the usual minimum.
  virtual void FitMinimumSize() = 0;
  virtual void SetNarrowed(bool narrowed) = 0;
  // The font height the document shows, in pixels.
  virtual int DocumentFontPixels() const = 0;
  // The caption the window shows outside a game.
  virtual void RestoreCaption() = 0;
};

// A feature of the window: installed into the shell when the window is
// built, refreshed whenever the session changed.
class Feature {
public:
  virtual ~Feature() = default;
  // The session's state changed: show it.
  virtual void Refresh() {}
  // The document was laid out again.
  virtual void LaidOut() {}
  // The window mode changed (the shell has enabled the controls already).
  virtual void ModeChanged(app::WindowMode /*mode*/) {}
};

} // namespace zenpa::ui
