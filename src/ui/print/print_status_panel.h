// The layout-status part of the print settings panel: paper label, maximum
// lines, pitches, margins, warnings and the check mark, the page-range
// fields, the odd/even pass buttons, the print report, the printer offsets
// and the caret's page/line/column text, plus the buttons "印　刷"
// (Button1), "プリンタ設定" (Button2), "改頁" (Button4), "次頁" (Button5),
// "前頁" (Button6) and "レイアウト" (Button7).
//
// The panel is a row of small groups, so it fits above the editor: the
// paper and its figures, the check mark or the warnings and reports, the
// page range, and the buttons.
//
// A thin binding over print::PrintStatus: the main window connects the
// signals to its layout, print and page commands and calls Refresh
// afterwards.
#pragma once

#include <QWidget>

#include "print/print_status.h"
#include "settings/print_format.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zenpa::ui {

class PrintStatusPanel : public QWidget {
  Q_OBJECT
public:
  // status must outlive the panel; the page-range fields edit status.range.
  explicit PrintStatusPanel(print::PrintStatus &status, QWidget *parent = nullptr);

  // Shows the status and the format's duplex and real-time layout state.
  void Refresh(const settings::PrintFormat &format, bool realtimeLayout);
  // The next pass of a manual duplex print: the even pages are chosen.
  void ChooseEvenPass();

  QLabel *caretLabel() const { return caret_; }

signals:
  void printRequested();
  void printerSetupRequested();
  void nextPageRequested(bool extend, bool levelDisplay);
  void previousPageRequested(bool extend);
  void pageBreakRequested();
  void layoutRequested();
  void rangeChanged(); // page range, copies or pass changed

private:
  QGridLayout *BuildFigures();
  QGridLayout *BuildMessages();
  QGridLayout *BuildRange();
  QGridLayout *BuildButtons();
  void ConnectRange();
  void ConnectButtons();
  void ApplyField(QLineEdit *field, std::string (print::PageRange::*enter)(std::string_view));

  print::PrintStatus &status_;
  QLabel *paper_, *maxLines_, *linePitch_, *charPitch_, *rightMargin_, *bottomMargin_;
  QLabel *topWithHeader_, *tooWide_, *tooLong_, *atMaxLines_, *checkMark_, *endPageHint_;
  QLabel *report1_, *report2_, *offsets_, *caret_;
  QLineEdit *startPage_, *endPage_, *copies_;
  QRadioButton *oddPass_, *evenPass_;
  QPushButton *print_, *printerSetup_, *pageBreak_, *next_, *previous_, *layoutButton_;
};

} // namespace zenpa::ui
