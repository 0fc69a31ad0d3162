// Printing through a real printer queue: a private cupsd (its own
// configuration and socket in a temporary directory) with a cups-pdf queue,
// reached through CUPS_SERVER by QtPrinter. A two-page Japanese document goes
// out as a normal run and as the two passes of manual duplex; the PDFs are
// checked for pages, paper and text (ZENPA_CUPS_OUTPUT keeps copies). The
// queue's output folder is set in /etc/cups/cups-pdf-NAME.conf, which needs
// root; the test skips when that or cupsd is not available.
#include "base/sjis.h"
#include "platform/scripted_host.h"
#include "support/temp_dir.h"
#include "ui/qt/qt_font_catalog.h"
#include "ui/qt/qt_printer.h"
#include "ui/support/poppler_tools.h"
#include "ui/support/print_job.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QtTest>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>

using namespace zenpa;
using base::Sj;

namespace {

const char *const kCupsd = "/usr/sbin/cupsd";
const char *const kCupsPdfPpd = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";

void WriteText(const QString &path, const QString &text) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(text.toUtf8());
}

struct Job {
  int pages = 0;
  QString paper;
  QString text;
  QString boxes; // pdftotext -bbox
};

} // namespace

class CupsPrintTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() {
    if (!QFileInfo::exists(kCupsd))
      QSKIP("cupsd is not installed");
    // cups-pdf reads a queue's output folder only from /etc/cups.
    if (!QFileInfo(QStringLiteral("/etc/cups")).isWritable())
      QSKIP("/etc/cups is not writable by this user, so the cups-pdf queue cannot be set up");
    root_ = QString::fromStdString(dir_.Path(""));
    queue_ = QString("zenpa-test-%1").arg(QCoreApplication::applicationPid());
    WriteConfiguration();
    if (!StartCupsd())
      QSKIP(qPrintable("cupsd did not start: " + errors_));
    qputenv("CUPS_SERVER", socket_.toLocal8Bit());
    AddQueue();
  }

  void cleanupTestCase() {
    if (cupsd_) {
      cupsd_->terminate();
      cupsd_->waitForFinished(5000);
    }
    if (!queueConf_.isEmpty())
      QFile::remove(queueConf_);
  }

  // A normal run prints both pages, the text at the left margin measured
  // from the paper's edge; the duplex passes print the odd, then the even page.
  void normalRunAndDuplexPasses() {
    const Job job = Print([](settings::PrintFormat &) {});
    QCOMPARE(job.pages, 2);
    const double left = testing::WordLeft(job.boxes, QString::fromUtf8("一枚目の文章です。"));
    QVERIFY2(std::abs(left - leftMarginPts_) < 2, qPrintable(job.boxes));
    QCOMPARE(job.paper, QString("210 x 297"));
    QVERIFY2(job.text.contains(QString::fromUtf8("二枚目の文章")), qPrintable(job.text));

    const auto duplex = [](settings::PrintFormat &f) { f.duplex = true; };
    const Job odd = Print(duplex);
    QCOMPARE(odd.pages, 1);
    QVERIFY2(odd.text.contains(QString::fromUtf8("一枚目")), qPrintable(odd.text));
    QVERIFY2(!odd.text.contains(QString::fromUtf8("二枚目")), qPrintable(odd.text));
    const Job even = Print(duplex, true);
    QCOMPARE(even.pages, 1);
    QVERIFY2(even.text.contains(QString::fromUtf8("二枚目")), qPrintable(even.text));
  }

private:
  void WriteConfiguration() {
    for (const char *sub : {"etc/ppd", "etc/ssl", "spool/tmp", "cache", "state", "log", "out"})
      QVERIFY(QDir(root_).mkpath(sub));
    // The filters run as an unprivileged user: the spool must be theirs to read.
    std::filesystem::permissions(root_.toStdString(), std::filesystem::perms(0755));
    socket_ = root_ + "cups.sock";
    WriteText(root_ + "cups-files.conf", QString("ServerRoot %1etc\nRequestRoot %1spool\n"
                                                 "TempDir %1spool/tmp\nCacheDir %1cache\n"
                                                 "StateDir %1state\nErrorLog %1log/error_log\n"
                                                 "AccessLog %1log/access_log\n"
                                                 "PageLog %1log/page_log\n")
                                             .arg(root_));
    WriteText(root_ + "cupsd.conf", QString("Listen %1\nLogLevel warn\nBrowsing Off\n"
                                            "WebInterface No\nDefaultAuthType None\n"
                                            "<Location />\n  Order allow,deny\n  Allow all\n"
                                            "</Location>\n")
                                        .arg(socket_));
  }

  bool StartCupsd() {
    cupsd_ = std::make_unique<QProcess>();
    cupsd_->setProcessChannelMode(QProcess::MergedChannels);
    cupsd_->start(kCupsd, {"-f", "-c", root_ + "cupsd.conf", "-s", root_ + "cups-files.conf"});
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 15000) {
      if (QFileInfo::exists(socket_))
        return true;
      if (cupsd_->waitForFinished(200))
        break;
    }
    QFile log(root_ + "log/error_log");
    log.open(QIODevice::ReadOnly);
    errors_ = QString::fromLocal8Bit(cupsd_->readAll() + log.readAll()).trimmed();
    return false;
  }

  // The queue, and its own cups-pdf file sending the PDFs to the test's directory.
  void AddQueue() {
    queueConf_ = QString("/etc/cups/cups-pdf-%1.conf").arg(queue_);
    WriteText(queueConf_, QString("Out %1out\nAnonDirName %1out\nSpool %1spool/tmp\n"
                                  "Log %1log\nGrp root\nLabel 1\n")
                              .arg(root_));
    QProcess lpadmin;
    lpadmin.setProcessChannelMode(QProcess::MergedChannels);
    // Poppler's cairo renderer keeps the text of the PDF fonts through the
    // PostScript cups-pdf takes, so the PDF it writes still holds the text.
    lpadmin.start("lpadmin", {"-h", socket_, "-p", queue_, "-E", "-v", "cups-pdf:/" + queue_, "-P",
                              kCupsPdfPpd, "-o", "pdftops-renderer-default=pdftocairo"});
    QVERIFY(lpadmin.waitForFinished(30000));
    QVERIFY2(lpadmin.exitCode() == 0, lpadmin.readAll().constData());
  }

  // Prints the two pages on the queue with the start-up format on its
  // printer, changed by `change`, and waits for the PDF it writes.
  Job Print(const std::function<void(settings::PrintFormat &)> &change, bool evenPass = false) {
    ui::QtPrinter printer(&fonts_);
    const std::vector<std::string> names = printer.PrinterNames();
    const auto it = std::find(names.begin(), names.end(), queue_.toStdString());
    if (it == names.end())
      return {0, "the queue is not among the printers", "", ""};
    printer.SetCurrentIndex(static_cast<int>(it - names.begin()));
    printer.SetPaper(9, platform::kPortrait);
    settings::PrintFormat format =
        settings::StartFormat(settings::EnvironmentOf(printer.Metrics()));
    change(format);
    leftMarginPts_ = format.leftMargin * 72.0 / printer.Metrics().dpiX;
    const QStringList before = QDir(root_ + "out").entryList({"*.pdf"});
    print::PrintStatus status;
    status.range.SetEvenPass(evenPass);
    platform::ScriptedHost host;
    const print::PrintWorkResult r = testing::PrintLines(
        format, status, {Sj("一枚目の文章です。"), "\f", Sj("二枚目の文章です。")}, printer, host,
        fonts_);
    if (!r.ran)
      return {0, "the job did not run", "", ""};
    const QString pdf = WaitForNewPdf(before);
    if (pdf.isEmpty())
      return {0, "no PDF from the queue", "", ""};
    if (const QByteArray keep = qgetenv("ZENPA_CUPS_OUTPUT"); !keep.isEmpty())
      QFile::copy(pdf, QDir(QString::fromLocal8Bit(keep)).filePath(QFileInfo(pdf).fileName()));
    const QString info = testing::RunTool("pdfinfo", {pdf});
    return {testing::PdfPageCount(info), testing::PdfPaperMm(info),
            testing::RunTool("pdftotext", {"-layout", pdf, "-"}),
            testing::RunTool("pdftotext", {"-bbox", pdf, "-"})};
  }

  // The PDF appears once cups-pdf has finished writing it.
  QString WaitForNewPdf(const QStringList &before) {
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 60000) {
      QTest::qWait(300);
      for (const QString &name : QDir(root_ + "out").entryList({"*.pdf"})) {
        const QString path = root_ + "out/" + name;
        if (!before.contains(name) &&
            testing::PdfPageCount(testing::RunTool("pdfinfo", {path})) > 0)
          return path;
      }
    }
    return {};
  }

  testing::TempDir dir_;
  double leftMarginPts_ = 0;
  QString root_, socket_, queue_, queueConf_, errors_;
  std::unique_ptr<QProcess> cupsd_;
  ui::QtFontCatalog fonts_;
};

QTEST_MAIN(CupsPrintTest)
#include "cups_print_test.moc"
