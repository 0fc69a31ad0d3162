// The generator's conditions panel Panel6 ("★数独の条件設定★", Label45): the
// clue window "数字の許容" ～ Edit16, the symmetry radio buttons, the technique
// boxes CheckBoxL1..CheckBoxL13 with "有効・必須", the extra panel Panel20
// ("表示中のみ有効" boxes CheckBoxL14..CheckBoxL17, opened by "▽"), the
// attempt counter Label46, and the auto-record panel Panel5 ("★自動記録★":
// "ファイル名", "始め", "終わり", Label38).
//
// Binds the widgets to app::PuzzleCommands and the record's puzzle options.
#pragma once

#include "app/puzzle_commands.h"

#include <QFrame>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace zenpa::ui {

class ConditionsPanel : public QFrame {
  Q_OBJECT
public:
  ConditionsPanel(app::PuzzleCommands &puzzle, QWidget *parent);

  void Refresh(const app::PuzzleDisplay &d);

signals:
  // A setting that changes what is shown was changed.
  void changed();

private:
  void BuildClueWindow();
  void BuildSymmetry();
  void BuildTechniques();
  void BuildRecordPanel();
  QLineEdit *AddRecordField(const char *name, const char *caption,
                            std::string settings::PuzzleOptions::*field);
  void RefreshTechniques();
  void RefreshRecord(const app::PuzzleDisplay &d);

  app::PuzzleCommands &puzzle_;
  QLabel *conditionsTitle_ = nullptr, *attemptsLabel_ = nullptr, *autoRecordLabel_ = nullptr;
  QSpinBox *lower_ = nullptr, *upper_ = nullptr;
  std::array<QRadioButton *, play::kSymmetryCount> symmetry_{};
  std::array<QCheckBox *, 18> boxes_{};
  QCheckBox *mustUseHardest_ = nullptr;
  QPushButton *extraButton_ = nullptr;
  QFrame *extra_ = nullptr, *record_ = nullptr;
  std::array<QLineEdit *, 3> recordFields_{};
};

} // namespace zenpa::ui
