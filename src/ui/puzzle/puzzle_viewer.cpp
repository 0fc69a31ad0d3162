#include "ui/puzzle/puzzle_viewer.h"

#include "base/paths.h"
#include "base/sjis.h"
#include "base/units.h"
#include "puzzle/play/viewer_duplicates.h"
#include "ui/puzzle/puzzle_viewer_board.h"
#include "ui/puzzle/puzzle_widgets.h"
#include "ui/qt/qt_text.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace zenpa::ui {
namespace {

constexpr int kClientWidth = 582, kClientHeight = 371;
constexpr int kMinWidth = 480, kMinHeight = 348;
constexpr int kPlaceOffset = 40;
const QColor kPanelTeal(0x00, 0x80, 0x80);

QLabel *Caption(const char *text, QWidget *buddy, QWidget *parent) {
  auto *label = new QLabel(Utf(text), parent);
  label->setBuddy(buddy);
  buddy->setAccessibleName(Utf(text));
  return label;
}

QComboBox *NamedCombo(const char *name, QWidget *parent) {
  auto *combo = new QComboBox(parent);
  combo->setObjectName(name);
  return combo;
}

} // namespace

PuzzleViewer::PuzzleViewer(app::Session &session, QWidget *parent)
    : QDialog(parent), session_(session), puzzle_(session.Puzzle()) {
  setObjectName("TForm5");
  setWindowTitle(Utf("数独データビュー"));
  setSizeGripEnabled(true);
  auto *grid = new QGridLayout(this);
  grid->setContentsMargins(6, 6, 6, 6);
  BuildBrowser();
  BuildPreview();
  BuildButtons();
  BuildDuplicatePanel();
  const int scale = session_.UiScale();
  setMinimumSize(base::BAI(kMinWidth, scale), base::BAI(kMinHeight, scale));
  resize(kClientWidth, kClientHeight);
}

// The location row, the list with the duplicate panel beside it, the file
// type and the file name.
void PuzzleViewer::BuildBrowser() {
  auto *grid = static_cast<QGridLayout *>(layout());
  auto *top = new QHBoxLayout;
  location_ = NamedCombo("LocationCombo", this);
  up_ = NamedButton("UpButton", "上のフォルダへ", this);
  refresh_ = NamedButton("RefreshButton", "一覧を更新", this);
  top->addWidget(Caption("ファイルの場所", location_, this));
  top->addWidget(location_, 1);
  top->addWidget(up_);
  top->addWidget(refresh_);
  grid->addLayout(top, 0, 0, 1, 2);
  list_ = new QListWidget(this);
  list_->setObjectName("FileList");
  list_->setAccessibleName(Utf("ファイル一覧"));
  list_->installEventFilter(this);
  grid->addWidget(list_, 1, 0);
  auto *below = new QGridLayout;
  filter_ = NamedCombo("FilterCombo", this);
  for (const std::string &caption : play::ViewerFilterCaptions())
    filter_->addItem(ToQt(caption));
  fileName_ = new QLineEdit(this);
  fileName_->setObjectName("FileNameEdit");
  fileName_->setReadOnly(true);
  below->addWidget(Caption("ファイル名", fileName_, this), 0, 0);
  below->addWidget(fileName_, 0, 1);
  below->addWidget(Caption("ファイルの種類", filter_, this), 1, 0);
  below->addWidget(filter_, 1, 1);
  grid->addLayout(below, 2, 0);
  connect(location_, &QComboBox::activated, this,
          [this](int index) { ShowFolder(PathFromQt(location_->itemData(index).toString())); });
  connect(up_, &QPushButton::clicked, this, [this] { ShowFolder(play::ParentFolder(folder_)); });
  connect(refresh_, &QPushButton::clicked, this, [this] { ShowFolder(folder_); });
  connect(filter_, &QComboBox::currentIndexChanged, this, [this] { ShowFolder(folder_); });
  connect(list_, &QListWidget::currentRowChanged, this, &PuzzleViewer::Preview);
  connect(list_, &QListWidget::itemDoubleClicked, this, &PuzzleViewer::Load);
}

// The board with its counts and the raw lines.
void PuzzleViewer::BuildPreview() {
  auto *grid = static_cast<QGridLayout *>(layout());
  auto *side = new QVBoxLayout;
  board_ = new ViewerBoard(this);
  side->addWidget(board_);
  auto *counts = new QHBoxLayout;
  clues_ = NamedLabel("ClueLabel", this);
  pages_ = NamedLabel("PageLabel", this);
  answer_ = NamedLabel("AnswerLabel", this, Utf("+Answer"));
  answer_->setStyleSheet(ForegroundStyle(0x0000FF));
  for (QLabel *label : {clues_, pages_, answer_})
    counts->addWidget(label);
  counts->addStretch();
  side->addLayout(counts);
  raw_ = new QPlainTextEdit(this);
  raw_->setObjectName("RawPreview");
  raw_->setAccessibleName(Utf("データ"));
  raw_->setReadOnly(true);
  raw_->setLineWrapMode(QPlainTextEdit::NoWrap);
  // Tab stops one dialog unit apart: a quarter of the average character.
  raw_->setTabStopDistance(raw_->fontMetrics().averageCharWidth() / 4.0);
  raw_->viewport()->installEventFilter(this);
  side->addWidget(raw_, 1);
  grid->addLayout(side, 1, 1, 2, 1);
  grid->setColumnStretch(0, 1);
  grid->setRowStretch(1, 1);
}

void PuzzleViewer::BuildButtons() {
  auto *grid = static_cast<QGridLayout *>(layout());
  auto *row = new QHBoxLayout;
  answers_ = NamedCheck("AnswerCheck", "答えも付加", this);
  append_ = NamedCheck("AppendCheck", "", this);
  continuous_ = NamedLabel("ContinuousLabel", this, Utf("(連続読込)"));
  duplicates_ = NamedButton("DuplicateButton", "重複検査", this);
  load_ = NamedButton("LoadButton", "読み込む", this);
  QPushButton *close = NamedButton("CloseButton", "閉じる", this);
  for (QWidget *w : std::initializer_list<QWidget *>{answers_, append_, continuous_})
    row->addWidget(w);
  row->addStretch();
  for (QWidget *w : std::initializer_list<QWidget *>{duplicates_, load_, close})
    row->addWidget(w);
  grid->addLayout(row, 3, 0, 1, 2);
  BindSwitch(answers_, puzzle_, &settings::PuzzleOptions::appendAnswer);
  BindSwitch(append_, puzzle_, &settings::PuzzleOptions::addToDocument);
  connect(append_, &QCheckBox::toggled, continuous_, &QWidget::setVisible);
  connect(duplicates_, &QPushButton::clicked, this, &PuzzleViewer::CheckDuplicates);
  connect(load_, &QPushButton::clicked, this, &PuzzleViewer::Load);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

// The teal duplicate panel beside the list: it narrows the list while shown.
void PuzzleViewer::BuildDuplicatePanel() {
  duplicatePanel_ = new QFrame(this);
  duplicatePanel_->setObjectName("DuplicatePanel");
  duplicatePanel_->setAutoFillBackground(true);
  QPalette palette = duplicatePanel_->palette();
  palette.setColor(QPalette::Window, kPanelTeal);
  palette.setColor(QPalette::WindowText, Qt::white);
  duplicatePanel_->setPalette(palette);
  QVBoxLayout *box = PanelLayout(duplicatePanel_, "DuplicatePanel");
  QPushButton *close =
      AddTitleRow(box, {new QLabel(Utf("重複検査"), duplicatePanel_)}, "DuplicateClose", this);
  duplicateStatus_ = NamedLabel("DuplicateStatus", duplicatePanel_);
  progress_ = SlimProgressBar("DuplicateProgress", duplicatePanel_);
  duplicateResult_ = new QPlainTextEdit(duplicatePanel_);
  duplicateResult_->setObjectName("DuplicateResult");
  duplicateResult_->setAccessibleName(Utf("重複検査"));
  duplicateResult_->setReadOnly(true);
  duplicateResult_->setLineWrapMode(QPlainTextEdit::NoWrap);
  box->addWidget(duplicateStatus_);
  box->addWidget(progress_);
  box->addWidget(duplicateResult_, 1);
  auto *grid = static_cast<QGridLayout *>(layout());
  auto *pair = new QHBoxLayout;
  grid->removeWidget(list_);
  pair->addWidget(list_, 1);
  pair->addWidget(duplicatePanel_, 2);
  grid->addLayout(pair, 1, 0);
  duplicatePanel_->hide();
  connect(close, &QPushButton::clicked, this, &PuzzleViewer::CloseDuplicatePanel);
}

void PuzzleViewer::Open() {
  if (!puzzle_.MayOpenViewer())
    return;
  if (folder_.empty())
    ShowFolder(base::CurrentDirectory());
  if (!placed_ && parentWidget()) {
    move(parentWidget()->frameGeometry().topLeft() + QPoint(kPlaceOffset, kPlaceOffset));
    placed_ = true;
  }
  SyncChecks();
  list_->setFocus();
  exec();
}

void PuzzleViewer::SyncChecks() {
  const QSignalBlocker blockAnswers(answers_);
  const QSignalBlocker blockAppend(append_);
  answers_->setChecked(puzzle_.Options().appendAnswer);
  append_->setChecked(puzzle_.Options().addToDocument);
  append_->setText(ToQt(puzzle_.Display().insertionLabel));
  append_->setAccessibleName(append_->text());
  continuous_->setVisible(append_->isChecked());
}

void PuzzleViewer::ShowFolder(const std::string &dir) {
  if (checking_ || !base::DirectoryExists(dir))
    return;
  folder_ = dir;
  {
    const QSignalBlocker block(location_);
    location_->clear();
    for (const std::string &up : play::FolderChain(dir))
      location_->addItem(PathToQt(up), PathToQt(up));
  }
  items_ = play::ListFolder(dir, static_cast<play::ViewerFilter>(filter_->currentIndex()));
  const QSignalBlocker block(list_);
  list_->clear();
  const QIcon folderIcon = style()->standardIcon(QStyle::SP_DirIcon);
  const QIcon fileIcon = style()->standardIcon(QStyle::SP_FileIcon);
  for (const play::FolderItem &item : items_)
    new QListWidgetItem(item.folder ? folderIcon : fileIcon, DisplayText(item.name), list_);
  Preview();
}

const play::FolderItem *PuzzleViewer::Selected() const {
  const int row = list_->currentRow();
  if (row < 0 || row >= static_cast<int>(items_.size()))
    return nullptr;
  return &items_[static_cast<std::size_t>(row)];
}

void PuzzleViewer::Preview() {
  const play::FolderItem *item = Selected();
  const bool file = item && !item->folder;
  preview_ = file ? play::PreviewFile(play::ItemPath(folder_, item->name)) : play::ViewerPreview{};
  fileName_->setText(file ? DisplayText(item->name) : QString());
  board_->Show(preview_);
  clues_->setText(ToQt(play::CluesText(preview_)));
  pages_->setText(file ? ToQt(play::PageText(preview_)) : QString());
  answer_->setVisible(preview_.hasAnswer);
  QStringList lines;
  for (const std::string &line : preview_.rawLines)
    lines << ToQt(line);
  raw_->setPlainText(lines.join("\n"));
  raw_->moveCursor(QTextCursor::Start);
}

void PuzzleViewer::Load() {
  const play::FolderItem *item = Selected();
  if (checking_ || !item)
    return;
  if (item->folder) {
    ShowFolder(play::ItemPath(folder_, item->name));
    list_->setFocus();
    return;
  }
  const bool read = puzzle_.LoadFromViewer(folder_, item->name, preview_.error);
  if (read)
    emit loaded();
  if (read && !append_->isChecked())
    accept();
}

void PuzzleViewer::CheckDuplicates() {
  duplicates_->setEnabled(false);
  duplicatePanel_->show();
  duplicateStatus_->setText(ToQt(play::DuplicateSearchingText()));
  duplicateResult_->clear();
  progress_->setRange(0, std::max(1, static_cast<int>(items_.size())));
  progress_->setValue(0);
  progress_->show();
  std::vector<std::string> paths;
  for (const play::FolderItem &item : items_)
    paths.push_back(play::ItemPath(folder_, item.name));
  checking_ = true;
  cancelled_ = false;
  SetBrowsing(false);
  const auto report = puzzle_.FindDuplicates(
      paths, [this](int done, int) { progress_->setValue(done); }, [this] { return cancelled_; });
  checking_ = false;
  SetBrowsing(true);
  // A cancelled check leaves nothing behind: "×" closed the panel.
  if (report)
    ShowDuplicates(*report);
  list_->setFocus();
}

void PuzzleViewer::ShowDuplicates(const play::DuplicateReport &report) {
  const QString joint = ToQt(play::DuplicatePairJoint());
  QStringList lines;
  for (const play::DuplicatePair &pair : report.pairs) {
    lines << DisplayText(items_[static_cast<std::size_t>(pair.first)].name) + joint +
                 DisplayText(items_[static_cast<std::size_t>(pair.second)].name);
  }
  duplicateResult_->setPlainText(lines.join("\n"));
  duplicateStatus_->setText(ToQt(play::DuplicateSummary(report.count)));
  progress_->hide();
  duplicates_->setEnabled(true);
}

void PuzzleViewer::CloseDuplicatePanel() {
  cancelled_ = true;
  duplicates_->setEnabled(true);
  duplicatePanel_->hide();
}

// While the check runs the list and the folder controls stay still, so the
// names of the result are the names of the items checked.
void PuzzleViewer::SetBrowsing(bool on) {
  for (QWidget *w :
       std::initializer_list<QWidget *>{list_, location_, up_, refresh_, filter_, load_})
    w->setEnabled(on);
}

void PuzzleViewer::done(int result) {
  CloseDuplicatePanel();
  QDialog::done(result);
}

bool PuzzleViewer::eventFilter(QObject *watched, QEvent *event) {
  if (watched == list_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      Load();
      return true;
    }
  }
  if (watched == raw_->viewport() && event->type() == QEvent::Wheel) {
    // One line per notch.
    const int notches = static_cast<QWheelEvent *>(event)->angleDelta().y() / 120;
    raw_->verticalScrollBar()->setValue(raw_->verticalScrollBar()->value() - notches);
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

} // namespace zenpa::ui
