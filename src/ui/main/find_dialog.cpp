#include "ui/main/find_dialog.h"

#include "ui/common/widgets.h"
#include "ui/qt/qt_text.h"

#include <QDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace zenpa::ui {
namespace {

QLineEdit *Field(QFormLayout *form, const char *name, const char *caption, QWidget *parent) {
  auto *edit = new QLineEdit(parent);
  edit->setObjectName(name);
  auto *label = new QLabel(Utf(caption), parent);
  label->setBuddy(edit);
  edit->setAccessibleName(label->text());
  form->addRow(label, edit);
  return edit;
}

} // namespace

FindDialogs::FindDialogs(platform::Memo &memo, platform::Host &host, QPlainTextEdit *editor,
                         QWidget *window)
    : QObject(window), editor_(editor), core_(memo, host, *this) {
  find_ = BuildDialog("FindDialog1", "検索", findFields_, false);
  replace_ = BuildDialog("ReplaceDialog1", "置換", replaceFields_, true);
}

// A dialog with its fields and buttons beside them, as the desktop's own
// find and replace dialogs have them.
QDialog *FindDialogs::BuildDialog(const char *name, const char *title, Fields &fields,
                                  bool replacing) {
  auto *dialog = new QDialog(editor_->window());
  dialog->setObjectName(name);
  dialog->setWindowTitle(Utf(title));
  auto *row = new QHBoxLayout(dialog);
  auto *left = new QVBoxLayout;
  auto *form = new QFormLayout;
  fields.pattern =
      Field(form, replacing ? "ReplaceFindText" : "FindText", "検索する文字列(&N):", dialog);
  if (replacing)
    fields.replacement = Field(form, "ReplaceText", "置換後の文字列(&P):", dialog);
  left->addLayout(form);
  fields.matchCase = NamedCheck(replacing ? "ReplaceMatchCase" : "MatchCase",
                                "大文字と小文字を区別する(&C)", dialog);
  left->addWidget(fields.matchCase);
  left->addStretch();
  row->addLayout(left);
  auto *buttons = new QVBoxLayout;
  QPushButton *next =
      NamedButton(replacing ? "ReplaceFindNext" : "FindNextButton", "次を検索(&F)", dialog);
  next->setDefault(true);
  buttons->addWidget(next);
  connect(next, &QPushButton::clicked, this, [this, &fields] {
    Take(fields);
    core_.FindNext();
  });
  if (replacing) {
    QPushButton *one = NamedButton("ReplaceButton", "置換して次に(&R)", dialog);
    QPushButton *all = NamedButton("ReplaceAllButton", "すべて置換(&A)", dialog);
    buttons->addWidget(one);
    buttons->addWidget(all);
    connect(one, &QPushButton::clicked, this, [this, &fields] {
      Take(fields);
      core_.Replace();
    });
    connect(all, &QPushButton::clicked, this, [this, &fields] {
      Take(fields);
      core_.ReplaceAll();
    });
  }
  QPushButton *cancel =
      NamedButton(replacing ? "ReplaceCancel" : "FindCancel", "キャンセル", dialog);
  connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  buttons->addWidget(cancel);
  buttons->addStretch();
  row->addLayout(buttons);
  return dialog;
}

// The fields as the request holds them; what was asked is the shared request.
void FindDialogs::Take(const Fields &fields) {
  editor::SearchRequest &request = core_.Request();
  request.pattern = FromQt(fields.pattern->text());
  if (fields.replacement)
    request.replacement = FromQt(fields.replacement->text());
  request.options.matchCase = fields.matchCase->isChecked();
}

void FindDialogs::Show(QDialog *dialog, const Fields &fields) {
  core_.OpenDialog([this, dialog, &fields] {
    const editor::SearchRequest &request = core_.Request();
    fields.pattern->setText(ToQt(request.pattern));
    if (fields.replacement)
      fields.replacement->setText(ToQt(request.replacement));
    fields.matchCase->setChecked(request.options.matchCase);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    fields.pattern->setFocus();
    fields.pattern->selectAll();
  });
}

void FindDialogs::OpenFind() {
  replace_->hide();
  Show(find_, findFields_);
}

void FindDialogs::OpenReplace() {
  find_->hide();
  Show(replace_, replaceFields_);
}

void FindDialogs::FindNext() {
  if (find_->isVisible())
    Take(findFields_);
  core_.FindNext();
}

void FindDialogs::RevealMatch() {
  editor_->ensureCursorVisible();
  editor_->setFocus();
}

void FindDialogs::CloseDialog() {
  find_->hide();
  replace_->hide();
}

void FindDialogs::TextReplaced() { emit textReplaced(); }

} // namespace zenpa::ui
