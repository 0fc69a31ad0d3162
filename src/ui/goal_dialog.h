// TForm6, the goal dialog of a finished game: its caption, the headline,
// the time line, the result line (over a rounded highlight when every answer
// was right) and the question whether to go on at the same level, with ＯＫ
// (Enter) and キャンセル (Esc). ＯＫ has the focus when it opens.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;

namespace zenpa::ui {

// The dialog's texts, shown as given.
struct GoalTexts {
  QString caption, headline, timeLine, resultLine, question, note;
  bool allCorrect = false; // the rounded highlight behind the result line
};

class GoalDialog : public QDialog {
  Q_OBJECT
public:
  explicit GoalDialog(QWidget *parent = nullptr);

  // Shows the report modally; true for ＯＫ.
  bool Ask(const GoalTexts &report);

private:
  QLabel *headline_, *time_, *result_, *question_, *note_;
};

} // namespace zenpa::ui
