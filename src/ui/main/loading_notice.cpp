#include "ui/main/loading_notice.h"

#include "app/session.h"
#include "base/units.h"
#include "ui/qt/qt_text.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace zenpa::ui {

LoadingNotice::LoadingNotice(int uiScale, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
  setObjectName("TForm7");
  setFixedSize(base::BAI(177, uiScale), base::BAI(73, uiScale));
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, QColor(192, 192, 192));
  palette.setColor(QPalette::WindowText, Qt::white);
  setPalette(palette);

  auto *title = new QLabel("ZENPA", this);
  QFont big = title->font();
  big.setPixelSize(base::BAI(32, uiScale));
  big.setBold(true);
  title->setFont(big);
  title->setAlignment(Qt::AlignCenter);
  line_ = new QLabel(ToQt(app::LoadingLine()), this);
  line_->setObjectName("noticeLine");
  line_->setAlignment(Qt::AlignCenter);

  auto *layout = new QVBoxLayout(this);
  layout->addWidget(title);
  layout->addWidget(line_);
  if (QScreen *screen = QGuiApplication::primaryScreen()) {
    move(screen->geometry().center() - rect().center());
  }
}

void LoadingNotice::ShowLine(const QString &line) {
  line_->setText(line);
  show();
  repaint();
}

} // namespace zenpa::ui
