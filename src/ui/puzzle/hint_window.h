// TForm2 "ZENPA - hint": the candidate list as the solver writes it (three
// bands of three rows, stacks split by "|", bands by a line of "-" and "+")
// in a fixed-pitch font of size 12, and its box CheckBox1 "自動", the list's
// pruning option, which asks for the list again when clicked. The list's memo is the puzzle
// commands' hint text.
#pragma once

#include <QWidget>

#include <memory>

class QCheckBox;
class QPlainTextEdit;

namespace zenpa::ui {

class QtMemo;

class HintWindow : public QWidget {
  Q_OBJECT
public:
  explicit HintWindow(QWidget *parent);
  ~HintWindow() override;

  QtMemo &Text() { return *memo_; }
  // "自動" ticked: the list is pruned repeatedly, following new singles.
  bool PruneRepeatedly() const;
  // The size that shows the list's whole lines; the window may be narrower,
  // scrolling them, where the screen has no room for it beside the grid.
  QSize FullSize() const { return fullSize_; }
  // Shown above the other windows (from the game panel), or not.
  void ShowTopmost(bool topmost);

signals:
  // "自動" was clicked: the candidate list is to be written again.
  void refreshWanted();
  // The window was used: the document takes the focus back.
  void done();

protected:
  void closeEvent(QCloseEvent *event) override;

private:
  QPlainTextEdit *edit_ = nullptr;
  QtMemo *memo_ = nullptr;
  QCheckBox *auto_ = nullptr;
  QSize fullSize_;
};

// Shows window above the other windows or not; a visible window is shown
// again with its new flags.
void SetTopmost(QWidget *window, bool topmost);

} // namespace zenpa::ui
