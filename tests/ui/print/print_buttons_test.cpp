// The print button "印　刷" (Button1) and printer setup "プリンタ設定"
// (Button2) in the real main window, offscreen. Without an installed printer
// the pages go through the desktop printer to the PDF the scripted host names,
// checked with poppler's tools and against `zenpa print` of the same
// document; with a printer, the recording printer keeps each job's pages.
#include "base/sjis.h"
#include "print/print_run.h"
#include "support/message_texts.h"
#include "ui/qt/qt_printer.h"
#include "ui/support/poppler_tools.h"
#include "ui/support/window_rig.h"

#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include <memory>
#include <vector>

using namespace zenpa;
using base::Sj;

namespace {

// Three pages: a puzzle grid, a page break, text, a page break, text.
std::string ThreePages() {
  std::string text = Sj("　☆ 数独 第1問 ☆\r\n┏━┯━┯━┳━┯━┯━┳━┯━┯━┓\r\n");
  for (int row = 0; row < 4; ++row)
    text += Sj("┃１│　│３┃　│５│　┃７│　│９┃\r\n┠─┼─┼─╂─┼─┼─╂─┼─┼─┨\r\n");
  text += Sj("┗━┷━┷━┻━┷━┷━┻━┷━┷━┛\r\n\f\r\n吾輩は猫である。\r\n\f\r\n名前はまだ無い。\r\n");
  return text;
}

QString Utf8(const char *text) { return QString::fromUtf8(text); }

// The first page rendered small in grey, as bytes: equal bytes, equal pages.
QByteArray Raster(const std::string &pdf) {
  const QString stem = QString::fromStdString(pdf) + "-r";
  testing::RunTool("pdftoppm",
                   {"-r", "40", "-gray", "-f", "1", "-l", "1", QString::fromStdString(pdf), stem});
  QFile file(stem + "-1.pgm");
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class PrintButtonsTest : public QObject, protected testing::WindowRig {
  Q_OBJECT

private slots:
  void cleanup() { Close(); }

  // The PDF holds the three pages with their text, and it is the PDF the
  // command line makes of the same document.
  void withoutPrinterPrintsToTheNamedPdf() {
    auto desktop = std::make_unique<ui::QtPrinter>(&fonts_);
    if (!desktop->PrinterNames().empty())
      QSKIP("a printer is installed");
    Show(std::move(desktop));
    const std::string pdf = dir_->Path("out.pdf");
    host_->fileNames = {pdf};
    Click("Button1");
    QCOMPARE(host_->fileDialogs.size(), std::size_t{1});
    QCOMPARE(host_->fileDialogs[0].fileName, std::string("doc.pdf"));
    QCOMPARE(testing::PdfPageCount(testing::RunTool("pdfinfo", {QString::fromStdString(pdf)})), 3);
    const QString text = testing::RunTool("pdftotext", {QString::fromStdString(pdf), "-"});
    for (const char *words : {"┏━┯━┯━┳━┯━┯━┳━┯━┯━┓", "名前はまだ無い。"})
      QVERIFY2(text.contains(Utf8(words)), qPrintable(text));
    QVERIFY(Shown("reportLabel1") && !Shown("checkMarkImage"));
    QCOMPARE(Label("reportLabel1"), Utf8("印刷頁の出力が終了しました。"));
    QVERIFY(host_->messages.empty());

    const std::string cli = dir_->Path("cli.pdf");
    testing::RunTool(ZENPA_BINARY, {"print", QString::fromStdString(docPath_), "--pdf",
                                    QString::fromStdString(cli)});
    const QByteArray fromCli = Raster(cli);
    QVERIFY(!fromCli.isEmpty());
    QCOMPARE(Raster(pdf), fromCli);
  }

  // Nothing is written when the dialog is cancelled, when the range selects
  // no page (the dialog is not even shown) or when the file cannot be made.
  void pdfRunsThatDoNotHappen() {
    OpenWith({});
    host_->fileNames = {std::nullopt};
    Click("Button1");
    QVERIFY(!Shown("reportLabel1"));
    QVERIFY(host_->messages.empty());

    Type("startPageEdit", "4");
    Click("Button1");
    QCOMPARE(Label("endPageHintLabel"), Utf8("印刷頁エラー"));
    QCOMPARE(host_->fileDialogs.size(), std::size_t{1});

    Type("startPageEdit", "1");
    host_->fileNames = {dir_->Path("missing/dir/out.pdf")};
    Click("Button1");
    QCOMPARE(testing::MessageTexts(*host_),
             print::JobUnfinishedText({false, dir_->Path("missing/dir/out.pdf"),
                                       base::Sj("ファイルまたはフォルダーがありません")}) +
                 "|");
    QVERIFY(!Shown("reportLabel1"));
  }

  // Manual duplex: the odd pass, then the even pass, each with its report;
  // copies are collated.
  void duplexPassesAndCopiesOnAPrinter() {
    OpenWith({"office"});
    session().Format().format.duplex = true;
    session().Relayout();
    Click("Button1");
    QCOMPARE(recording_->Pages().size(), std::size_t{2}); // pages 1 and 3
    QCOMPARE(Label("reportLabel1"), Utf8("奇数頁の出力が終了しました。"));
    QCOMPARE(Label("reportLabel2"), Utf8("必要なら裏面を印刷して下さい｡"));
    Find<QRadioButton>("evenPassButton")->setChecked(true);
    Type("copiesEdit", "2");
    Click("Button1");
    QCOMPARE(recording_->Pages().size(), std::size_t{4}); // page 2, twice
    QCOMPARE(Label("reportLabel1"), Utf8("偶数頁の出力が終了しました。"));
    QCOMPARE(recording_->JobsEnded(), 2);
  }

  // Setup takes the paper the dialog chose into the layout and shows the
  // printer's offsets; without a printer there is no dialog to show.
  void printerSetupAppliesTheChosenPaper() {
    OpenWith({"office"});
    platform::PrinterMetrics b4 = platform::VirtualPrinterMetrics(257, 364);
    b4.printableW -= 100; // 7 mm unprintable at the right, 3 at the bottom
    recording_->ScriptSetupDialog(true, b4);
    Click("Button2");
    QCOMPARE(Label("paperLabel"), Utf8("用紙257 x 364 mm"));
    QVERIFY(Shown("offsetLabel"));
    QCOMPARE(Label("offsetLabel"), Utf8("オフセット 下 3.0  右 10.1 mm"));
    QCOMPARE(session().PrinterName(), std::string("office"));

    Close();
    OpenWith({});
    Click("Button2");
    QCOMPARE(testing::MessageTexts(*host_), print::NoPrinterText() + "|");
  }

private:
  void OpenWith(std::vector<std::string> printers) {
    auto recording = std::make_unique<platform::RecordingPrinter>(std::move(printers));
    recording_ = recording.get();
    Show(std::move(recording));
  }
  void Show(std::unique_ptr<platform::Printer> printer) {
    Open(std::move(printer));
    docPath_ = dir_->Write("doc.txt", ThreePages());
    StartWith({docPath_});
    // A text without a format file of its own opens in the enlarged text
    // view, where the print button only leaves the view.
    Click("Button1");
    QVERIFY(!session().Menus().enlargedView);
    session().Relayout();
  }
  void Type(const char *name, const char *text) {
    auto *field = Find<QLineEdit>(name);
    field->setText(text);
    emit field->editingFinished();
  }

  platform::RecordingPrinter *recording_ = nullptr;
  std::string docPath_;
};

QTEST_MAIN(PrintButtonsTest)
#include "print_buttons_test.moc"
