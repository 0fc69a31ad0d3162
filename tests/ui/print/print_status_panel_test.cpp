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

// Typed page-range text reaches the range (its rules are the range's own);
// each button sends its command.
void PrintStatusPanelTest::fieldsAndButtons() {
  using Panel = ui::PrintStatusPanel;
  print::PrintStatus status;
  Panel panel(status);
  QSignalSpy changed(&panel, &Panel::rangeChanged);
  auto *end = panel.findChild<QLineEdit *>("endPageEdit");
  Type(end, "2");
  Type(panel.findChild<QLineEdit *>("startPageEdit"), "3");
  QCOMPARE(end->text(), QString("3"));
  QCOMPARE(status.range.endPage(), 3);
  QCOMPARE(changed.count(), 2);

  QStringList sent;
  const auto record = [&](auto signal, const char *name) {
    QObject::connect(&panel, signal, [&sent, name] { sent << name; });
  };
  QObject::connect(&panel, &Panel::nextPageRequested,
                   [&sent](bool extend) { sent << (extend ? "next+" : "next"); });
  record(&Panel::previousPageRequested, "previous");
  record(&Panel::pageBreakRequested, "break");
  record(&Panel::layoutRequested, "layout");
  record(&Panel::printRequested, "print");
  record(&Panel::printerSetupRequested, "setup");
  for (const char *name : {"Button5", "Button6", "Button4", "Button7", "Button1", "Button2"})
    panel.findChild<QPushButton *>(name)->click();
  QCOMPARE(sent.join(' '), QString("next previous break layout print setup"));
  QStringList captions;
  for (const char *name : {"Button1", "Button2", "Button5"})
    captions << panel.findChild<QPushButton *>(name)->text();
  QCOMPARE(captions.join('|'), QString::fromUtf8("印　刷|プリンタ設定|次頁"));
}

QTEST_MAIN(PrintStatusPanelTest)
#include "print_status_panel_test.moc"
