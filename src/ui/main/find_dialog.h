// The find dialog "検索" and the replace dialog "置換" over the core's find
// and replace commands. They offer exactly the options the commands have:
// the pattern, the replacement and match case; there is no whole-word
// option and no upward search. Both share one request, so what one searched
// for, the other opens with.
#pragma once

#include "editor/find_replace.h"
#include "platform/host.h"
#include "platform/memo.h"

#include <QObject>

#include <functional>

class QCheckBox;
class QDialog;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace zenpa::ui {

class FindDialogs : public QObject, private editor::FindReplaceHooks {
  Q_OBJECT
public:
  FindDialogs(platform::Memo &memo, platform::Host &host, QPlainTextEdit *editor, QWidget *window);

  void OpenFind();
  void OpenReplace();
  // "次を検索(&N)" (F3): searches with the find dialog's pattern and options.
  void FindNext();

  // The preview window's "調整" button, pressed before a search while it
  // shows, and its "調整中" label, clicked afterwards; unset: no preview.
  struct PreviewAdjust {
    std::function<bool()> shown;
    std::function<void()> press;
    std::function<void()> clickAdjusting;
  };
  PreviewAdjust previewAdjust;

  QDialog *FindDialog() const { return find_; }
  QDialog *ReplaceDialog() const { return replace_; }

signals:
  void textReplaced();

private:
  struct Fields {
    QLineEdit *pattern = nullptr;
    QLineEdit *replacement = nullptr;
    QCheckBox *matchCase = nullptr;
  };
  QDialog *BuildDialog(const char *name, const char *title, Fields &fields, bool replacing);
  void Show(QDialog *dialog, const Fields &fields);
  void Take(const Fields &fields);

  // editor::FindReplaceHooks
  void RevealMatch() override;
  void CloseDialog() override;
  void TextReplaced() override;
  bool PreviewAdjustable() const override { return previewAdjust.shown && previewAdjust.shown(); }
  void PressPreviewAdjust() override { previewAdjust.press(); }
  void ClickPreviewAdjusting() override { previewAdjust.clickAdjusting(); }

  QPlainTextEdit *editor_;
  editor::FindReplace core_;
  Fields findFields_, replaceFields_;
  QDialog *find_ = nullptr;
  QDialog *replace_ = nullptr;
};

} // namespace zenpa::ui
