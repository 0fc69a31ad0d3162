// The drill panel Panel1 "もこさん" and the drill menu "もこさん(&K)": the
// number boxes けた数, まい数 and ヒント with their up-downs, the "ヒント" speed
// button, ＋/－, 改頁, 答えも付加, the add-to-document box with the insertion
// toggle Label42, "作 る" and "ゲーム"; the menu's panel, generate, answer,
// operation, hint-mode, mode and game-option items.
//
// A thin binding over app::DrillCommands: the controls write the record's
// drill options, the buttons and items call the commands, and Refresh shows
// the record again. The modes themselves are DrillModes.
#pragma once

#include "app/session.h"

#include <QWidget>

#include <functional>

class QAction;
class QCheckBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QToolButton;

namespace zenpa::ui {

class CommandGuards;

class DrillPanel : public QWidget {
  Q_OBJECT
public:
  explicit DrillPanel(app::Session &session, QWidget *parent = nullptr);

  void BuildMenu(QMenu *menu);
  // Shows the record's drill options and the insertion place.
  void Refresh();
  // The mode items show which drill mode runs (checked).
  void SetModeRunning(bool entry, bool game);
  // The panel and its menu items by command group.
  void GuardControls(CommandGuards &guards);
  // "作 る": false when the save prompt was cancelled.
  bool Generate();
  // The number boxes as typed, and shown again after a command corrected them.
  app::DrillBoxes Boxes() const;
  void ShowBoxes(const app::DrillBoxes &boxes);

signals:
  // "もこさん作成メニュー(&M)" was switched: the window shows or hides the panel.
  void panelWanted(bool shown);
  // The insertion toggle was clicked (the puzzle panel's label follows).
  void insertionToggled();
  // A command changed the document.
  void commandDone();
  // The mode items and the "ゲーム" button.
  void entryWanted(bool on);
  void gameWanted(bool on);

private:
  void BuildBoxes();
  void BuildSwitches();
  QAction *Item(QMenu *menu, const char *name, const char *caption,
                const std::function<void()> &command);
  QAction *Check(QMenu *menu, const char *name, const char *caption,
                 bool settings::DrillOptions::*);
  void SetOperation(settings::DrillOperation op);
  void SetHintByDigit(bool on);

  app::Session &session_;
  app::DrillCommands &drill_;
  QLineEdit *digits_ = nullptr, *sheets_ = nullptr, *hints_ = nullptr;
  QSpinBox *digitsUpDown_ = nullptr, *sheetsUpDown_ = nullptr, *hintsUpDown_ = nullptr;
  QToolButton *hintButton_ = nullptr;
  QRadioButton *plus_ = nullptr, *minus_ = nullptr;
  QCheckBox *pageBreak_ = nullptr, *answers_ = nullptr, *addToDocument_ = nullptr;
  QPushButton *insertion_ = nullptr, *make_ = nullptr, *game_ = nullptr;
  QAction *menuKp_ = nullptr, *answer_ = nullptr, *plusItem_ = nullptr, *minusItem_ = nullptr;
  QAction *hintNo_ = nullptr, *entry_ = nullptr, *gameMode_ = nullptr;
  QAction *newKp_ = nullptr, *gotou_ = nullptr, *beep_ = nullptr;
};

} // namespace zenpa::ui
