// The print feature's mark parts: the five mark items of the document's
// context menu with their dialogs (文字拡縮マーク, 文字色切替, フォント切替,
// 行間切替, 左余白切替), and the mark-settings and reduction panels above the
// editor. The mark items show once the document was pressed with the mouse,
// and only in the document's own context menu; the colour, font,
// line-spacing and left-margin items are enabled on a mark line.
#pragma once

#include "app/mark_commands.h"
#include "app/mark_settings.h"
#include "app/print_settings.h"
#include "ui/common/shell.h"
#include "ui/common/widgets.h"
#include "ui/print/mark_dialogs.h"
#include "ui/print/mark_panels.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>

#include <vector>

namespace zenpa::ui {

class MarkParts : public QObject {
public:
  MarkParts(QWidget &window, app::Session &session, platform::Memo &memo, DocumentMenu edit,
            QPlainTextEdit *editor)
      : QObject(&window), commands_(session, memo), settings_(session),
        print_(session, session.DesktopHost()), window_(window), edit_(std::move(edit)),
        editor_(editor) {
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
    auto *action = new QAction(Utf(caption), edit_.menu);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, command);
    edit_.menu->insertAction(edit_.place, action);
    items_.push_back(action);
    return action;
  }

  void BuildItems() {
    edit_.menu->insertSeparator(edit_.place);
    Item("Kakusyuku", "文字拡縮マーク(&M)", &MarkParts::ScaleMark);
    Item("IroCh", "文字色切替(&I)", &MarkParts::ColourMark);
    Item("FontCh", "フォント切替(&F)", &MarkParts::FontMark);
    Item("GyokanCh", "行間切替(&G)", &MarkParts::SpacingMark);
    Item("LyohakuCh", "左余白切替(&L)", &MarkParts::IndentMark);
    for (QAction *item : items_)
      item->setVisible(false);
    connect(edit_.menu, &QMenu::aboutToShow, this, [this] {
      const bool shown = itemsWanted_ && edit_.overDocument();
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
  QWidget &window_;
  DocumentMenu edit_;
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

} // namespace zenpa::ui
