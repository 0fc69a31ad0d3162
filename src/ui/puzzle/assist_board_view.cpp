#include "ui/puzzle/assist_board_view.h"

#include "base/digits.h"
#include "base/sjis.h"
#include "ui/common/widgets.h"
#include "ui/qt/qt_text.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace zenpa::ui {
namespace {

using play::BoardCellKind;

QFont PixelFont(int pixels) {
  QFont font;
  font.setPixelSize(std::max(1, pixels));
  return font;
}

std::optional<play::CursorKey> CursorKeyOf(int key) {
  switch (key) {
  case Qt::Key_Left:
    return play::CursorKey::Left;
  case Qt::Key_Right:
    return play::CursorKey::Right;
  case Qt::Key_Up:
    return play::CursorKey::Up;
  case Qt::Key_Down:
    return play::CursorKey::Down;
  default:
    return std::nullopt;
  }
}

} // namespace

QColor ColourOf(base::Colour c) {
  return QColor(base::RedOf(c), base::GreenOf(c), base::BlueOf(c));
}

AssistBoardView::AssistBoardView(play::AssistState &state, play::AssistDocument &doc,
                                 QWidget *parent)
    : QWidget(parent), state_(state), doc_(doc) {
  setObjectName("AssistBoard");
  setAccessibleName(Utf("盤面"));
  setFocusPolicy(Qt::StrongFocus);
  setFixedSize(geometry_.BoardSide(), geometry_.BoardSide());
}

void AssistBoardView::Show(const play::BoardGeometry &geometry, const play::BoardColours &colours,
                           bool circledDigits) {
  geometry_ = geometry;
  colours_ = colours;
  circled_ = circledDigits;
  setFixedSize(geometry_.BoardSide(), geometry_.BoardSide());
  update();
}

QRect AssistBoardView::CellRect(int column, int row) const {
  const play::BoardPoint corner = geometry_.CellCorner({column, row});
  return {corner.x, corner.y, geometry_.CellSide(), geometry_.CellSide()};
}

void AssistBoardView::paintEvent(QPaintEvent *) {
  QPainter p(this);
  p.fillRect(rect(), ColourOf(colours_.background));
  DrawCells(p);
  DrawLines(p);
  DrawDigits(p);
  if (state_.CursorShown())
    DrawCursor(p);
}

// Givens on light grey; with the marks shown, the cells of a step trace's
// "◆"/"◇" highlighted.
void AssistBoardView::DrawCells(QPainter &p) const {
  for (int i = 0; i < 81; ++i) {
    const BoardCellKind kind = state_.Cells()[i].kind;
    const bool mark = kind == BoardCellKind::Mark || kind == BoardCellKind::MarkR;
    if (kind == BoardCellKind::Given)
      p.fillRect(CellRect(i % 9, i / 9), ColourOf(colours_.givenFill));
    else if (mark && state_.MarksShown())
      p.fillRect(CellRect(i % 9, i / 9), ColourOf(colours_.markFill));
  }
}

// Thin lines between cells, thick ones between blocks and around the board.
void AssistBoardView::DrawLines(QPainter &p) const {
  const int side = geometry_.CellSide();
  const int far = 2 + 9 * side;
  for (int k = 0; k <= 9; ++k) {
    const int at = 2 + k * side;
    const bool thick = k % 3 == 0;
    p.setPen(QPen(ColourOf(colours_.line), thick ? 3 : 1, Qt::SolidLine, Qt::SquareCap));
    p.drawLine(at, 2, at, far);
    p.drawLine(2, at, far, at);
  }
}

void AssistBoardView::DrawDigits(QPainter &p) const {
  p.setFont(PixelFont(geometry_.DigitFontHeight()));
  for (int i = 0; i < 81; ++i) {
    const play::BoardCell cell = state_.Cells()[i];
    const QRect box = CellRect(i % 9, i / 9);
    if (cell.kind == BoardCellKind::Given) {
      p.setPen(ColourOf(colours_.givenDigit));
      p.drawText(box, Qt::AlignCenter, ToQt(base::zenkaku(cell.digit)));
    } else if (cell.kind == BoardCellKind::Player) {
      p.setPen(ColourOf(colours_.playerDigit));
      const std::string text =
          circled_ ? base::CircledDigit(cell.digit) : base::zenkaku(cell.digit);
      p.drawText(box, Qt::AlignCenter, ToQt(text));
    } else if (cell.kind != BoardCellKind::Empty) {
      p.setPen(ColourOf(colours_.givenDigit));
      p.drawText(box, Qt::AlignCenter, Utf(cell.kind == BoardCellKind::Mark ? "◆" : "◇"));
    }
  }
  DrawNotes(p);
}

// Open cells show their notes three by three: the solver's hints when the
// hint layer is shown (erased ones in their own colour), the hand-written
// notes over them.
void AssistBoardView::DrawNotes(QPainter &p) const {
  p.setFont(PixelFont(geometry_.NoteFontHeight()));
  const int third = geometry_.CellSide() / 3;
  for (int i = 0; i < 81; ++i) {
    if (state_.Cells()[i].kind != BoardCellKind::Empty)
      continue;
    const play::BoardCellPos pos{i % 9, i / 9};
    const QRect cell = CellRect(pos.column, pos.row);
    const play::NoteMask hints = state_.HintLayerShown() ? state_.Hints(pos) : 0;
    const play::NoteMask notes = state_.Notes(pos);
    for (int d = 1; d <= 9; ++d) {
      const play::NoteMask bit = static_cast<play::NoteMask>(1u << (d - 1));
      if (((hints | notes) & bit) == 0)
        continue;
      base::Colour colour = (notes & bit) != 0 ? colours_.note : colours_.hint;
      if ((notes & bit) == 0 && (state_.ErasedHints(pos) & bit) != 0)
        colour = colours_.erasedHint;
      p.setPen(ColourOf(colour));
      const QRect box(cell.x() + 1 + (d - 1) % 3 * third, cell.y() + 1 + (d - 1) / 3 * third, third,
                      third);
      p.drawText(box, Qt::AlignCenter, QString::number(d));
    }
  }
}

void AssistBoardView::DrawCursor(QPainter &p) const {
  const play::BoardCellPos c = state_.Cursor();
  p.setPen(QPen(ColourOf(colours_.cursor), 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(CellRect(c.column, c.row).adjusted(3, 3, -3, -3));
}

void AssistBoardView::mousePressEvent(QMouseEvent *event) {
  const bool right = event->button() == Qt::RightButton;
  const bool ctrl = (event->modifiers() & Qt::ControlModifier) != 0;
  const QPoint at = event->position().toPoint();
  const play::BoardClick click = state_.Click(geometry_, {at.x(), at.y()}, right, ctrl, doc_);
  update();
  if (click.onCell)
    emit clicked(click.openPalette, at);
}

void AssistBoardView::keyPressEvent(QKeyEvent *event) {
  if (const auto key = CursorKeyOf(event->key())) {
    state_.MoveCursor(*key, doc_);
  } else if (event->text() == " ") {
    state_.TypeDigit('0', doc_);
  } else if (event->text().size() == 1 && event->text()[0] >= '0' && event->text()[0] <= '9') {
    state_.TypeDigit(event->text()[0].toLatin1(), doc_);
  } else {
    emit keyForDocument(event);
    return;
  }
  update();
  emit keyHandled();
}

} // namespace zenpa::ui
