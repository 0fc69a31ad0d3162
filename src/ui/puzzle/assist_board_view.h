// The board of the assist window: the grid in play drawn with QPainter in
// layers (background and lines, digits, solver hints, hand-written notes,
// cursor) from play::AssistState, and the place clicks and the keyboard
// reach it. The board is custom-drawn, so it carries an accessible name and
// takes the focus: the arrows move the cursor and the digits enter.
#pragma once

#include "puzzle/play/assist_board.h"
#include "puzzle/play/assist_state.h"

#include <QColor>
#include <QWidget>

namespace zenpa::ui {

// A colour of the board (0x00BBGGRR) for QPainter.
QColor ColourOf(base::Colour colour);

class AssistBoardView : public QWidget {
  Q_OBJECT
public:
  AssistBoardView(play::AssistState &state, play::AssistDocument &doc, QWidget *parent);

  // A new size or new colours: the board is drawn again at that size.
  void Show(const play::BoardGeometry &geometry, const play::BoardColours &colours,
            bool circledDigits);
  const play::BoardGeometry &Geometry() const { return geometry_; }
  play::AssistDocument &Doc() { return doc_; }

signals:
  // A click on the board; openPalette: the palette opens at `at` (board
  // pixels).
  void clicked(bool openPalette, QPoint at);
  // A cursor key or digit was handled by the board.
  void keyHandled();
  // Any other key, for the document's key handlers.
  void keyForDocument(QKeyEvent *event);

protected:
  void paintEvent(QPaintEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;

private:
  void DrawCells(QPainter &p) const;
  void DrawLines(QPainter &p) const;
  void DrawDigits(QPainter &p) const;
  void DrawNotes(QPainter &p) const;
  void DrawCursor(QPainter &p) const;
  QRect CellRect(int column, int row) const;

  play::AssistState &state_;
  play::AssistDocument &doc_;
  play::BoardGeometry geometry_;
  play::BoardColours colours_;
  bool circled_ = true;
};

} // namespace zenpa::ui
