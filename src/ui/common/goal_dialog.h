// TForm6, the goal dialog of a finished game: its caption, the headline,
// the time line, the result line (over a rounded highlight when every answer
// was right) and, for the drill game, the question whether to go on at the
// same level, with ＯＫ (Enter) and キャンセル (Esc). The puzzle game shows
// ＯＫ alone. ＯＫ has the focus when it opens.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

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
  // Shows the texts modally with ＯＫ alone: no question, no キャンセル.
  void Congratulate(const GoalTexts &report);

private:
  void Fill(const GoalTexts &report);

  QLabel *headline_, *time_, *result_, *question_, *note_;
  QPushButton *ok_ = nullptr;
  QPushButton *cancel_;
};

} // namespace zenpa::ui
