#include "ui/puzzle/puzzle_viewer_board.h"

#include "ui/common/widgets.h"
#include "ui/qt/qt_text.h"

#include <QPainter>

namespace zenpa::ui {
namespace {

constexpr int kSide = 148;
const QColor kNavy(0x00, 0x00, 0x80);
const QColor kTeal(0x00, 0x80, 0x80);
const QColor kBlockLine(0x80, 0x80, 0xC0);

QStringList RowsOf(const std::array<std::string, 9> &rows) {
  QStringList list;
  for (const std::string &row : rows)
    list << ToQt(row);
  return list;
}

} // namespace

ViewerBoard::ViewerBoard(QWidget *parent) : QWidget(parent) {
  setObjectName("BoardPreview");
  setAccessibleName(Utf("盤面"));
  setFixedSize(kSide, kSide);
}

void ViewerBoard::Show(const play::ViewerPreview &preview) {
  clues_ = RowsOf(preview.clueRows);
  open_ = RowsOf(preview.openRows);
  setAccessibleDescription(clues_.join("\n"));
  update();
}

void ViewerBoard::paintEvent(QPaintEvent *) {
  QPainter p(this);
  p.fillRect(rect(), kNavy);
  const double cell = (kSide - 4) / 9.0;
  p.setPen(QPen(kBlockLine, 1));
  for (int i = 1; i < 3; ++i) {
    const int at = 2 + static_cast<int>(3 * i * cell);
    p.drawLine(at, 2, at, kSide - 2);
    p.drawLine(2, at, kSide - 2, at);
  }
  QFont font = p.font();
  font.setPixelSize(static_cast<int>(cell * 0.8));
  p.setFont(font);
  const auto drawRows = [&](const QStringList &rows, const QColor &colour) {
    p.setPen(colour);
    for (int r = 0; r < rows.size(); ++r) {
      for (int c = 0; c < rows[r].size() && c < 9; ++c) {
        const QRectF box(2 + c * cell, 2 + r * cell, cell, cell);
        p.drawText(box, Qt::AlignCenter, rows[r].mid(c, 1));
      }
    }
  };
  drawRows(open_, kTeal);
  drawRows(clues_, Qt::white);
}

} // namespace zenpa::ui
