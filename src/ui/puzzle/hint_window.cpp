#include "ui/puzzle/hint_window.h"

#include "ui/common/widgets.h"
#include "ui/qt/qt_memo.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace zenpa::ui {
namespace {
constexpr int kNarrowestColumns = 24; // three cells' candidates
} // namespace

HintWindow::HintWindow(QWidget *parent) : QWidget(parent, Qt::Tool) {
  setObjectName("TForm2");
  setWindowTitle(Utf("ZENPA - hint"));
  auto *layout = new QVBoxLayout(this);
  edit_ = new QPlainTextEdit(this);
  edit_->setObjectName("HintText");
  edit_->setAccessibleName(Utf("ZENPA - hint"));
  edit_->setLineWrapMode(QPlainTextEdit::NoWrap);
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPointSize(12);
  edit_->setFont(font);
  const QFontMetrics metrics(font);
  // Room for the eleven lines of 73 columns, beside the frame and scroll
  // bars; narrower, the lines scroll sideways.
  edit_->setMinimumSize(metrics.horizontalAdvance(QString(80, 'M')), metrics.lineSpacing() * 14);
  memo_ = new QtMemo(edit_);
  memo_->setParent(this);
  auto_ = NamedCheck("CheckBox1", "自動", this);
  layout->addWidget(edit_);
  layout->addWidget(auto_);
  fullSize_ = sizeHint();
  edit_->setMinimumWidth(metrics.horizontalAdvance(QString(kNarrowestColumns, 'M')));
  resize(fullSize_);
  connect(auto_, &QCheckBox::clicked, this, [this] {
    emit refreshWanted();
    emit done();
  });
}

HintWindow::~HintWindow() = default;

bool HintWindow::PruneRepeatedly() const { return auto_->isChecked(); }

void HintWindow::ShowTopmost(bool topmost) {
  SetTopmost(this, topmost);
  show();
}

void HintWindow::closeEvent(QCloseEvent *event) {
  SetTopmost(this, false);
  QWidget::closeEvent(event);
}

void SetTopmost(QWidget *window, bool topmost) {
  if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == topmost)
    return;
  const bool shown = window->isVisible();
  window->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
  if (shown)
    window->show();
}

} // namespace zenpa::ui
