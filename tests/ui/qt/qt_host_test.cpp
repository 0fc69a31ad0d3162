// Starting programs through the Qt host: a program that cannot start gives
// the system's reason; one that starts is waited for.
#include "support/temp_dir.h"
#include "ui/qt/qt_host.h"
#include "ui/qt/qt_text.h"

#include <QtTest>

#include <filesystem>

using namespace zenpa;

class QtHostTest : public QObject {
  Q_OBJECT

private slots:
  void startGivesTheSystemsReasonOrWaitsForTheEnd() {
    testing::TempDir dir;
    ui::QtHost host;
    const platform::StartResult missing = host.StartProgram(dir.Path("GRDV.COM"), {"/C"}, true);
    QVERIFY(!missing.started);
    QVERIFY2(!missing.error.empty(), "no reason given");

    const std::string script =
        dir.Write("GRDV.COM", "#!/bin/sh\nsleep 0.2\necho \"$2\" > \"$3\"\n");
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    const platform::StartResult ran =
        host.StartProgram(script, {"/C", "x.nbp", dir.Path("GRDV.DAT")}, true);
    QVERIFY(ran.started);
    QCOMPARE(QString::fromStdString(dir.Read("GRDV.DAT")), QString("x.nbp\n"));
  }
};

QTEST_MAIN(QtHostTest)
#include "qt_host_test.moc"
