// The Edit menu "編集(&E)" and the editors' own context menu, which replaces
// the toolkit's English one. The context menu serves any plain-text editor
// that asks for it (the document Memo1 and the conversion panel's text box
// Memo2, through AttachContextMenu) and acts on whichever opened it; the
// Edit menu acts on Memo1.
//
// Edit menu: 元に戻す, 切り取り, コピー, 貼り付け, 削除, すべて選択, 検索 (Ctrl+F),
// 次を検索 (F3), 置換 (Ctrl+R), 改行コード変換 (LF2CRLF), 上書きモード (OverWrite,
// Insert) and テキスト画面拡大 (Kakudai). The context menu has the same items
// ("全て選択" for select all) and the conversions 半角, 全角, 小文字 and 大文字;
// the five mark items go before MarkItemsPlace().
#pragma once

#include "app/session.h"
#include "editor/conversions.h"

#include <QList>
#include <QObject>

#include <functional>
#include <memory>

class QAction;
class QMenu;
class QPlainTextEdit;

namespace zenpa::ui {

class FindDialogs;
class QtMemo;

class EditMenu : public QObject {
  Q_OBJECT
public:
  EditMenu(app::Session &session, QtMemo &memo, QWidget *window);
  ~EditMenu() override;

  QMenu *Menu() const { return menu_; }
  QMenu *ContextMenu() const { return context_; }
  // The context menu's mark items are inserted before this separator.
  QAction *MarkItemsPlace() const { return markPlace_; }
  // The context menu is open for the document (not for another editor).
  bool DocumentTargeted() const { return Target() == document_; }
  QAction *OverwriteAction() const { return overwrite_; }
  QAction *EnlargeAction() const { return enlarge_; }
  FindDialogs &Find() { return *dialogs_; }

  // The editor asks for this context menu instead of the toolkit's own.
  void AttachContextMenu(QPlainTextEdit *editor);
  // The checked items follow the session.
  void Sync();
  bool Syncing() const { return syncing_; }

signals:
  // The text changed under a command: lay it out again.
  void textChanged();
  // The overwrite mode or the enlarged view was switched.
  void overwriteSwitched(bool on);
  void enlargeSwitched(bool on);

private:
  void BuildMenu();
  void BuildContextMenu();
  void AddClipboardItems(QMenu *menu, bool context);
  QAction *Item(QMenu *menu, const QByteArray &name, const char *caption,
                const std::function<void()> &command);
  void Paste();
  void Convert(editor::Conversion conversion);
  void RewriteLineBreaks(bool on);
  QPlainTextEdit *Target() const;

  app::Session &session_;
  QtMemo &memo_;
  QPlainTextEdit *document_;
  QWidget *window_;
  QPlainTextEdit *target_ = nullptr; // the editor whose context menu is open
  QMenu *menu_ = nullptr;
  QMenu *context_ = nullptr;
  QList<QAction *> shared_; // find, find next, replace: in both menus
  QAction *lineBreaks_ = nullptr;
  QAction *overwrite_ = nullptr;
  QAction *enlarge_ = nullptr;
  QAction *markPlace_ = nullptr;
  std::unique_ptr<FindDialogs> dialogs_;
  bool syncing_ = false;
};

} // namespace zenpa::ui
