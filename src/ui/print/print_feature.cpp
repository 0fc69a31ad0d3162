#include "ui/print/print_feature.h"

#include "print/pagination_commands.h"
#include "ui/common/command_guards.h"
#include "ui/common/option_panels.h"
#include "ui/common/widgets.h"
#include "ui/print/mark_parts.h"
#include "ui/print/preview_window.h"
#include "ui/print/print_settings_side.h"
#include "ui/print/print_status_panel.h"
#include "ui/qt/pdf_printer.h"
#include "ui/qt/qt_memo.h"
#include "ui/qt/qt_text.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace zenpa::ui {

PrintFeature::PrintFeature(Shell &shell, const platform::FontCatalog &fonts, int uiScale)
    : QObject(shell.Window()), shell_(shell), session_(shell.Session()), fonts_(fonts),
      uiScale_(uiScale) {
  BuildStatus();
  BuildFormatItems();
  BuildMarks();
  BuildPreview();
}

PrintFeature::~PrintFeature() = default;

// The layout-status panel sits above the editor; its caret text goes on the
// status strip. Without an installed printer the print button writes a PDF
// file, laid out like the virtual printer.
void PrintFeature::BuildStatus() {
  status_ = new PrintStatusPanel(session_.Layout().Status(), shell_.Window());
  shell_.StatusStrip()->addPermanentWidget(status_->caretLabel());
  platform::Memo &memo = shell_.Memo();
  const auto pages = [this] { return session_.Layout().Layout().pagination; };
  // With Ctrl, "次頁" also shows the level of the puzzle the page begins with.
  connect(status_, &PrintStatusPanel::nextPageRequested, this,
          [this, &memo, pages](bool extend, bool levelDisplay) {
            print::GoToNextPage(memo, pages(), extend);
            if (levelDisplay) {
              session_.Puzzle().GradeAtCaret();
              shell_.Sync();
            }
          });
  connect(status_, &PrintStatusPanel::previousPageRequested, this,
          [&memo, pages](bool extend) { print::GoToPreviousPage(memo, pages(), extend); });
  connect(status_, &PrintStatusPanel::pageBreakRequested, this,
          [this, &memo] { print::InsertPageBreak(memo, session_.Format().format); });
  connect(status_, &PrintStatusPanel::layoutRequested, this, [this] { session_.Relayout(); });
  connect(status_, &PrintStatusPanel::rangeChanged, this, [this] { LaidOut(); });
  session_.pdfPrinter = [this](const std::string &path) {
    return std::make_unique<PdfPrinter>(path, &fonts_);
  };
  connect(status_, &PrintStatusPanel::printRequested, this, &PrintFeature::Print);
  connect(status_, &PrintStatusPanel::printerSetupRequested, this, [this] {
    session_.PrinterSetupCommand();
    shell_.Sync();
  });
  settings_ =
      new PrintSettingsSide(session_, session_.DesktopHost(), uiScale_, status_, shell_.Window());
  shell_.SettingsArea()->insertWidget(0, settings_->Strip());
  shell_.InstallMenu(MenuId::Print, settings_->Menu());
  shell_.Guards().Add(status_, app::CommandGroup::Print);
}

void PrintFeature::Print() {
  session_.PrintCommand(session_.Menus().enlargedView);
  shell_.Sync();
  if (preview_)
    preview_->ShowState();
}

// The format file commands; "初期設定にもどす(&B)" is enabled while "zenpa.ini" exists.
void PrintFeature::BuildFormatItems() {
  QMenu *menu = shell_.Menu(MenuId::Print);
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
    connect(action, &QAction::triggered, this, [this, command = commands[i]] {
      command();
      shell_.Sync();
    });
    shell_.Guards().Add(
        action, app::CommandGroup::File,
        i == 1 ? CommandGuards::Condition([this] { return session_.Menus().backEnabled; })
               : CommandGuards::Condition());
  }
}

// "プレビュー" stands on the status strip, beside the caret's position; the
// page-range fields and the print buttons reach the preview, and layout
// changes compose its sheet again once the pending events have run.
void PrintFeature::BuildPreview() {
  preview_ = std::make_unique<PreviewWindow>(session_, fonts_, uiScale_, nullptr);
  PreviewWindow *preview = preview_.get();
  previewButton_ = NamedButton("Button28", "プレビュー", shell_.StatusStrip());
  shell_.StatusStrip()->addPermanentWidget(previewButton_);
  shell_.Guards().Add(previewButton_, app::CommandGroup::Print);
  connect(previewButton_, &QPushButton::clicked, this, [this] {
    if (session_.Modes().Enabled(app::CommandGroup::Print))
      preview_->Open(shell_.Window());
  });
  connect(status_, &PrintStatusPanel::rangeChanged, this,
          [this] { session_.LayoutChanged(print::PreviewCause::Range); });
  connect(preview, &PreviewWindow::printRequested, this, &PrintFeature::Print);
  // A run may find the page range empty: the panel shows "印刷頁エラー" too.
  connect(preview, &PreviewWindow::composed, this, [this] {
    status_->Refresh(session_.Format().format, session_.Doc().Settings().realtimeLayoutOn);
  });
  connect(preview, &PreviewWindow::adjustPressed, this, [this] {
    if (!session_.Menus().enlargedView)
      return;
    session_.SetEnlargedView(false);
    shell_.Sync();
  });
  // While following, the preview does not keep the focus from the editor;
  // a field of the settings panel that is being stepped keeps it.
  connect(preview, &PreviewWindow::composedWhileAdjusting, this, [this] {
    if (QApplication::activeWindow() != preview_.get())
      return;
    shell_.Window()->activateWindow();
    shell_.Editor()->setFocus();
  });
}

void PrintFeature::PreviewDue() {
  if (preview_)
    preview_->RequestCompose();
}

// Each mark panel opens alone among the option panels, filled from the
// format, and "×" closes it with its items unchecked.
void PrintFeature::BuildMarks() {
  marks_ = new MarkParts(*shell_.Window(), session_, shell_.Memo(), shell_.ContextMenu(),
                         shell_.Editor());
  OptionPanels &panels = shell_.Panels();
  for (bool marks : {true, false}) {
    OptionPanel *panel = marks_->Panel(marks);
    shell_.SettingsArea()->insertWidget(0, panel);
    connect(panel, &OptionPanel::closed, this, [&panels, panel] { panels.Show(panel, false); });
  }
  connect(&panels, &OptionPanels::shown, this, [this](QWidget *panel, bool on) {
    for (bool marks : {true, false})
      if (on && panel == marks_->Panel(marks))
        marks_->Panel(marks)->Open();
  });
  const auto opener = [this, &panels](QMenu *menu, const char *name, const char *caption,
                                      bool marks) {
    QAction *action = menu->addAction(Utf(caption));
    action->setObjectName(name);
    panels.Add(marks_->Panel(marks), action);
    shell_.Guards().Add(action, app::CommandGroup::Panels);
  };
  QMenu *print = shell_.Menu(MenuId::Print);
  print->addSeparator();
  opener(print, "Umark", "◆文字拡縮・改頁マーク設定(&J)", true);
  opener(print, "miniSize", "◆ヘッダのサイズ設定(&F)", false);
  QMenu *puzzle = shell_.Menu(MenuId::Puzzle);
  puzzle->addSeparator();
  opener(puzzle, "miniSizeS", "◆遊び方等の印刷サイズ設定(&F)", false);
}

void PrintFeature::ShowMarkItems() { marks_->ShowItems(); }

// The print menu's caption follows the enlarged text view.
void PrintFeature::Refresh() {
  shell_.Menu(MenuId::Print)->setTitle(ToQt(app::PrintMenuCaption(session_.Menus().enlargedView)));
  LaidOut();
}

void PrintFeature::LaidOut() {
  status_->Refresh(session_.Format().format, session_.Doc().Settings().realtimeLayoutOn);
  settings_->Refresh();
  marks_->Refresh();
  if (preview_)
    preview_->ShowOverlay();
}

// A grid mode's label takes the place of the caret's position.
void PrintFeature::ModeChanged(app::WindowMode mode) {
  status_->caretLabel()->setVisible(!app::GridMode(mode));
}

} // namespace zenpa::ui
