#include "ui/print/preview_window.h"

#include "base/units.h"
#include "print/preview.h"
#include "ui/common/widgets.h"
#include "ui/common/window_place.h"
#include "ui/print/field_spin.h"
#include "ui/print/preview_page.h"
#include "ui/qt/qt_canvas.h"
#include "ui/qt/qt_text.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>

namespace zenpa::ui {
namespace {

// The sheet of the session's preview drawn on an image of the given size.
QImage ComposedImage(app::Session &session, const platform::FontCatalog &fonts,
                     print::ImageSize size) {
  QImage image(std::max(1, size.width), std::max(1, size.height), QImage::Format_RGB32);
  image.fill(Qt::white);
  const print::PageGeometry &g = session.Layout().Layout().geometry;
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.scale(static_cast<double>(image.width()) / std::max(1, g.paperW),
                static_cast<double>(image.height()) / std::max(1, g.paperH));
  QtCanvas canvas(painter, {}, &fonts);
  session.ComposePreview(canvas);
  return image;
}

} // namespace

PreviewWindow::PreviewWindow(app::Session &session, const platform::FontCatalog &fonts, int uiScale,
                             QWidget *parent)
    : QWidget(parent, Qt::Window), session_(session), commands_(session), fonts_(fonts),
      uiScale_(uiScale) {
  setObjectName("TForm3");
  setWindowTitle(Utf("印刷プレビュー"));
  // The program ends with its main window, the preview open or not.
  setAttribute(Qt::WA_QuitOnClose, false);
  auto *column = new QVBoxLayout(this);
  column->setContentsMargins(4, 4, 4, 4);
  column->addWidget(BuildButtons());
  box_ = new QScrollArea(this);
  box_->setObjectName("ScrollBox1");
  box_->setAlignment(Qt::AlignCenter);
  box_->setBackgroundRole(QPalette::Dark);
  page_ = new PreviewPage(box_);
  box_->setWidget(page_);
  box_->viewport()->installEventFilter(this);
  column->addWidget(box_, 1);
  composeTimer_ = new QTimer(this);
  composeTimer_->setSingleShot(true);
  composeTimer_->setInterval(0);
  Connect();
  resize(base::BAI(print::kPreviewWidth, uiScale), base::BAI(print::kPreviewHeight, uiScale));
  setMinimumWidth(print::kPreviewMinWidth);
}

QWidget *PreviewWindow::BuildButtons() {
  auto *bar = new QWidget(this);
  auto *rows = new QVBoxLayout(bar);
  rows->setContentsMargins(0, 0, 0, 0);
  auto *nav = new QHBoxLayout;
  first_ = NamedButton("Button3", "始頁", bar);
  previous_ = NamedButton("Button1", "前頁", bar);
  sheet_ = NamedLabel("Label1", bar, QStringLiteral("100/100"));
  sheet_->setAccessibleName(QStringLiteral("100/100"));
  sheet_->setAlignment(Qt::AlignCenter);
  sheet_->setMinimumWidth(sheet_->fontMetrics().horizontalAdvance(Utf("印刷頁エラー")));
  next_ = NamedButton("Button2", "次頁", bar);
  last_ = NamedButton("Button4", "終頁", bar);
  print_ = NamedButton("Button5", "印 刷", bar);
  close_ = NamedButton("Button6", "閉じる", bar);
  for (QWidget *w : {static_cast<QWidget *>(first_), static_cast<QWidget *>(previous_),
                     static_cast<QWidget *>(sheet_), static_cast<QWidget *>(next_),
                     static_cast<QWidget *>(last_)})
    nav->addWidget(w);
  nav->addStretch(1);
  nav->addWidget(print_);
  nav->addWidget(close_);
  rows->addLayout(nav);
  rows->addWidget(BuildZoom());
  return bar;
}

QWidget *PreviewWindow::BuildZoom() {
  auto *bar = new QWidget(this);
  auto *row = new QHBoxLayout(bar);
  row->setContentsMargins(0, 0, 0, 0);
  adjust_ = NamedButton("Button7", "調整", bar);
  // Clicked, the label ends following; it reads "調整中" once shown.
  adjusting_ = NamedLabel("Label2", bar, Utf("調整中 "));
  adjusting_->setAccessibleName(Utf("調整中"));
  adjusting_->setStyleSheet(QStringLiteral("color: #c00000;"));
  adjusting_->setCursor(Qt::PointingHandCursor);
  adjusting_->installEventFilter(this);
  adjusting_->hide();
  zoom_ = new FieldSpin("Edit1", Utf("拡大率"), QStringLiteral("0000"), bar);
  zoom_->enter = [](const QString &typed) { return typed; };
  zoom_->step = [this](int steps) {
    const int now = print::ZoomFromText(FromQt(zoom_->text()), commands_.Zoom());
    return QString::number(print::ZoomFromText(std::to_string(now + steps * 10), now));
  };
  apply_ = NamedButton("Button8", "決定", bar);
  auto *caption = new QLabel(Utf("拡大率"), bar);
  caption->setBuddy(zoom_);
  row->addWidget(adjust_);
  row->addWidget(adjusting_);
  row->addStretch(1);
  row->addWidget(caption);
  row->addWidget(zoom_);
  row->addWidget(new QLabel(QStringLiteral("%"), bar));
  row->addWidget(apply_);
  return bar;
}

void PreviewWindow::Connect() {
  connect(composeTimer_, &QTimer::timeout, this, &PreviewWindow::Compose);
  connect(first_, &QPushButton::clicked, this, [this] { Step(app::SheetStep::First); });
  connect(previous_, &QPushButton::clicked, this, [this] { Step(app::SheetStep::Previous); });
  connect(next_, &QPushButton::clicked, this, [this] { Step(app::SheetStep::Next); });
  connect(last_, &QPushButton::clicked, this, [this] { Step(app::SheetStep::Last); });
  connect(print_, &QPushButton::clicked, this, &PreviewWindow::printRequested);
  connect(close_, &QPushButton::clicked, this, &QWidget::close);
  connect(adjust_, &QPushButton::clicked, this, &PreviewWindow::PressAdjust);
  connect(zoom_, &FieldSpin::textChanged, this, [this] { apply_->setEnabled(true); });
  connect(apply_, &QPushButton::clicked, this, &PreviewWindow::ApplyZoom);
}

void PreviewWindow::Open(const QWidget *mainWindow) {
  commands_.Open();
  // First up and left of the main window, later where the user left it;
  // each time wholly on the screen.
  QPoint wanted = pos();
  if (!placed_) {
    placed_ = true;
    adjusting_->setText(ToQt(print::AdjustingText()));
    const print::WindowPlace at = print::FirstPreviewPlace(mainWindow->x(), mainWindow->y());
    wanted = QPoint(at.x, at.y);
  }
  zoom_->Show(QString::number(commands_.Zoom()));
  apply_->setEnabled(false);
  show();
  raise();
  activateWindow();
  Compose();
  // Placed at the size the paper gave it.
  PlaceWindow(this, mainWindow, {}, wanted, size(), width());
  commands_.Opened();
  ShowState();
}

void PreviewWindow::RequestCompose() {
  if (session_.PreviewState().IsOpen())
    composeTimer_->start();
}

void PreviewWindow::Compose() {
  composeTimer_->stop();
  if (!session_.PreviewState().IsOpen())
    return;
  const print::PageGeometry &g = session_.Layout().Layout().geometry;
  const bool landscape = g.paperW >= g.paperH;
  if (landscape_ != static_cast<int>(landscape))
    FitWindowToPaper(landscape);
  const print::ImageSize size = print::FitPageImage(g.paperW, g.paperH, box_->width(),
                                                    box_->height(), uiScale_, commands_.Zoom());
  page_->Show(ComposedImage(session_, fonts_, size), Overlay(size));
  ShowState();
  if (!session_.PreviewState().AdjustVisible())
    emit composedWhileAdjusting();
  emit composed();
}

print::PreviewOverlay PreviewWindow::Overlay(print::ImageSize size) const {
  const settings::PrintFormat &format = session_.Format().format;
  const bool back = format.duplex && session_.Layout().Status().range.evenPass();
  return print::OverlayOf(format, session_.Layout().Layout().geometry, size, back);
}

void PreviewWindow::ShowOverlay() {
  if (!session_.PreviewState().IsOpen() || page_->Image().isNull())
    return;
  page_->ShowOverlay(Overlay({page_->Image().width(), page_->Image().height()}));
}

void PreviewWindow::ShowState() {
  const print::Preview &p = session_.PreviewState();
  // The label is read out by what it shows.
  sheet_->setText(ToQt(p.SheetLabel()));
  sheet_->setAccessibleName(sheet_->text());
  const print::PreviewNavigation nav = p.Navigation();
  first_->setEnabled(nav.first);
  previous_->setEnabled(nav.previous);
  next_->setEnabled(nav.next);
  last_->setEnabled(nav.last);
  adjust_->setVisible(p.AdjustVisible());
  adjusting_->setVisible(!p.AdjustVisible());
}

void PreviewWindow::PressAdjust() {
  emit adjustPressed();
  commands_.PressAdjust();
  Compose();
}

// A run the following asked for and that has not come yet is dropped.
void PreviewWindow::ClickAdjusting() {
  composeTimer_->stop();
  commands_.ClickAdjusting();
  raise();
  ShowState();
}

bool PreviewWindow::AdjustShown() const {
  return isVisible() && session_.PreviewState().IsOpen() && session_.PreviewState().AdjustVisible();
}

void PreviewWindow::Step(app::SheetStep step) {
  commands_.Step(step);
  Compose();
}

void PreviewWindow::ApplyZoom() {
  zoom_->Show(ToQt(commands_.EnterZoom(FromQt(zoom_->text()))));
  apply_->setEnabled(false);
  Compose();
}

// The window takes its composed size when the paper turns; the page image
// then fits the scroll box again.
void PreviewWindow::FitWindowToPaper(bool landscape) {
  landscape_ = landscape;
  resize(std::max(print::kPreviewMinWidth, print::kPreviewWidth), print::kPreviewHeight);
}

void PreviewWindow::Scroll(int steps) {
  const int by = steps * print::kPreviewWheelStep;
  box_->verticalScrollBar()->setValue(box_->verticalScrollBar()->value() - by);
  box_->horizontalScrollBar()->setValue(box_->horizontalScrollBar()->value() - by);
}

void PreviewWindow::closeEvent(QCloseEvent *event) {
  commands_.Close();
  composeTimer_->stop();
  ShowState();
  QWidget::closeEvent(event);
}

void PreviewWindow::resizeEvent(QResizeEvent *event) {
  QWidget::resizeEvent(event);
  if (!session_.PreviewState().IsOpen())
    return;
  const print::PageGeometry &g = session_.Layout().Layout().geometry;
  const print::ImageSize size = print::FitPageImage(g.paperW, g.paperH, box_->width(),
                                                    box_->height(), uiScale_, commands_.Zoom());
  if (QSize(size.width, size.height) != page_->Image().size())
    RequestCompose();
}

bool PreviewWindow::eventFilter(QObject *watched, QEvent *event) {
  if (watched == adjusting_ && event->type() == QEvent::MouseButtonPress) {
    ClickAdjusting();
    return true;
  }
  if (box_ && watched == box_->viewport() && event->type() == QEvent::Wheel) {
    const int delta = static_cast<QWheelEvent *>(event)->angleDelta().y();
    if (delta != 0)
      Scroll(delta > 0 ? std::max(1, delta / 120) : std::min(-1, delta / 120));
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

} // namespace zenpa::ui
