// The enlarged text view "テキスト画面拡大(&K)" (also "/v", and a document
// without a format file of its own at start-up): the editor fills the
// window from the top down to the status strip. While it is on, the
// settings panels above the editor are hidden, renaming is disabled, the
// window may shrink to its small minimum height, realtime layout is off
// with "リアルタイムレイアウト表示(&L)" disabled (the session holds that), the
// print item reads "印刷メニュー(&P)" instead of "印刷(&P)", and in the "/k"
// mode the sound-assignment button "音の指定" (Mfile) is shown. Leaving it
// shows again what it hid.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QAction;
class QLayout;
class QWidget;

namespace zenpa::ui {

class EnlargedView : public QObject {
  Q_OBJECT
public:
  // area: the layout of the panels above the editor in the window.
  EnlargedView(QWidget *window, QLayout *area, QWidget *soundButton);

  bool Shown() const { return shown_; }
  // Shows or leaves the view; kMode: the sound-assignment button shows with it.
  void Show(bool on, bool kMode);

private:
  QWidget *window_;
  QLayout *area_;
  QWidget *soundButton_;
  QList<QPointer<QWidget>> hidden_; // panels the view hid
  bool shown_ = false;
};

} // namespace zenpa::ui
