// The puzzle title and how-to-play panel Panel17, above the document: the
// title box Edit15 and the how-to-play box Memo3, each with its "変更"
// (Button40, Button41), "標準に戻す" (Button42, Button43) and "カーソル位置に
// 挿入" (Button49, Button50) buttons, "読込" (Button44) and "保存" (Button45)
// for the how-to-play text, and the close box SpeedButton9 "×".
//
// A thin binding over play::TitlePanel, which holds the boxes' texts, their
// changed marks and what every button does to the record.
#pragma once

#include "app/session.h"
#include "puzzle/play/title_panel.h"

#include <QFrame>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace zenpa::ui {

class TitlePanelView : public QFrame {
  Q_OBJECT
public:
  // The buttons that insert write into `memo`, the document.
  TitlePanelView(app::Session &session, platform::Memo &memo, QWidget *parent = nullptr);

  // The boxes show the stored title and how-to-play text again.
  void Load();

signals:
  // "×" was clicked.
  void closeWanted();
  // A button wrote into the document.
  void documentChanged();

private:
  void BuildTitleRow();
  void BuildHowToPlayRow();
  QPushButton *Button(const char *name, const char *caption, void (TitlePanelView::*slot)());
  void ShowState();
  void ShowHowToPlay();
  void ApplyTitle();
  void ApplyHowToPlay();
  void DefaultTitle();
  void DefaultHowToPlay();
  void LoadHowToPlay();
  void SaveHowToPlay();
  void InsertTitle();
  void InsertHowToPlay();
  void Inserted();

  app::Session &session_;
  platform::Memo &memo_;
  play::TitlePanel core_;
  QLineEdit *title_ = nullptr;
  QPlainTextEdit *howToPlay_ = nullptr;
  QPushButton *applyTitle_ = nullptr, *applyHowToPlay_ = nullptr;
  QToolButton *close_ = nullptr;
  bool showing_ = false; // the boxes are being filled, not typed into
};

} // namespace zenpa::ui
