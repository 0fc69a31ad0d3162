// The small modal dialogs of the editor's mark commands: TForm11
// "文字拡縮マーク挿入" (a scale mark line), TForm8 "フォント切替" (a font mark),
// TForm10 "行間切替" (a line-spacing mark) and TForm12 "左余白切替" (a
// left-margin mark). Each starts from what the caret's line says, shows the
// figures app::MarkCommands gives and inserts its mark on "OK";
// "キャンセル" closes without change.
#pragma once

#include "app/mark_commands.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QSpinBox;
class QVBoxLayout;

namespace zenpa::ui {

class SpacingPicture;

// A dialog with "OK" and "キャンセル" under its body.
class MarkDialog : public QDialog {
  Q_OBJECT
protected:
  MarkDialog(const char *name, const char *caption, app::MarkCommands &marks, QWidget *parent);
  QVBoxLayout *Body() const { return body_; }
  // A spinner with its caption as buddy, on a row of the body.
  QSpinBox *AddSpin(const char *name, const char *caption, int min, int max, int step);

  app::MarkCommands &marks_;

private:
  QVBoxLayout *body_;
};

class ScaleMarkDialog : public MarkDialog {
  Q_OBJECT
public:
  ScaleMarkDialog(app::MarkCommands &marks, QWidget *parent);
  // sample: the editor's font, which the sample character is scaled from.
  void Run(const QFont &sample);

private:
  void Show(int steps);

  QSpinBox *steps_;
  QLabel *mark_, *percent_, *sample_;
  QFont font_;
};

class FontMarkDialog : public MarkDialog {
  Q_OBJECT
public:
  FontMarkDialog(app::MarkCommands &marks, QWidget *parent);
  void Run();

private:
  void Choose(int row);

  QListWidget *list_;
  QLineEdit *name_;
};

class SpacingMarkDialog : public MarkDialog {
  Q_OBJECT
public:
  SpacingMarkDialog(app::MarkCommands &marks, QWidget *parent);
  void Run();

private:
  void Show(int change);

  QSpinBox *change_;
  QLabel *held_, *after_, *pitch_;
  SpacingPicture *picture_;
};

class IndentMarkDialog : public MarkDialog {
  Q_OBJECT
public:
  IndentMarkDialog(app::MarkCommands &marks, QWidget *parent);
  void Run();

private:
  QSpinBox *change_;
  QLabel *margin_;
};

} // namespace zenpa::ui
