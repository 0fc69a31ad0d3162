#include "ui/main/edit_menu.h"

#include "editor/line_breaks.h"
#include "ui/common/widgets.h"
#include "ui/main/editor_input.h"
#include "ui/main/find_dialog.h"
#include "ui/qt/qt_memo.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPlainTextEdit>

namespace zenpa::ui {

EditMenu::EditMenu(app::Session &session, QtMemo &memo, QWidget *window)
    : QObject(window), session_(session), memo_(memo), document_(memo.Widget()), window_(window),
      dialogs_(std::make_unique<FindDialogs>(memo, session.DesktopHost(), document_, window)) {
  connect(dialogs_.get(), &FindDialogs::textReplaced, this, &EditMenu::textChanged);
  BuildMenu();
  BuildContextMenu();
  AttachContextMenu(document_);
}

EditMenu::~EditMenu() = default;

QAction *EditMenu::Item(QMenu *menu, const QByteArray &name, const char *caption,
                        const std::function<void()> &command) {
  QAction *action = menu->addAction(Utf(caption));
  action->setObjectName(name);
  connect(action, &QAction::triggered, this, command);
  return action;
}

QPlainTextEdit *EditMenu::Target() const { return target_ ? target_ : document_; }

// Undo and select all give the editor the focus; the others are the
// editor's own operations on its selection and the clipboard.
void EditMenu::AddClipboardItems(QMenu *menu, bool context) {
  const char *prefix = context ? "Popup" : "";
  auto name = [prefix](const char *item) { return QByteArray(prefix) + item; };
  auto edit = [this](void (QPlainTextEdit::*operation)(), bool focus) {
    return [this, operation, focus] {
      QPlainTextEdit *editor = Target();
      if (focus)
        editor->setFocus();
      (editor->*operation)();
    };
  };
  Item(menu, name("Undo1"), "元に戻す(&U)", edit(&QPlainTextEdit::undo, true));
  menu->addSeparator();
  Item(menu, name("Cut1"), "切り取り(&T)", edit(&QPlainTextEdit::cut, false));
  Item(menu, name("Copy1"), "コピー(&C)", edit(&QPlainTextEdit::copy, false));
  Item(menu, name("Paste1"), "貼り付け(&P)", [this] { Paste(); });
  Item(menu, name("Delete1"), "削除(&D)", [this] { Target()->textCursor().removeSelectedText(); });
  menu->addSeparator();
  Item(menu, name("SelectAll1"), context ? "全て選択(&A)" : "すべて選択(&A)",
       edit(&QPlainTextEdit::selectAll, true));
}

void EditMenu::Paste() {
  if (lineBreaks_->isChecked())
    RewriteClipboardBreaks();
  Target()->paste();
}

void EditMenu::BuildMenu() {
  menu_ = new QMenu(Utf("編集(&E)"), window_);
  menu_->setObjectName("Edit1");
  AddClipboardItems(menu_, false);
  menu_->addSeparator();
  QAction *find = Item(menu_, "Find1", "検索(&F)...", [this] { dialogs_->OpenFind(); });
  find->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
  QAction *next = Item(menu_, "FindNext1", "次を検索(&N)", [this] { dialogs_->FindNext(); });
  next->setShortcut(QKeySequence(Qt::Key_F3));
  QAction *replace = Item(menu_, "Replace1", "置換(&R)...", [this] { dialogs_->OpenReplace(); });
  replace->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
  shared_ = {find, next, replace};
  menu_->addSeparator();
  lineBreaks_ = Item(menu_, "LF2CRLF", "改行コード変換(&W)", [] {});
  lineBreaks_->setCheckable(true);
  connect(lineBreaks_, &QAction::toggled, this, &EditMenu::RewriteLineBreaks);
  overwrite_ = Item(menu_, "OverWrite", "上書きモード(&O)", [] {});
  overwrite_->setCheckable(true);
  overwrite_->setShortcut(QKeySequence(Qt::Key_Insert));
  connect(overwrite_, &QAction::toggled, this, &EditMenu::overwriteSwitched);
  enlarge_ = Item(menu_, "Kakudai", "テキスト画面拡大(&K)", [] {});
  enlarge_->setCheckable(true);
  connect(enlarge_, &QAction::toggled, this, &EditMenu::enlargeSwitched);
  for (QAction *action : menu_->actions())
    action->setShortcutContext(Qt::WindowShortcut);
}

void EditMenu::BuildContextMenu() {
  context_ = new QMenu(window_);
  context_->setObjectName("PopupMenu1");
  AddClipboardItems(context_, true);
  context_->addSeparator();
  context_->addActions(shared_);
  context_->addSeparator();
  const std::pair<const char *, const char *> items[] = {{"Hankaku", "半角(&H)"},
                                                         {"Zenkaku", "全角(&Z)"},
                                                         {"Komoji", "小文字(&L)"},
                                                         {"Oomoji", "大文字(&U)"}};
  const editor::Conversion conversions[] = {
      editor::Conversion::HalfWidth, editor::Conversion::FullWidth, editor::Conversion::LowerCase,
      editor::Conversion::UpperCase};
  for (std::size_t i = 0; i < std::size(items); ++i)
    Item(context_, items[i].first, items[i].second, [this, c = conversions[i]] { Convert(c); });
  context_->addSeparator();
  context_->addActions({lineBreaks_, overwrite_, enlarge_});
  markPlace_ = context_->addSeparator();
  markPlace_->setObjectName("MarkItems");
}

void EditMenu::AttachContextMenu(QPlainTextEdit *editor) {
  editor->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(editor, &QWidget::customContextMenuRequested, this, [this, editor](const QPoint &at) {
    target_ = editor;
    context_->exec(editor->viewport()->mapToGlobal(at));
    target_ = nullptr;
  });
}

// The document converts through its own memo; another editor through a
// memo made over it for the one command.
void EditMenu::Convert(editor::Conversion conversion) {
  QPlainTextEdit *editor = Target();
  if (editor == document_) {
    editor::ConvertSelection(memo_, conversion);
    emit textChanged();
    return;
  }
  QtMemo other(editor);
  editor::ConvertSelection(other, conversion);
}

// Checking the item rewrites the whole text: CR LF, or LF alone with Ctrl held.
void EditMenu::RewriteLineBreaks(bool on) {
  session_.Format().format.convertLineEnds = on;
  if (!on || syncing_)
    return;
  const bool ctrl = QApplication::keyboardModifiers() & Qt::ControlModifier;
  if (editor::RewriteLineBreaks(memo_, ctrl ? editor::LineBreak::Lf : editor::LineBreak::CrLf))
    emit textChanged();
}

// The checked items show what the session holds, without running their commands.
void EditMenu::Sync() {
  syncing_ = true;
  lineBreaks_->setChecked(session_.Format().format.convertLineEnds);
  overwrite_->setChecked(session_.Format().format.overwriteMode);
  enlarge_->setChecked(session_.Menus().enlargedView);
  syncing_ = false;
}

} // namespace zenpa::ui
