// Drives the layout-status panel offscreen: labels follow the status model,
// warnings and the check mark show and hide, typed page-range text obeys the
// field rules, and the page buttons send their commands.
#include "platform/recording_canvas.h"
#include "print/layout.h"
#include "ui/print/print_status_panel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <string>
#include <utility>
#include <vector>

using namespace zenpa;

namespace {

print::LayoutResult Layout(const settings::PrintFormat &format, std::vector<std::string> lines) {
  platform::RecordingCanvas canvas;
  const print::LayoutInput in{format, platform::VirtualPrinterMetrics(210, 297), {}, {}, false};
  return print::RunLayout(print::PrintedLines(std::move(lines)), in, canvas);
}

QString Text(const QWidget &panel, const char *name) {
  return panel.findChild<QLabel *>(name)->text();
}

bool Shown(const QWidget &panel, const char *name) {
  return panel.findChild<QWidget *>(name)->isVisibleTo(&panel);
}

void Type(QLineEdit *field, const QString &text) {
  field->setText(text);
  emit field->editingFinished();
}

} // namespace

class PrintStatusPanelTest : public QObject {
  Q_OBJECT

private slots:
  void labelsAndWarningsFollowTheLayout();
  void fieldsAndButtons();
};

// A fitting layout shows its figures and the check mark; one too wide and
// too long for the paper shows the warnings instead.
void PrintStatusPanelTest::labelsAndWarningsFollowTheLayout() {
  settings::PrintFormat format;
  print::PrintStatus status;
  status.ShowLayout(format, Layout(format, std::vector<std::string>(100, "x")));
  ui::PrintStatusPanel panel(status);
  panel.Refresh(format, true);
  QCOMPARE(Text(panel, "paperLabel"), QString::fromUtf8("用紙210 x 297 mm"));
  QCOMPARE(Text(panel, "maxLinesLabel"), QString::fromUtf8("（0で最大65行）"));
  QCOMPARE(Text(panel, "endPageHintLabel"), QString::fromUtf8("（0で最終2頁）"));
  QCOMPARE(Text(panel, "linePitchLabel"), QString("4.2"));
  QVERIFY(Shown(panel, "checkMarkImage") && !Shown(panel, "Button7"));
  panel.Refresh(format, false);
  QVERIFY(Shown(panel, "Button7"));

  format.linesPerPage = 200;
  status.ShowLayout(format, Layout(format, {std::string(300, 'x')}));
  panel.Refresh(format, true);
  QCOMPARE(Text(panel, "tooWideLabel"), QString::fromUtf8("用紙の横幅を越えました。"));
  for (const char *warning : {"tooWideLabel", "tooLongLabel", "atMaxLinesLabel"})
    QVERIFY2(Shown(panel, warning), warning);
  QVERIFY(!Shown(panel, "checkMarkImage"));
  QCOMPARE(Text(panel, "rightMarginLabel"), QString("0"));
}

// Typed page-range text obeys the field rules; each button sends its command.
void PrintStatusPanelTest::fieldsAndButtons() {
  using Panel = ui::PrintStatusPanel;
  print::PrintStatus status;
  Panel panel(status);
  QSignalSpy changed(&panel, &Panel::rangeChanged);
  auto *start = panel.findChild<QLineEdit *>("startPageEdit");
  auto *end = panel.findChild<QLineEdit *>("endPageEdit");
  auto *copies = panel.findChild<QLineEdit *>("copiesEdit");
  Type(end, "2");
  Type(start, "3");
  QCOMPARE(end->text(), QString("3"));
  QCOMPARE(status.range.endPage(), 3);
  Type(start, "abc");
  QCOMPARE(start->text(), QString("3"));
  Type(copies, "0");
  QCOMPARE(copies->text(), QString("1"));
  QCOMPARE(changed.count(), 4);

  QSignalSpy next(&panel, &Panel::nextPageRequested);
  QSignalSpy previous(&panel, &Panel::previousPageRequested);
  QSignalSpy pageBreak(&panel, &Panel::pageBreakRequested);
  QSignalSpy relayout(&panel, &Panel::layoutRequested);
  QSignalSpy print(&panel, &Panel::printRequested);
  QSignalSpy setup(&panel, &Panel::printerSetupRequested);
  const std::vector<std::pair<const char *, QSignalSpy *>> buttons = {
      {"Button5", &next},     {"Button6", &previous}, {"Button4", &pageBreak},
      {"Button7", &relayout}, {"Button1", &print},    {"Button2", &setup}};
  for (const auto &[name, spy] : buttons) {
    panel.findChild<QPushButton *>(name)->click();
    QVERIFY2(spy->count() == 1, qPrintable(QString("%1 sent %2").arg(name).arg(spy->count())));
  }
  QCOMPARE(next.at(0).at(0).toBool(), false);
  QCOMPARE(panel.findChild<QPushButton *>("Button1")->text(), QString::fromUtf8("印　刷"));
  QCOMPARE(panel.findChild<QPushButton *>("Button2")->text(), QString::fromUtf8("プリンタ設定"));
  QCOMPARE(panel.findChild<QPushButton *>("Button5")->text(), QString::fromUtf8("次頁"));
}

QTEST_MAIN(PrintStatusPanelTest)
#include "print_status_panel_test.moc"
