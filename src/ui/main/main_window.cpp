#include "ui/main/main_window.h"

#include "app/run_lock.h"
#include "app/window_geometry.h"
#include "base/sjis.h"
#include "print/pagination_commands.h"
#include "ui/drill/drill_panel.h"
#include "ui/main/editor_font.h"
#include "ui/main/editor_row.h"
#include "ui/main/loading_notice.h"
#include "ui/main/run_keys.h"
#include "ui/main/version_box.h"
#include "ui/print/preview_window.h"
#include "ui/print/print_settings_side.h"
#include "ui/print/print_status_panel.h"
#include "ui/puzzle/puzzle_panel.h"
#include "ui/qt/pdf_printer.h"
#include "ui/qt/qt_canvas.h"
#include "ui/qt/qt_text.h"
#include "ui/widgets.h"

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

} // namespace

MainWindow::MainWindow(platform::Host &host, platform::Printer &printer,
                       const platform::FontCatalog &fonts, std::string programDir, QWidget *parent)
    : QMainWindow(parent), uiScale_(UiScaleOfApplicationFont()),
      notice_(std::make_unique<LoadingNotice>(uiScale_)), editor_(new QPlainTextEdit),
      memo_(new QtMemo(editor_)), session_(*memo_, host, printer, fonts, std::move(programDir)),
      fonts_(fonts) {
  setObjectName("TForm1");
  setAcceptDrops(true);
  const app::MainWindowGeometry g = app::MainGeometry(uiScale_);
  resize(g.clientWidth, g.height);
  BuildEditor(fonts);
  BuildMenus();
  BuildStatusStrip();
  BuildPrintStatus(host);
  BuildPuzzleSide();
  BuildEditorParts();
  BuildDrillSide();
  BuildOptionPanels();
  BuildMarkParts();
  BuildPreview();
  BuildGameSide();
  BuildAssistSide();
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

// The layout-status panel sits above the editor; its caret text goes on the
// status strip. Edits are laid out once the pending events have run, so a
// burst of changes costs one layout.
void MainWindow::BuildPrintStatus(platform::Host &host) {
  relayoutTimer_ = new QTimer(this);
  relayoutTimer_->setSingleShot(true);
  relayoutTimer_->setInterval(0);
  connect(relayoutTimer_, &QTimer::timeout, this, [this] { session_.Relayout(); });
  printStatus_ = new PrintStatusPanel(session_.Layout().Status(), this);
  status_->addPermanentWidget(printStatus_->caretLabel());
  const auto &pages = [this] { return session_.Layout().Layout().pagination; };
  // With Ctrl, "次頁" also shows the level of the puzzle the page begins with.
  connect(printStatus_, &PrintStatusPanel::nextPageRequested, this,
          [this, pages](bool extend, bool levelDisplay) {
            print::GoToNextPage(*memo_, pages(), extend);
            if (levelDisplay)
              GradePuzzleAtCaret();
          });
  connect(printStatus_, &PrintStatusPanel::previousPageRequested, this,
          [this, pages](bool extend) { print::GoToPreviousPage(*memo_, pages(), extend); });
  connect(printStatus_, &PrintStatusPanel::pageBreakRequested, this,
          [this] { print::InsertPageBreak(*memo_, session_.Format().format); });
  connect(printStatus_, &PrintStatusPanel::layoutRequested, this, [this] { session_.Relayout(); });
  connect(printStatus_, &PrintStatusPanel::rangeChanged, this, &MainWindow::DocumentLaidOut);
  BindPrintButtons();
  printSettings_ = new PrintSettingsSide(session_, host, uiScale_, printStatus_, this);
  settingsArea_->addWidget(printSettings_->Strip());
  const QMenu *help = findChild<QMenu *>("Help1");
  menuBar()->insertMenu(help ? help->menuAction() : nullptr, printSettings_->Menu());
  BuildFormatItems(printSettings_->Menu());
}

QMenu *MainWindow::PrintMenu() const { return printSettings_->Menu(); }

// Without an installed printer the print button writes a PDF file, laid out
// like the virtual printer. The window has no enlarged text view yet.
void MainWindow::BindPrintButtons() {
  session_.pdfPrinter = [this](const std::string &path) {
    return std::make_unique<PdfPrinter>(path, &fonts_);
  };
  connect(printStatus_, &PrintStatusPanel::printRequested, this,
          [this] { RunAndSync([this] { session_.PrintCommand(session_.Menus().enlargedView); }); });
  connect(printStatus_, &PrintStatusPanel::printerSetupRequested, this,
          [this] { RunAndSync([this] { session_.PrinterSetupCommand(); }); });
}

// The puzzle panel in a side dock, its menu before Help, and the
// keys that steer a long puzzle run. The File menu's items are enabled during
// a run as their group is.
void MainWindow::BuildPuzzleSide() {
  puzzlePanel_ = new PuzzlePanel(session_, this);
  auto *scroll = new QScrollArea(this);
  scroll->setWidget(puzzlePanel_);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll->setMinimumWidth(puzzlePanel_->WidestWidth() +
                          scroll->verticalScrollBar()->sizeHint().width());
  puzzleDock_ = new QDockWidget(Utf("数独"), this);
  puzzleDock_->setObjectName("PuzzleDock");
  puzzleDock_->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
  puzzleDock_->setWidget(scroll);
  addDockWidget(Qt::RightDockWidgetArea, puzzleDock_);
  puzzleDock_->hide();
  connect(puzzlePanel_, &PuzzlePanel::sideWanted, this, &MainWindow::ShowPuzzleSide);
  QMenu *menu = new QMenu(Utf("数独(&S)"), this);
  menu->setObjectName("MenuSudoku");
  const QMenu *help = findChild<QMenu *>("Help1");
  menuBar()->insertMenu(help ? help->menuAction() : nullptr, menu);
  puzzlePanel_->BuildMenu(menu);
  for (const char *group : {"File1", "Print1"}) {
    for (QAction *action : findChild<QMenu *>(group)->actions())
      puzzlePanel_->GuardDuringRun(action, action->objectName() == "Exit1"
                                               ? app::WindowCommand::Exit
                                               : app::WindowCommand::FileCommand);
  }
  connect(puzzlePanel_, &PuzzlePanel::commandDone, this, &MainWindow::SyncFromSession);
  connect(puzzlePanel_, &PuzzlePanel::captionWanted, this, [this](const QString &caption) {
    setWindowTitle(caption.isEmpty() ? WindowCaption() : caption);
  });
  runKeys_ = std::make_unique<RunKeyFilter>(session_.Puzzle(), this, editor_);
}

// The puzzle side opens beside the document: the window grows by its width,
// as far as the screen allows, so that the document and the panels above it
// keep theirs, and shrinks again when it closes.
void MainWindow::ShowPuzzleSide(bool shown) {
  if (puzzleDock_->isVisible() == shown || puzzleDock_->isFloating())
    return;
  const int side = puzzleDock_->widget()->minimumWidth();
  int wanted = width() + (shown ? side : -side);
  const QScreen *screen = this->screen();
  const QRect room = screen ? screen->availableGeometry() : QRect();
  const int frame = frameGeometry().width() - width();
  if (screen)
    wanted = std::min(wanted, room.width() - frame);
  puzzleDock_->setVisible(shown);
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

void MainWindow::DocumentLaidOut() {
  if (printStatus_)
    printStatus_->Refresh(session_.Format().format, session_.Doc().Settings().realtimeLayoutOn);
  if (printSettings_)
    printSettings_->Refresh();
  RefreshMarkParts();
  // The panel's font, tab and display fields reach the editor as they change.
  if (overwriteLabel_)
    ApplyEditorLook();
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

// The editor outlives the session while the window's children are deleted:
// its changes must not reach the session any more.
MainWindow::~MainWindow() {
  disconnect(memo_, nullptr, this, nullptr);
  disconnect(editor_, nullptr, this, nullptr);
  session_.SetView(nullptr);
  session_.Puzzle().SetShowState(nullptr);
  runKeys_.reset();
}

void MainWindow::BuildEditor(const platform::FontCatalog &fonts) {
  editor_->setObjectName("Memo1");
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

void MainWindow::BuildMenus() {
  QMenu *file = menuBar()->addMenu(Utf("ファイル(&F)"));
  file->setObjectName("File1");
  AddAction(file, "New1", "新規作成(&N)", &MainWindow::NewDocument)->setShortcut(QKeySequence::New);
  AddAction(file, "Open1", "開く(&O)...", &MainWindow::OpenDocument)
      ->setShortcut(QKeySequence::Open);
  AddAction(file, "Save1", "上書き保存(&S)", &MainWindow::SaveDocument)
      ->setShortcut(QKeySequence::Save);
  AddAction(file, "SaveAs1", "名前をつけて保存(&A)...", &MainWindow::SaveDocumentAs);
  AddAction(file, "Insert1", "文末に追加読み込み(&I)...", &MainWindow::InsertAtEnd);
  AddAction(file, "Rename1", "ファイル名変更(&R)", &MainWindow::BeginRename);
  file->addSeparator();
  QAction *exit = file->addAction(Utf("終了(&X)"));
  exit->setObjectName("Exit1");
  connect(exit, &QAction::triggered, this, &QWidget::close);
  file->addSeparator();
  for (int slot = 1; slot <= app::kHistorySlots; ++slot) {
    QAction *item = file->addAction(QString());
    item->setObjectName(QString("h%1").arg(slot));
    connect(item, &QAction::triggered, this,
            [this, slot] { RunAndSync([this, slot] { session_.OpenHistory(slot); }); });
    history_[slot - 1] = item;
  }
  BuildHelpMenu();
}

// The format file commands; "初期設定にもどす(&B)" is enabled while "zenpa.ini" exists.
void MainWindow::BuildFormatItems(QMenu *menu) {
  const std::pair<const char *, const char *> items[] = {{"SaveIni", "初期設定保存(&I)"},
                                                         {"Back", "初期設定にもどす(&B)"},
                                                         {"LoadZpf", "書式読み込み(&O)..."},
                                                         {"SaveZpf", "今の書式保存(&S)..."}};
  const std::function<void()> commands[] = {
      [this] { session_.SaveInitialSettings(); }, [this] { session_.RestoreInitialSettings(); },
      [this] { session_.OpenFormat(); }, [this] { session_.SaveFormatAs(); }};
  for (std::size_t i = 0; i < std::size(items); ++i) {
    QAction *action = menu->addAction(Utf(items[i].second));
    action->setObjectName(items[i].first);
    connect(action, &QAction::triggered, this,
            [this, command = commands[i]] { RunAndSync(command); });
    if (i == 1)
      back_ = action;
  }
}

void MainWindow::BuildHelpMenu() {
  QMenu *help = menuBar()->addMenu(Utf("ヘルプ(&H)"));
  help->setObjectName("Help1");
  AddAction(help, "About1", "バージョン情報(&A)", &MainWindow::ShowVersionBox);
  AddAction(help, "Manual", "解説(&M)", &MainWindow::OpenManual);
  AddAction(help, "ZENPAWeb", "ZENPA最新版", &MainWindow::OpenMakerPage);
  timer_ = AddAction(help, "Timer", "タイマーを表示(&T)", &MainWindow::StartTimerTool);
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
  for (QWidget *w :
       std::initializer_list<QWidget *>{nameLabel_, renameBox_, renameOk_, renameCancel_}) {
    status_->addWidget(w);
  }
  renameBox_->hide();
  renameOk_->hide();
  renameCancel_->hide();
  // The strip is as tall as the design asks and the rename box and its
  // buttons need, whether they are shown or not, so the document does not
  // move when they open.
  nameLabel_->setMinimumHeight(
      std::max({app::MainGeometry(uiScale_).statusHeight, renameOk_->minimumSizeHint().height(),
                renameBox_->minimumSizeHint().height()}));
}

void MainWindow::Start(const std::vector<std::string> &args) {
  session_.Start(args, uiScale_);
  SyncFromSession();
}

void MainWindow::SyncFromSession() {
  const editor::Document &doc = session_.Doc();
  setWindowTitle(WindowCaption());
  nameLabel_->setText(DisplayText(doc.NameLabel()));
  for (int slot = 1; slot <= app::kHistorySlots; ++slot) {
    history_[slot - 1]->setText(DisplayText(session_.RecentFiles().Caption(slot)));
  }
  timer_->setEnabled(session_.Menus().timerEnabled);
  back_->setEnabled(session_.Menus().backEnabled);
  const bool renaming = doc.Renaming();
  nameLabel_->setVisible(!renaming);
  renameBox_->setVisible(renaming);
  renameOk_->setVisible(renaming);
  renameCancel_->setVisible(renaming);
  puzzlePanel_->Refresh();
  drillPanel_->Refresh();
  SyncGameItems();
  SyncEditorParts();
}

void MainWindow::RunAndSync(const std::function<void()> &command) {
  command();
  SyncFromSession();
}

void MainWindow::NewDocument() {
  RunAndSync([this] { session_.Doc().New(); });
}
void MainWindow::OpenDocument() {
  RunAndSync([this] { session_.Doc().Open(); });
}
void MainWindow::SaveDocument() {
  RunAndSync([this] { session_.Doc().Save(); });
}
void MainWindow::SaveDocumentAs() {
  RunAndSync([this] { session_.Doc().SaveAs(); });
}
void MainWindow::InsertAtEnd() {
  RunAndSync([this] { session_.Doc().InsertAtEnd(); });
}

void MainWindow::BeginRename() {
  if (session_.Menus().enlargedView)
    return; // renaming is off in the enlarged text view
  session_.Doc().BeginRename();
  SyncFromSession();
  renameBox_->setText(DisplayText(session_.Doc().RenameText()));
  renameBox_->setFocus();
  renameBox_->selectAll();
}

void MainWindow::CommitRename() {
  session_.Doc().CommitRename(FromQt(renameBox_->text()));
  SyncFromSession();
  setFocus();
}

void MainWindow::CancelRename() {
  session_.Doc().CancelRename();
  SyncFromSession();
  setFocus();
}

void MainWindow::ShowVersionBox() {
  VersionBox box(
      session_.VersionBoxLines(), [this](const std::string &url) { session_.OpenLink(url); }, this);
  box.exec();
}

void MainWindow::OpenManual() { session_.OpenManual(); }
void MainWindow::OpenMakerPage() { session_.OpenMakerPage(); }
void MainWindow::StartTimerTool() { session_.StartTimerTool(); }

// Closing during a long run stops the run and waits for it to end: the
// session asks for the close again then, after the command has returned.
void MainWindow::RequestClose() {
  QTimer::singleShot(0, this, [this] { close(); });
}

void MainWindow::closeEvent(QCloseEvent *event) {
  if (!session_.CloseQuery()) {
    event->ignore();
    SyncFromSession();
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

void MainWindow::dragEnterEvent(QDragEnterEvent *event) {
  if (!DroppedFiles(event->mimeData()).empty())
    event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event) {
  const std::vector<std::string> files = DroppedFiles(event->mimeData());
  if (files.empty())
    return;
  event->acceptProposedAction();
  RunAndSync([this, &files] { session_.DropFiles(files); });
}

// Files dropped on the editor go to the window, not into the text; the name
// label acts as a button; Enter and Esc commit and cancel the rename box.
bool MainWindow::eventFilter(QObject *watched, QEvent *event) {
  const QEvent::Type type = event->type();
  if (watched == editor_->viewport() && (type == QEvent::DragEnter || type == QEvent::Drop)) {
    auto *drop = static_cast<QDropEvent *>(event);
    if (DroppedFiles(drop->mimeData()).empty())
      return false;
    if (type == QEvent::DragEnter)
      dragEnterEvent(static_cast<QDragEnterEvent *>(event));
    if (type == QEvent::Drop)
      dropEvent(drop);
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
