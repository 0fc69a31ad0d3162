// A Qt Test main that runs the tests offscreen on one screen of the given
// size, so that windows meet the edges of a real small desktop.
#pragma once

#include <QApplication>
#include <QTemporaryFile>
#include <QtTest>

namespace zenpa::testing {

// Sets the offscreen platform with a screen of width x height; the file
// describing it lives as long as the returned object.
inline std::unique_ptr<QTemporaryFile> UseOffscreenScreen(int width, int height) {
  auto file = std::make_unique<QTemporaryFile>();
  file->open();
  file->write(QString(R"({"screens": [{"name": "screen", "x": 0, "y": 0, "width": %1,)"
                      R"( "height": %2, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                  .arg(width)
                  .arg(height)
                  .toUtf8());
  file->flush();
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + file->fileName().toLocal8Bit());
  return file;
}

} // namespace zenpa::testing

#define ZENPA_TEST_MAIN_ON_SCREEN(TestObject, width, height)                                       \
  int main(int argc, char **argv) {                                                                \
    const auto screen = zenpa::testing::UseOffscreenScreen(width, height);                         \
    QApplication app(argc, argv);                                                                  \
    TestObject test;                                                                               \
    return QTest::qExec(&test, argc, argv);                                                        \
  }
