#include "ui/main/main_window.h"

#include "app/run_input.h"
#include "app/window_geometry.h"
#include "base/sjis.h"
#include "puzzle/play/game_state.h"
#include "ui/common/option_panels.h"
#include "ui/common/widgets.h"
#include "ui/common/window_access.h"
#include "ui/drill/drill_feature.h"
#include "ui/main/editor_feature.h"
#include "ui/main/editor_font.h"
#include "ui/main/editor_input.h"
#include "ui/main/editor_row.h"
#include "ui/main/loading_notice.h"
#include "ui/main/version_box.h"
#include "ui/print/print_feature.h"
#include "ui/puzzle/puzzle_feature.h"
#include "ui/qt/qt_canvas.h"
#include "ui/qt/qt_text.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace zenpa::ui {
namespace {

std::vector<std::string> DroppedFiles(const QMimeData *data) {
  std::vector<std::string> files;
  if (!data || !data->hasUrls())
    return files;
  for (const QUrl &url : data->urls()) {
    if (url.isLocalFile())
      files.push_back(PathFromQt(url.toLocalFile()));
  }
  return files;
}

// The menus the shell makes when no feature installed its own.
struct MenuName {
  const char *name;
  const char *caption;
};
constexpr MenuName kMenus[] = {{"File1", "ファイル(&F)"},  {"Edit1", "編集(&E)"},
                               {"Print1", "印刷(&P)"},     {"Option1", "設定(&O)"},
                               {"MenuSudoku", "数独(&S)"}, {"MenuMoko", "もこさん(&K)"},
                               {"Help1", "ヘルプ(&H)"}};

} // namespace

MainWindow::MainWindow(platform::Host &host, platform::Printer &printer,
                       const platform::FontCatalog &fonts, std::string programDir, QWidget *parent)
    : QMainWindow(parent), uiScale_(UiScaleOfApplicationFont()),
      notice_(std::make_unique<LoadingNotice>(uiScale_)), editor_(new QPlainTextEdit),
      memo_(new QtMemo(editor_)), session_(*memo_, host, printer, fonts, std::move(programDir)),
      fonts_(fonts) {
  setObjectName("TForm1");
  ExposeOwnWindowsAsWindows();
  setAcceptDrops(true);
  const app::MainWindowGeometry g = app::MainGeometry(uiScale_);
  resize(g.clientWidth, g.height);
  relayoutTimer_ = new QTimer(this);
  relayoutTimer_->setSingleShot(true);
  relayoutTimer_->setInterval(0);
  connect(relayoutTimer_, &QTimer::timeout, this, [this] { session_.Relayout(); });
  optionPanels_ = new OptionPanels(this);
  connect(optionPanels_, &OptionPanels::shown, this, [this] { FitMinimumSize(); });
  BuildEditor(fonts);
  BuildFileMenu();
  BuildStatusStrip();
  editorFeature_ = new EditorFeature(*this, editorRow_, fonts);
  puzzleFeature_ = new PuzzleFeature(*this);
  drillFeature_ = new DrillFeature(*this);
  printFeature_ = new PrintFeature(*this, fonts, uiScale_);
  connect(editorFeature_, &EditorFeature::markItemsWanted, printFeature_,
          &PrintFeature::ShowMarkItems);
  editorFeature_->BindPreview(printFeature_->Preview());
  BuildHelpMenu();
  GuardShellMenus();
  session_.Modes().OnChanged([this] { ModeChanged(); });
  FitMinimumSize();
  if (QScreen *screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
  session_.SetView(this);
  connect(memo_, &QtMemo::textChanged, this, [this] {
    session_.Doc().TextChanged();
    if (session_.Doc().Settings().realtimeLayoutOn)
      relayoutTimer_->start();
  });
  connect(editor_, &QPlainTextEdit::cursorPositionChanged, this, [this] {
    session_.CaretMoved();
    DocumentLaidOut();
  });
}

// The editor outlives the session while the window's children are deleted:
// its changes must not reach the session any more.
MainWindow::~MainWindow() {
  disconnect(memo_, nullptr, this, nullptr);
  disconnect(editor_, nullptr, this, nullptr);
  session_.SetView(nullptr);
  session_.Puzzle().SetShowState(nullptr);
  delete drillFeature_;
  delete puzzleFeature_;
  delete printFeature_;
  delete editorFeature_;
}

std::vector<Feature *> MainWindow::Features() const {
  std::vector<Feature *> all;
  for (Feature *f : std::initializer_list<Feature *>{editorFeature_, printFeature_, puzzleFeature_,
                                                     drillFeature_})
    if (f)
      all.push_back(f);
  return all;
}

PreviewWindow &MainWindow::Preview() { return printFeature_->Preview(); }

editor::InputRouter &MainWindow::Router() { return editorFeature_->Router(); }

QMenu *MainWindow::Menu(MenuId id) {
  const auto index = static_cast<std::size_t>(id);
  if (!menus_[index]) {
    auto *menu = new QMenu(Utf(kMenus[index].caption), this);
    menu->setObjectName(kMenus[index].name);
    InstallMenu(id, menu);
  }
  return menus_[index];
}

// Menus stand on the bar in the order of MenuId, whichever was made first.
void MainWindow::InstallMenu(MenuId id, QMenu *menu) {
  const auto index = static_cast<std::size_t>(id);
  menus_[index] = menu;
  QAction *before = nullptr;
  for (std::size_t next = index + 1; next < menus_.size() && !before; ++next)
    if (menus_[next])
      before = menus_[next]->menuAction();
  menuBar()->insertMenu(before, menu);
}

void MainWindow::AttachEditMenu(QPlainTextEdit *box) { editorFeature_->AttachEditMenu(box); }

DocumentMenu MainWindow::ContextMenu() { return editorFeature_->ContextMenu(); }

// The side area is a dock on the right.
void MainWindow::SetSide(QWidget *panel) {
  side_ = new QDockWidget(Utf("数独"), this);
  side_->setObjectName("PuzzleDock");
  side_->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
  side_->setWidget(panel);
  addDockWidget(Qt::RightDockWidgetArea, side_);
  side_->hide();
}

// The side opens beside the document: the window grows by its width, as
// far as the screen allows, so that the document and the panels above it
// keep theirs, and goes back to its width before when the side closes.
void MainWindow::ShowSide(bool shown) {
  sideWanted_ = shown;
  if (!side_ || side_->isVisible() == shown || side_->isFloating() ||
      app::GridMode(session_.Modes().Mode()))
    return;
  const int side = side_->widget()->minimumWidth();
  const QScreen *screen = this->screen();
  const QRect room = screen ? screen->availableGeometry() : QRect();
  const int frame = frameGeometry().width() - width();
  int wanted = shown ? width() + side : std::max(widthBeforeSide_, width() - side);
  if (shown)
    widthBeforeSide_ = width();
  if (screen)
    wanted = std::min(wanted, room.width() - frame);
  side_->setVisible(shown);
  FitMinimumSize();
  resize(wanted, height());
  // The grown window stays on the screen.
  if (screen && frameGeometry().right() > room.right())
    move(std::max(room.left(), room.right() + 1 - frameGeometry().width()), y());
}

// The window may not shrink below the design minimum, nor below what its
// panels need: a narrower window would squeeze the settings panel's figures
// and buttons on top of each other. The need changes as panels open and
// labels change, so it is taken again after every layout pass.
void MainWindow::FitMinimumSize() {
  // The game locks the window to its grid's width.
  if (session_.Game().GameOn())
    return;
  const app::MainWindowGeometry g = app::MainGeometry(uiScale_);
  const int minHeight = session_.Menus().enlargedView ? g.enlargedMinHeight : g.minHeight;
  const int minWidth = narrowed_ ? 0 : g.minWidth;
  const QSize need = layout()->minimumSize().expandedTo(QSize(minWidth, minHeight));
  if (need != minimumSize())
    setMinimumSize(need);
}

// The panels a drill game hid no longer count towards the minimum: the
// layout is brought up to date before the minimum is taken.
void MainWindow::SetNarrowed(bool narrowed) {
  narrowed_ = narrowed;
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  FitMinimumSize();
}

int MainWindow::DocumentFontPixels() const { return editorFeature_->FontPixels(); }

void MainWindow::RestoreCaption() {
  setWindowTitle(session_.Game().GameOn() ? ToQt(play::GameCaption())
                                          : DisplayText(session_.Doc().Caption()));
}

void MainWindow::Relayout() { relayoutTimer_->start(); }

void MainWindow::DocumentLaidOut() {
  for (Feature *f : Features())
    f->LaidOut();
}

platform::Canvas *MainWindow::MeasureCanvas() {
  if (!measure_) {
    measureImage_ = std::make_unique<QImage>(1, 1, QImage::Format_RGB32);
    measurePainter_ = std::make_unique<QPainter>(measureImage_.get());
    measure_ = std::make_unique<QtCanvas>(*measurePainter_, QPoint{}, &fonts_);
  }
  return measure_.get();
}

print::CellRatio MainWindow::EditorCellRatio() const { return CellRatioOf(editor_->font()); }

void MainWindow::PreviewDue() {
  if (printFeature_)
    printFeature_->PreviewDue();
}

void MainWindow::BuildEditor(const platform::FontCatalog &fonts) {
  editor_->setObjectName("Memo1");
  editor_->setAccessibleName(Utf("文書"));
  editor_->horizontalScrollBar()->setAccessibleName(Utf("文書の横スクロール"));
  editor_->verticalScrollBar()->setAccessibleName(Utf("文書の縦スクロール"));
  editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
  editor_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  editor_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  editor_->setFont(StartEditorFont(fonts, uiScale_));
  editor_->viewport()->installEventFilter(this);
  editor_->setAcceptDrops(true);

  auto *central = new QWidget(this);
  auto *layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  settingsArea_ = new QVBoxLayout;
  layout->addLayout(settingsArea_);
  editorRow_ = new EditorRow(editor_, central);
  layout->addWidget(editorRow_, 1);
  setCentralWidget(central);
}

QAction *MainWindow::AddAction(QMenu *menu, const char *name, const char *caption,
                               void (MainWindow::*slot)()) {
  QAction *action = menu->addAction(Utf(caption));
  action->setObjectName(name);
  connect(action, &QAction::triggered, this, slot);
  return action;
}

void MainWindow::BuildFileMenu() {
  QMenu *file = Menu(MenuId::File);
  app::Session &s = session_;
  const std::pair<const char *, const char *> items[] = {{"New1", "新規作成(&N)"},
                                                         {"Open1", "開く(&O)..."},
                                                         {"Save1", "上書き保存(&S)"},
                                                         {"SaveAs1", "名前をつけて保存(&A)..."},
                                                         {"Insert1", "文末に追加読み込み(&I)..."}};
  const std::function<void()> commands[] = {[&s] { s.Doc().New(); }, [&s] { s.Doc().Open(); },
                                            [&s] { s.Doc().Save(); }, [&s] { s.Doc().SaveAs(); },
                                            [&s] { s.Doc().InsertAtEnd(); }};
  for (std::size_t i = 0; i < std::size(items); ++i) {
    QAction *action = file->addAction(Utf(items[i].second));
    action->setObjectName(items[i].first);
    connect(action, &QAction::triggered, this,
            [this, command = commands[i]] { RunAndSync(command); });
  }
  file->actions()[0]->setShortcut(QKeySequence::New);
  file->actions()[1]->setShortcut(QKeySequence::Open);
  file->actions()[2]->setShortcut(QKeySequence::Save);
  // Renaming is off in the enlarged text view.
  guards_.Add(AddAction(file, "Rename1", "ファイル名変更(&R)", &MainWindow::BeginRename),
              app::CommandGroup::File, [this] { return !session_.Menus().enlargedView; });
  file->addSeparator();
  QAction *exit = file->addAction(Utf("終了(&X)"));
  exit->setObjectName("Exit1");
  connect(exit, &QAction::triggered, this, &QWidget::close);
  guards_.Add(exit, app::CommandGroup::Exit);
  file->addSeparator();
  for (int slot = 1; slot <= app::kHistorySlots; ++slot) {
    QAction *item = file->addAction(QString());
    item->setObjectName(QString("h%1").arg(slot));
    connect(item, &QAction::triggered, this,
            [this, slot] { RunAndSync([this, slot] { session_.OpenHistory(slot); }); });
    history_[slot - 1] = item;
  }
}

void MainWindow::BuildHelpMenu() {
  QMenu *help = Menu(MenuId::Help);
  AddAction(help, "About1", "バージョン情報(&A)", &MainWindow::ShowVersionBox);
  connect(help->addAction(Utf("解説(&M)")), &QAction::triggered, this,
          [this] { session_.OpenManual(); });
  connect(help->addAction(Utf("ZENPA最新版")), &QAction::triggered, this,
          [this] { session_.OpenMakerPage(); });
  help->actions()[1]->setObjectName("Manual");
  help->actions()[2]->setObjectName("ZENPAWeb");
  timer_ = help->addAction(Utf("タイマーを表示(&T)"));
  timer_->setObjectName("Timer");
  connect(timer_, &QAction::triggered, this, [this] { session_.StartTimerTool(); });
  guards_.Add(timer_, app::CommandGroup::Help, [this] { return session_.Menus().timerEnabled; });
}

// The menus that rest whole in a mode: their items not guarded by a
// feature take the menu's group.
void MainWindow::GuardShellMenus() {
  guards_.AddMenu(Menu(MenuId::File), app::CommandGroup::File, true);
  guards_.AddMenu(Menu(MenuId::Edit), app::CommandGroup::Edit, true);
  guards_.AddMenu(Menu(MenuId::Settings), app::CommandGroup::Settings, false);
  guards_.AddMenu(Menu(MenuId::Print), app::CommandGroup::Print, false);
  guards_.AddMenu(Menu(MenuId::Help), app::CommandGroup::Help, true);
}

void MainWindow::BuildStatusStrip() {
  status_ = new QStatusBar(this);
  status_->setObjectName("Panel9");
  status_->setSizeGripEnabled(false);
  setStatusBar(status_);

  nameLabel_ = new QLabel(status_);
  nameLabel_->setObjectName("Label8");
  nameLabel_->setCursor(Qt::PointingHandCursor);
  nameLabel_->installEventFilter(this);
  nameLabel_->setAttribute(Qt::WA_Hover);
  renameBox_ = new QLineEdit(status_);
  renameBox_->setObjectName("Edit7");
  renameBox_->installEventFilter(this);
  renameOk_ = new QPushButton(Utf("変更"), status_);
  renameOk_->setObjectName("Button11");
  renameCancel_ = new QPushButton(Utf("取消"), status_);
  renameCancel_->setObjectName("Button13");
  connect(renameOk_, &QPushButton::clicked, this, &MainWindow::CommitRename);
  connect(renameCancel_, &QPushButton::clicked, this, &MainWindow::CancelRename);
  stop_ = NamedButton("Button16", "やめる", status_);
  for (QWidget *w :
       std::initializer_list<QWidget *>{nameLabel_, renameBox_, renameOk_, renameCancel_, stop_}) {
    status_->addWidget(w);
  }
  renameBox_->hide();
  renameOk_->hide();
  renameCancel_->hide();
  stop_->hide();
  // The strip is as tall as the design asks and the rename box and its
  // buttons need, whether they are shown or not, so the document does not
  // move when they open.
  nameLabel_->setMinimumHeight(
      std::max({app::MainGeometry(uiScale_).statusHeight, renameOk_->minimumSizeHint().height(),
                renameBox_->minimumSizeHint().height()}));
}

void MainWindow::Start(const std::vector<std::string> &args) {
  session_.Start(args, uiScale_);
  Sync();
}

// Each feature shows the session's state, then every control is enabled as
// the mode allows.
void MainWindow::Sync() {
  if (syncing_)
    return;
  syncing_ = true;
  const editor::Document &doc = session_.Doc();
  RestoreCaption();
  nameLabel_->setText(DisplayText(doc.NameLabel()));
  for (int slot = 1; slot <= app::kHistorySlots; ++slot) {
    history_[slot - 1]->setText(DisplayText(session_.RecentFiles().Caption(slot)));
  }
  const bool renaming = doc.Renaming();
  nameLabel_->setVisible(!renaming && session_.Modes().Mode() != app::WindowMode::PuzzleGame);
  renameBox_->setVisible(renaming);
  renameOk_->setVisible(renaming);
  renameCancel_->setVisible(renaming);
  for (Feature *f : Features())
    f->Refresh();
  guards_.Apply(session_.Modes().Mode());
  FitMinimumSize();
  syncing_ = false;
}

// A new mode: the controls follow the table, each feature its panels, and
// the game's narrow window keeps its status strip for the game. A grid mode
// has the window to itself: the side and the option panels go, without the
// window changing its size (the mode sizes it), and the side comes back
// when the mode ends.
void MainWindow::ModeChanged() {
  const app::WindowMode mode = session_.Modes().Mode();
  guards_.Apply(mode);
  if (app::GridMode(mode))
    optionPanels_->Show(nullptr, false);
  if (side_ && !side_->isFloating())
    side_->setVisible(sideWanted_ && !app::GridMode(mode));
  nameLabel_->setVisible(mode != app::WindowMode::PuzzleGame && !session_.Doc().Renaming());
  for (Feature *f : Features())
    f->ModeChanged(mode);
  if (mode == app::WindowMode::None)
    FitMinimumSize();
}

void MainWindow::RunAndSync(const std::function<void()> &command) {
  command();
  Sync();
}

void MainWindow::BeginRename() {
  if (session_.Menus().enlargedView)
    return; // renaming is off in the enlarged text view
  session_.Doc().BeginRename();
  Sync();
  renameBox_->setText(DisplayText(session_.Doc().RenameText()));
  renameBox_->setFocus();
  renameBox_->selectAll();
}

void MainWindow::CommitRename() {
  session_.Doc().CommitRename(FromQt(renameBox_->text()));
  Sync();
  setFocus();
}

void MainWindow::CancelRename() {
  session_.Doc().CancelRename();
  Sync();
  setFocus();
}

void MainWindow::ShowVersionBox() {
  VersionBox box(
      session_.VersionBoxLines(), [this](const std::string &url) { session_.OpenLink(url); }, this);
  box.exec();
}

// Closing during a long run stops the run and waits for it to end: the
// session asks for the close again then, after the command has returned.
void MainWindow::RequestClose() {
  QTimer::singleShot(0, this, [this] { close(); });
}

void MainWindow::closeEvent(QCloseEvent *event) {
  if (!session_.CloseQuery()) {
    event->ignore();
    Sync();
    return;
  }
  event->accept();
}

bool MainWindow::event(QEvent *event) {
  const bool handled = QMainWindow::event(event);
  if (event->type() == QEvent::LayoutRequest)
    FitMinimumSize();
  return handled;
}

void MainWindow::showEvent(QShowEvent *event) {
  QMainWindow::showEvent(event);
  if (shown_)
    return;
  shown_ = true;
  repaint();
  session_.FirstShow();
}

// Enter and Esc that no control of the window took steer a long run
// (next, stop); the document's own keys reach the run through its input
// routing.
void MainWindow::keyPressEvent(QKeyEvent *event) {
  if (session_.Puzzle().WindowKey(app::RunKeyOf(InputKeyOf(event))))
    return;
  QMainWindow::keyPressEvent(event);
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event) { AnswerDrag(event); }

void MainWindow::AnswerDrag(QDragMoveEvent *event) {
  if (!DroppedFiles(event->mimeData()).empty() && session_.Modes().Enabled(app::CommandGroup::File))
    event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event) {
  const std::vector<std::string> files = DroppedFiles(event->mimeData());
  if (files.empty())
    return;
  event->acceptProposedAction();
  RunAndSync([this, &files] { session_.DropFiles(files); });
}

// Files dropped on the editor go to the window, not into the text: the
// editor itself would refuse every move of a drag that offers only a file
// list (what file managers send), so the moves are answered here too. The
// name label acts as a button; Enter and Esc commit and cancel the rename box.
bool MainWindow::eventFilter(QObject *watched, QEvent *event) {
  const QEvent::Type type = event->type();
  if (watched == editor_->viewport() &&
      (type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop)) {
    auto *drop = static_cast<QDropEvent *>(event);
    if (DroppedFiles(drop->mimeData()).empty())
      return false;
    if (type == QEvent::Drop)
      dropEvent(drop);
    else
      AnswerDrag(static_cast<QDragMoveEvent *>(event));
    return true;
  }
  if (watched == nameLabel_)
    return NameLabelEvent(type);
  if (watched == renameBox_ && type == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
      CommitRename();
    if (key == Qt::Key_Escape)
      CancelRename();
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
  }
  return QMainWindow::eventFilter(watched, event);
}

// The name label: blue on white under the mouse; a click starts a rename.
bool MainWindow::NameLabelEvent(QEvent::Type type) {
  if (type == QEvent::Enter)
    nameLabel_->setStyleSheet("color: blue; background: white;");
  if (type == QEvent::Leave)
    nameLabel_->setStyleSheet(QString());
  if (type == QEvent::MouseButtonRelease)
    BeginRename();
  return type == QEvent::MouseButtonRelease;
}

void MainWindow::ShowLoadingNotice(const std::string &line) {
  if (!notice_)
    return;
  notice_->ShowLine(ToQt(line));
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void MainWindow::HideLoadingNotice() { notice_.reset(); }

void MainWindow::BringToFront() {
  raise();
  activateWindow();
}

void MainWindow::FocusEditor() { editor_->setFocus(); }

} // namespace zenpa::ui
