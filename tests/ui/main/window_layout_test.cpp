// The main window as a user meets it, offscreen: empty, with a puzzle
// document and the puzzle side, after grading, during a step-by-step solve,
// with the conditions, extra, auto-record and conversion panels open, and with
// the duplex pass buttons. In every state no two visible sibling widgets
// overlap, no caption is cut, no control is squeezed below the size its text
// needs, and nothing sticks out of the widget that holds it.
//
// With ZENPA_LAYOUT_SHOTS set to a directory, each state is also saved there
// as a PNG for a person to look at.
#include "base/sjis.h"
#include "support/puzzle_samples.h"
#include "ui/support/window_rig.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyleOptionButton>
#include <QtTest>

#include <algorithm>
#include <iterator>
#include <memory>

using namespace zenpa;

namespace {

QString Shown(const QWidget *w) {
  return QString("%1 (%2)").arg(w->objectName(), w->metaObject()->className());
}

QString Size(const QSize &s) { return QString("%1x%2").arg(s.width()).arg(s.height()); }

QList<QWidget *> VisibleChildren(const QWidget *parent) {
  QList<QWidget *> shown;
  for (QWidget *child : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
    if (child->isVisible() && !child->isWindow())
      shown << child;
  }
  return shown;
}

// Widgets Qt adds inside its own composite widgets (a scroll area's
// viewport, a spin box's edit) are not ours to lay out, but what they hold is.
bool OwnWidget(const QWidget *w) { return !w->objectName().startsWith("qt_"); }

QString PlainCaption(QString text) { return text.remove(QRegularExpression("&(?!&)")); }

// The width a button's caption needs inside the label area its style gives it.
int ButtonTextRoom(const QAbstractButton *b) {
  QStyleOptionButton option;
  option.initFrom(b);
  option.text = b->text();
  QStyle::SubElement element = QStyle::SE_PushButtonContents;
  if (qobject_cast<const QCheckBox *>(b))
    element = QStyle::SE_CheckBoxContents;
  if (qobject_cast<const QRadioButton *>(b))
    element = QStyle::SE_RadioButtonContents;
  return b->style()->subElementRect(element, &option, b).width();
}

QString CutText(const QWidget *w) {
  if (const auto *b = qobject_cast<const QAbstractButton *>(w)) {
    const int need = b->fontMetrics().horizontalAdvance(PlainCaption(b->text()));
    if (!b->text().isEmpty() && ButtonTextRoom(b) < need)
      return Shown(w) + " caption is cut";
  }
  if (const auto *l = qobject_cast<const QLabel *>(w); l && !l->text().isEmpty()) {
    const QRect room = l->contentsRect().marginsRemoved(QMargins(l->margin(), 0, l->margin(), 0));
    const int need = l->wordWrap() ? l->heightForWidth(l->width())
                                   : l->fontMetrics().horizontalAdvance(l->text());
    const int has = l->wordWrap() ? l->height() : room.width();
    if (has < need)
      return Shown(w) + " text is cut: " + l->text();
  }
  return {};
}

// Controls must keep at least the size their contents need.
QString Squeezed(const QWidget *w) {
  const bool control = qobject_cast<const QAbstractButton *>(w) ||
                       qobject_cast<const QAbstractSpinBox *>(w) ||
                       qobject_cast<const QLineEdit *>(w) || qobject_cast<const QLabel *>(w);
  const QSize need = w->minimumSizeHint();
  if (!control || !need.isValid())
    return {};
  const bool narrow = !qobject_cast<const QLabel *>(w) && w->width() < need.width() &&
                      w->maximumWidth() >= need.width();
  if (w->height() < need.height() || narrow)
    return QString("%1 is %2, needs %3").arg(Shown(w), Size(w->size()), Size(need));
  return {};
}

// A widget that sticks out of its parent is cut; in a scroll area's
// viewport only the directions the area does not scroll count.
QString OutOfParent(const QWidget *w) {
  const QWidget *parent = w->parentWidget();
  QRect room = parent->rect();
  const auto *area = qobject_cast<const QAbstractScrollArea *>(parent->parentWidget());
  if (area && parent->objectName() == "qt_scrollarea_viewport") {
    const QRect g = w->geometry();
    if (area->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff) {
      room.setTop(qMin(room.top(), g.top()));
      room.setBottom(qMax(room.bottom(), g.bottom()));
    }
    if (area->horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff) {
      room.setLeft(qMin(room.left(), g.left()));
      room.setRight(qMax(room.right(), g.right()));
    }
  }
  return room.contains(w->geometry()) ? QString() : Shown(w) + " leaves " + Shown(parent);
}

void CollectFaults(const QWidget *parent, QStringList &faults) {
  const QList<QWidget *> children = VisibleChildren(parent);
  QList<QWidget *> own;
  std::copy_if(children.begin(), children.end(), std::back_inserter(own), OwnWidget);
  for (qsizetype i = 0; i < own.size(); ++i) {
    for (qsizetype j = i + 1; j < own.size(); ++j) {
      if (own[i]->geometry().intersects(own[j]->geometry()))
        faults << QString("%1 overlaps %2").arg(Shown(own[i]), Shown(own[j]));
    }
    for (const QString &fault : {CutText(own[i]), Squeezed(own[i]), OutOfParent(own[i])}) {
      if (!fault.isEmpty())
        faults << fault;
    }
  }
  for (const QWidget *child : children)
    CollectFaults(child, faults);
}

// The widget Tab lands on, as the user sees it: a spin box for its edit.
QWidget *TabStop(QWidget *w) {
  if (auto *spin = qobject_cast<QAbstractSpinBox *>(w->parentWidget()))
    return spin;
  return w;
}

bool TakesTab(const QWidget *w) {
  return w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy();
}

// Tab must go through a panel as it reads: row by row, each row from left
// to right, one column of the panel after the other. A stop above the
// previous one, or left of it on its row, is out of order unless it starts
// a new column right of every stop before.
void CollectTabFaults(QWidget *panel, QStringList &faults) {
  const QWidget *window = panel->window();
  QWidget *previous = nullptr;
  int columnEnd = 0;
  for (QWidget *w = panel->nextInFocusChain(); w != panel; w = w->nextInFocusChain()) {
    if (!panel->isAncestorOf(w) || !TakesTab(w))
      continue;
    QWidget *stop = TabStop(w);
    const QRect b(stop->mapTo(window, QPoint()), stop->size());
    if (previous && b.left() <= columnEnd) {
      const QRect a(previous->mapTo(window, QPoint()), previous->size());
      const bool sameRow = b.top() < a.bottom() && a.top() < b.bottom();
      if (b.bottom() < a.top() || (sameRow && b.left() < a.left()))
        faults << QString("Tab goes from %1 back to %2").arg(Shown(previous), Shown(stop));
    }
    columnEnd = std::max(columnEnd, b.right());
    previous = stop;
  }
}

} // namespace

class WindowLayoutTest : public QObject, protected testing::WindowRig {
  Q_OBJECT

private slots:
  void init() { Open(); }
  void cleanup() { Close(); }

  // The print settings fit without scrolling sideways, for a portrait or a
  // landscape paper, with a too-wide warning and with the rename box.
  void emptyStartHoldsItsPanels() {
    StartWith({});
    Check("empty");
    auto *settings = qobject_cast<QAbstractScrollArea *>(Find("printSettingsStrip"));
    QCOMPARE(settings->width(), window_->width());
    QVERIFY(!settings->horizontalScrollBar()->isVisible());
    // A landscape paper takes the longer layout picture; the panel still fits.
    printer_.SetMetrics(platform::VirtualPrinterMetrics(297, 210));
    session().Format().format.orientation = platform::kLandscape;
    session().Relayout();
    QCoreApplication::processEvents();
    QVERIFY(!settings->horizontalScrollBar()->isVisible());
    QWidget *picture = Find("Layout");
    const int right = picture->mapTo(settings->viewport(), QPoint(picture->width(), 0)).x();
    QVERIFY2(right <= settings->viewport()->width(), qPrintable(QString::number(right)));
    printer_.SetMetrics(platform::VirtualPrinterMetrics(210, 297));
    session().Format().format.orientation = platform::kPortrait;
    session().Relayout();
    // A line too wide for the paper brings a warning beside the figures; the
    // document below keeps its place.
    const QPoint top = Editor()->mapTo(window_.get(), QPoint());
    const std::string wide(400, 'x');
    window_->memo().SetLines({wide, wide});
    session().Relayout();
    QVERIFY(Find("tooWideLabel")->isVisible());
    Check("too-wide");
    QCOMPARE(Editor()->mapTo(window_.get(), QPoint()), top);
    const QPoint strip = Find("Panel9")->pos();
    Action("Rename1")->trigger();
    QVERIFY(Find("Edit7")->isVisible());
    Check("rename");
    QCOMPARE(Find("Panel9")->pos(), strip);
  }

  // A Japanese text beside the puzzle side; the duplex pass buttons join
  // the range fields.
  void japaneseDocumentWithDuplex() {
    const std::string text = base::Sj("　日本語の文書です。印刷の様子を見ます。\r\n二行目\r\n");
    StartWith({dir_->Write("doc.txt", text)});
    Check("document");
    session().Format().format.duplex = true;
    session().Relayout();
    Check("duplex");
  }

  // The puzzle side with the result and conversion panels, then the
  // conditions panel with its extra and auto-record panels below them.
  void puzzleSidePanelsOneAfterAnother() {
    StartWithPuzzle();
    Action("MenuSDK")->trigger();
    Check("puzzle-side");
    QTest::keyClick(Editor(), Qt::Key_F1);
    QVERIFY(Find("Panel3")->isVisible());
    Check("grading");
    Action("ConvertSudoku")->trigger();
    QVERIFY(Find("Panel8")->isVisible());
    Check("conversion");
    Action("SDKOption")->trigger();
    QVERIFY(Find("Panel6")->isVisible());
    Check("conditions");
    Click("SpeedButton12");
    Click("SpeedButton5");
    QVERIFY(Find("Panel20")->isVisible());
    QVERIFY(Find("Panel5")->isVisible());
    Check("conditions-extra-record");
  }

  // The step panel; a long step text wraps in it, and hiding "前" moves
  // neither of the other step buttons.
  void stepPanelDuringAStepSolve() {
    StartWithPuzzle();
    bool seen = false;
    std::pair<int, int> okBefore, okAfter; // "Ｏ Ｋ" and "やめる" from the left
    WhenShown("Panel4", [&] {
      seen = true;
      Check("step");
      okBefore = {Find("Button29")->x(), Find("Button30")->x()};
      Find("Panel4")->findChild<QWidget *>("Button28")->hide(); // the step panel's "前"
      auto *step = qobject_cast<QLabel *>(Find("Label41"));
      step->setText(step->text().repeated(6));
      Check("step-long");
      okAfter = {Find("Button29")->x(), Find("Button30")->x()};
      Click("Button30");
    });
    QTest::keyClick(Editor(), Qt::Key_F2);
    QVERIFY(seen);
    QCOMPARE(okAfter.first, okBefore.first);
    QCOMPARE(okAfter.second, okBefore.second);
  }

  // A repeat run shows the stop button, the counters and the gauges; the
  // controls around them stay where the user last saw them.
  void generatorRunKeepsControlsInPlace() {
    StartWithPuzzle();
    Action("SDKOption")->trigger();
    session().Puzzle().Options().targetGivens = 17;
    session().Puzzle().Options().upperGivens = 17;
    const QStringList steady = {"SpeedButton5", "Label33", "Panel6", "CheckBoxL1"};
    const QList<QPoint> before = Positions(steady);
    QList<QPoint> during;
    QTimer::singleShot(300, this, [&] {
      Check("generator-run");
      during = Positions(steady);
      Click("Button14");
    });
    Click("Button10");
    QCOMPARE(during, before);
  }

  // Common screens: with the settings, layout-status, puzzle and conditions
  // panels and the frame panel open the window fits 1024 x 768, also with a
  // big editor font (the print font at 72 points); without the puzzle side
  // it fits 800 x 600. Nothing overlaps or is cut in any, nor in the
  // smallest window a user can drag it to, with and without the side.
  void commonScreenSizes() {
    StartWithPuzzle();
    Action("MenuSDK")->trigger();
    Action("SDKOption")->trigger();
    Action("waku")->trigger();
    QVERIFY(Find("Panel6")->isVisible());
    QVERIFY(Find("framePanel")->isVisible());
    window_->resize(1, 1);
    Check("smallest-side");
    FitsIn(QSize(1024, 768), "1024x768");
    const int fontSize = session().Format().format.fontSize;
    session().Format().format.fontSize = 72;
    session().Relayout();
    QCOMPARE(Editor()->font().pixelSize(), Editor()->logicalDpiY()); // 72 points: an inch
    FitsIn(QSize(1024, 768), "big-editor-font");
    session().Format().format.fontSize = fontSize;
    session().Relayout();
    Action("MenuSDK")->trigger();
    QVERIFY(!Find("PuzzleDock")->isVisible());
    FitsIn(QSize(800, 600), "800x600");
    window_->resize(1, 1);
    Check("smallest");
  }

  // A larger desktop font scales the window; every panel grows with it.
  void largerFontWithAllPanels() {
    window_.reset();
    const QFont normal = QApplication::font();
    const auto restore = qScopeGuard([this, normal] {
      window_.reset();
      QApplication::setFont(normal);
    });
    QFont large = normal;
    large.setPixelSize(18);
    QApplication::setFont(large);
    window_ = std::make_unique<ui::MainWindow>(*host_, printer_, fonts_, dir_->Dir());
    StartWithPuzzle();
    Action("SDKOption")->trigger();
    Click("SpeedButton12");
    Click("SpeedButton5");
    Action("ConvertSudoku")->trigger();
    QTest::keyClick(Editor(), Qt::Key_F1);
    Check("large-font");
  }

private:
  void StartWithPuzzle() {
    using testing::NbpText;
    StartWith({dir_->Write("p.nbp", NbpText(testing::kNakedPairPuzzle))});
  }

  // Lets the layouts settle, saves the picture when asked, then checks.
  void Check(const char *state) {
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    if (const QByteArray dir = qgetenv("ZENPA_LAYOUT_SHOTS"); !dir.isEmpty())
      window_->grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(QString(state) + ".png"));
    QStringList faults;
    CollectFaults(window_.get(), faults);
    for (const char *panel : {"printStatusPanel", "Panel2"})
      CollectTabFaults(Find(panel), faults);
    QVERIFY2(faults.isEmpty(), qPrintable(QString(state) + ":\n" + faults.join("\n")));
  }

  void FitsIn(const QSize &screen, const char *state) {
    const QSize need = window_->minimumSize();
    QVERIFY2(need.width() <= screen.width() && need.height() <= screen.height(),
             qPrintable(QString("%1 needs %2").arg(state, Size(need))));
    window_->resize(screen);
    Check(state);
  }

  QList<QPoint> Positions(const QStringList &names) {
    QList<QPoint> points;
    for (const QString &name : names)
      points << Find(qPrintable(name))->mapTo(window_.get(), QPoint(0, 0));
    return points;
  }
};

QTEST_MAIN(WindowLayoutTest)
#include "window_layout_test.moc"
