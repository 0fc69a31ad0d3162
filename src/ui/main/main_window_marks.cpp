// The main window's mark parts: the five mark items of the editor's context
// menu with their dialogs, and the mark-settings and reduction panels above
// the editor with their menu items (印刷 menu: "◆文字拡縮・改頁マーク設定(&J)",
// "◆ヘッダのサイズ設定(&F)"; 数独 menu: "◆遊び方等の印刷サイズ設定(&F)").
//
// The mark items show once the document was pressed with the mouse, and only
// in the document's own context menu; the colour, font, line-spacing and
// left-margin items are enabled on a mark line.
#include "app/mark_commands.h"
#include "app/mark_settings.h"
#include "app/print_settings.h"
#include "ui/main/edit_menu.h"
#include "ui/main/editor_input.h"
#include "ui/main/main_window.h"
#include "ui/option_panels.h"
#include "ui/print/mark_dialogs.h"
#include "ui/print/mark_panels.h"
#include "ui/puzzle/puzzle_panel.h"
#include "ui/widgets.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include <vector>

namespace zenpa::ui {

class MarkParts : public QObject {
public:
  MarkParts(MainWindow &window, app::Session &session, platform::Memo &memo, EditMenu &edit,
            QPlainTextEdit *editor)
      : QObject(&window), commands_(session, memo), settings_(session),
        print_(session, session.DesktopHost()), window_(window), edit_(edit), editor_(editor) {
    BuildItems();
    markPanel_ = new MarkPanel(settings_, &window);
    reductionPanel_ = new ReductionPanel(settings_, print_, &window);
  }

  OptionPanel *Panel(bool marks) const {
    return marks ? static_cast<OptionPanel *>(markPanel_) : reductionPanel_;
  }
  void ShowItems() { itemsWanted_ = true; }

  void Refresh() {
    for (OptionPanel *panel : {Panel(true), Panel(false)})
      if (!panel->isHidden())
        panel->Refresh();
  }

private:
  QAction *Item(const char *name, const char *caption, void (MarkParts::*command)()) {
    auto *action = new QAction(Utf(caption), edit_.ContextMenu());
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, command);
    edit_.ContextMenu()->insertAction(edit_.MarkItemsPlace(), action);
    items_.push_back(action);
    return action;
  }

  void BuildItems() {
    edit_.ContextMenu()->insertSeparator(edit_.MarkItemsPlace());
    Item("Kakusyuku", "文字拡縮マーク(&M)", &MarkParts::ScaleMark);
    Item("IroCh", "文字色切替(&I)", &MarkParts::ColourMark);
    Item("FontCh", "フォント切替(&F)", &MarkParts::FontMark);
    Item("GyokanCh", "行間切替(&G)", &MarkParts::SpacingMark);
    Item("LyohakuCh", "左余白切替(&L)", &MarkParts::IndentMark);
    for (QAction *item : items_)
      item->setVisible(false);
    connect(edit_.ContextMenu(), &QMenu::aboutToShow, this, [this] {
      const bool shown = itemsWanted_ && edit_.DocumentTargeted();
      const bool onMark = commands_.ParameterItemsEnabled();
      for (QAction *item : items_) {
        item->setVisible(shown);
        item->setEnabled(item == items_.front() || onMark);
      }
    });
  }

  void ScaleMark() {
    if (!scale_)
      scale_ = new ScaleMarkDialog(commands_, &window_);
    scale_->Run(editor_->font());
  }
  void ColourMark() { commands_.ChooseColour(); }
  void FontMark() {
    if (!font_)
      font_ = new FontMarkDialog(commands_, &window_);
    font_->Run();
  }
  void SpacingMark() {
    if (!spacing_)
      spacing_ = new SpacingMarkDialog(commands_, &window_);
    spacing_->Run();
  }
  void IndentMark() {
    if (!indent_)
      indent_ = new IndentMarkDialog(commands_, &window_);
    indent_->Run();
  }

  app::MarkCommands commands_;
  app::MarkSettings settings_;
  app::PrintSettings print_;
  MainWindow &window_;
  EditMenu &edit_;
  QPlainTextEdit *editor_;
  std::vector<QAction *> items_;
  bool itemsWanted_ = false;
  MarkPanel *markPanel_ = nullptr;
  ReductionPanel *reductionPanel_ = nullptr;
  ScaleMarkDialog *scale_ = nullptr;     // owned by the window
  FontMarkDialog *font_ = nullptr;       // owned by the window
  SpacingMarkDialog *spacing_ = nullptr; // owned by the window
  IndentMarkDialog *indent_ = nullptr;   // owned by the window
};

void MainWindow::BuildMarkParts() {
  markParts_ = new MarkParts(*this, session_, *memo_, *editMenu_, editor_);
  connect(input_, &EditorInput::markItemsWanted, this, [this] { markParts_->ShowItems(); });
  for (bool marks : {true, false})
    settingsArea_->insertWidget(0, markParts_->Panel(marks));
  // Each panel opens alone among the option panels, filled from the format,
  // and "×" closes it with its items unchecked.
  const auto opener = [this](QMenu *menu, const char *name, const char *caption, bool marks) {
    QAction *action = menu->addAction(Utf(caption));
    action->setObjectName(name);
    optionPanels_->Add(markParts_->Panel(marks), action);
    puzzlePanel_->GuardDuringRun(action, app::WindowCommand::PuzzleCommand);
  };
  for (bool marks : {true, false}) {
    OptionPanel *panel = markParts_->Panel(marks);
    connect(panel, &OptionPanel::closed, this,
            [this, panel] { optionPanels_->Show(panel, false); });
  }
  connect(optionPanels_, &OptionPanels::shown, this, [this](QWidget *panel, bool on) {
    for (bool marks : {true, false})
      if (on && panel == markParts_->Panel(marks))
        markParts_->Panel(marks)->Open();
  });
  PrintMenu()->addSeparator();
  opener(PrintMenu(), "Umark", "◆文字拡縮・改頁マーク設定(&J)", true);
  opener(PrintMenu(), "miniSize", "◆ヘッダのサイズ設定(&F)", false);
  if (auto *sudoku = findChild<QMenu *>("MenuSudoku")) {
    sudoku->addSeparator();
    opener(sudoku, "miniSizeS", "◆遊び方等の印刷サイズ設定(&F)", false);
  }
}

void MainWindow::RefreshMarkParts() {
  if (markParts_)
    markParts_->Refresh();
}

} // namespace zenpa::ui
