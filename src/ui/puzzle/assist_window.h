// TForm9 "ZENPA - assist": the board of the game in play (AssistBoardView),
// its size buttons Big "大" and Small "小", Button16 "やめる", the boxes
// CheckBox1 "自動", CheckBox2 "ヒント" and CheckBox3 "すぐに答え", the
// finished-digit panels n1…n9 (game mode only), the status panel, the digit
// palette Panel1 that opens beside the pointer, and the popup menu.
//
// A thin binding over play::AssistState: the rules live there; the window
// asks its owner, through AssistWindowHooks, for what belongs to the
// document and the game. Every action ends by giving the document the focus,
// except the board's own cursor keys and digits, which keep it so that the
// board can be worked from the keyboard.
#pragma once

#include "puzzle/play/assist_board.h"
#include "puzzle/play/assist_state.h"
#include "settings/print_format.h"

#include <QWidget>

#include <array>
#include <functional>

class QCheckBox;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;

namespace zenpa::ui {

class AssistBoardView;

struct AssistWindowHooks {
  std::function<int()> fontHeight;          // the document font, pixels
  std::function<base::Colour()> fontColour; // the document's font colour
  std::function<settings::AssistOptions &()> options;
  std::function<bool()> gameOn;
  // The status panel: the digits entered and the open cells, as the
  // completion check counts them.
  std::function<std::string()> statusText;
  std::function<void()> stop;                  // "やめる"
  std::function<void()> refreshHints;          // the candidate list again
  std::function<void()> stepBack, stepForward; // "＜", "＞"
  std::function<void()> focusDocument;         // F1setF
  std::function<void(QKeyEvent *)> forwardKey; // to the document's key handlers
};

class AssistWindow : public QWidget {
  Q_OBJECT
public:
  AssistWindow(play::AssistState &state, play::AssistDocument &doc, AssistWindowHooks hooks,
               QWidget *parent);

  // Draws the board again (size, options, colours, cells, hints).
  void Redraw();
  void ShowTopmost(bool topmost);
  // The hint layer is shown ("ヒント" or "すぐに答え" ticked).
  bool HintLayerShown() const;
  // A game starts: the options' "自動ヒント表示" and "すぐに答え" tick the
  // boxes, and the status label shows.
  void GameStarted();
  // The game is complete: the status label and the palette go, leaving the
  // finished board beside the goal dialog.
  void GameCompleted();
  AssistBoardView &Board() { return *board_; }

protected:
  void closeEvent(QCloseEvent *event) override;
  void showEvent(QShowEvent *event) override;
  void contextMenuEvent(QContextMenuEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void BuildControls();
  void BuildFinishedRow();
  void BuildPalette();
  void BuildMenu();
  void TakeOptions();
  QPushButton *PaletteButton(const char *name, const char *caption, int digit);
  void OpenPalette(QPoint boardPoint);
  void PressPalette(int digit, bool right, bool ctrl);
  void Step(const std::function<void()> &step);
  void SetSize(play::BoardSize size);
  void HintBoxChanged();
  void Finish();
  void SyncPanels();

  play::AssistState &state_;
  AssistWindowHooks hooks_;
  AssistBoardView *board_ = nullptr;
  QCheckBox *auto_ = nullptr, *hint_ = nullptr, *answer_ = nullptr;
  QWidget *finishedRow_ = nullptr;
  std::array<QPushButton *, 9> finished_{};
  QLabel *status_ = nullptr;
  QFrame *palette_ = nullptr;
  QMenu *menu_ = nullptr;
  play::BoardSize size_ = play::BoardSize::Big;
};

} // namespace zenpa::ui
