// The board preview of the puzzle data viewer: a navy 148 × 148 square with
// the 3 × 3 block lines, the first puzzle's clues in white and a teal "・"
// in each empty cell. The rows it shows are also its accessible description
// (one line per row), so a screen reader and the tests can read them.
#pragma once

#include "puzzle/play/viewer_preview.h"

#include <QWidget>

namespace zenpa::ui {

class ViewerBoard : public QWidget {
  Q_OBJECT
public:
  explicit ViewerBoard(QWidget *parent = nullptr);
  void Show(const play::ViewerPreview &preview);

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  QStringList clues_; // nine rows of nine characters, or empty
  QStringList open_;
};

} // namespace zenpa::ui
