#include "ui/puzzle/title_panel_view.h"

#include "ui/common/widgets.h"
#include "ui/qt/qt_canvas.h"
#include "ui/qt/qt_text.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

namespace zenpa::ui {
namespace {

std::vector<std::string> LinesOf(const QPlainTextEdit *box) {
  std::vector<std::string> lines;
  const QString text = box->toPlainText();
  if (text.isEmpty())
    return lines;
  for (const QString &line : text.split(QChar('\n')))
    lines.push_back(FromQt(line));
  return lines;
}

QString TextOf(const std::vector<std::string> &lines) {
  QStringList shown;
  for (const std::string &line : lines)
    shown << ToQt(line);
  return shown.join(QChar('\n'));
}

// An edited box is light pink until its text is applied.
void MarkEdited(QWidget *box, bool edited) {
  QPalette palette = box->parentWidget()->palette();
  if (edited)
    palette.setColor(QPalette::Base, ColorOfBgr(play::kEditedBoxColour));
  box->setPalette(palette);
}

} // namespace

TitlePanelView::TitlePanelView(app::Session &session, platform::Memo &memo, QWidget *parent)
    : QFrame(parent), session_(session), memo_(memo), core_(session.Puzzle().Options()) {
  setObjectName("Panel17");
  setAccessibleName(Utf("数独タイトル・遊び方編集"));
  setFrameShape(QFrame::StyledPanel);
  auto *grid = new QGridLayout(this);
  grid->setContentsMargins(4, 2, 4, 2);
  grid->setSpacing(2);
  BuildTitleRow();
  BuildHowToPlayRow();
  Load();
}

QPushButton *TitlePanelView::Button(const char *name, const char *caption,
                                    void (TitlePanelView::*slot)()) {
  QPushButton *button = NamedButton(name, caption, this);
  connect(button, &QPushButton::clicked, this, slot);
  return button;
}

void TitlePanelView::BuildTitleRow() {
  auto *grid = static_cast<QGridLayout *>(layout());
  title_ = new QLineEdit(this);
  title_->setObjectName("Edit15");
  title_->setAccessibleName(Utf("数独タイトル"));
  connect(title_, &QLineEdit::textEdited, this, [this](const QString &text) {
    core_.EditTitle(FromQt(text));
    ShowState();
  });
  applyTitle_ = Button("Button40", "変更", &TitlePanelView::ApplyTitle);
  close_ = new QToolButton(this);
  close_->setObjectName("SpeedButton9");
  close_->setText(Utf("×"));
  close_->setAccessibleName(Utf("×"));
  connect(close_, &QToolButton::clicked, this, &TitlePanelView::closeWanted);
  grid->addWidget(title_, 0, 0);
  grid->addWidget(applyTitle_, 0, 1);
  grid->addWidget(Button("Button42", "標準に戻す", &TitlePanelView::DefaultTitle), 0, 2);
  grid->addWidget(Button("Button49", "カーソル位置に挿入", &TitlePanelView::InsertTitle), 0, 3);
  grid->addWidget(close_, 0, 4, Qt::AlignRight);
}

void TitlePanelView::BuildHowToPlayRow() {
  auto *grid = static_cast<QGridLayout *>(layout());
  howToPlay_ = new QPlainTextEdit(this);
  howToPlay_->setObjectName("Memo3");
  howToPlay_->setAccessibleName(Utf("遊び方"));
  howToPlay_->setFixedHeight(howToPlay_->fontMetrics().lineSpacing() * 5 + 10);
  howToPlay_->setLineWrapMode(QPlainTextEdit::NoWrap);
  connect(howToPlay_, &QPlainTextEdit::textChanged, this, [this] {
    if (showing_)
      return;
    core_.EditHowToPlay(LinesOf(howToPlay_));
    ShowState();
  });
  applyHowToPlay_ = Button("Button41", "変更", &TitlePanelView::ApplyHowToPlay);
  auto *buttons = new QGridLayout;
  buttons->setSpacing(2);
  buttons->addWidget(applyHowToPlay_, 0, 0);
  buttons->addWidget(Button("Button43", "標準に戻す", &TitlePanelView::DefaultHowToPlay), 0, 1);
  buttons->addWidget(Button("Button44", "読込", &TitlePanelView::LoadHowToPlay), 1, 0);
  buttons->addWidget(Button("Button45", "保存", &TitlePanelView::SaveHowToPlay), 1, 1);
  buttons->addWidget(Button("Button50", "カーソル位置に挿入", &TitlePanelView::InsertHowToPlay), 2,
                     0, 1, 2);
  buttons->setRowStretch(3, 1);
  grid->addWidget(howToPlay_, 1, 0);
  grid->addLayout(buttons, 1, 1, 1, 3);
  grid->setColumnStretch(0, 1);
}

void TitlePanelView::Load() {
  core_.Open();
  title_->setText(ToQt(core_.TitleText()));
  ShowHowToPlay();
}

void TitlePanelView::ShowHowToPlay() {
  showing_ = true;
  howToPlay_->setPlainText(TextOf(core_.HowToPlayText()));
  showing_ = false;
  ShowState();
}

void TitlePanelView::ShowState() {
  applyTitle_->setEnabled(core_.TitleEdited());
  applyHowToPlay_->setEnabled(core_.HowToPlayEdited());
  MarkEdited(title_, core_.TitleEdited());
  MarkEdited(howToPlay_, core_.HowToPlayEdited());
}

void TitlePanelView::ApplyTitle() {
  core_.ApplyTitle();
  session_.Puzzle().SettingsChanged();
  ShowState();
}

void TitlePanelView::ApplyHowToPlay() {
  core_.ApplyHowToPlay();
  session_.Puzzle().SettingsChanged();
  ShowHowToPlay();
}

void TitlePanelView::DefaultTitle() {
  core_.DefaultTitle();
  title_->setText(ToQt(core_.TitleText()));
  ShowState();
}

void TitlePanelView::DefaultHowToPlay() {
  core_.DefaultHowToPlay();
  ShowHowToPlay();
}

void TitlePanelView::LoadHowToPlay() {
  if (core_.LoadHowToPlay(session_.DesktopHost()))
    ShowHowToPlay();
}

void TitlePanelView::SaveHowToPlay() { core_.SaveHowToPlay(session_.DesktopHost()); }

void TitlePanelView::InsertTitle() {
  core_.InsertTitle(memo_);
  Inserted();
}

void TitlePanelView::InsertHowToPlay() {
  core_.InsertHowToPlay(memo_);
  Inserted();
}

// The document is laid out again and takes the focus.
void TitlePanelView::Inserted() {
  session_.Relayout();
  emit documentChanged();
}

} // namespace zenpa::ui
