#include "ui/main/desktop.h"

#include "app/program_files.h"
#include "ui/main/main_window.h"
#include "ui/qt/qt_font_catalog.h"
#include "ui/qt/qt_host.h"
#include "ui/qt/qt_printer.h"
#include "ui/qt/qt_text.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdlib>

#include <string>
#include <vector>

namespace zenpa::ui {

bool LoadQtJapanese(QTranslator &translator) {
  if (!translator.load(QLocale(QLocale::Japanese, QLocale::Japan), "qtbase", "_",
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    return false;
  return QCoreApplication::installTranslator(&translator);
}

void SetDesktopIdentity(const std::string &dataDir) {
  const QString name = QString::fromLatin1(app::kDesktopName);
  QCoreApplication::setApplicationName(name);
  QGuiApplication::setDesktopFileName(name);
  QIcon files;
  for (const std::string &file : app::InstalledIconFiles(dataDir))
    files.addFile(PathToQt(file));
  QApplication::setWindowIcon(QIcon::fromTheme(name, files));
}

int RunDesktop(int argc, char **argv) {
  QApplication app(argc, argv);
  QTranslator qtJapanese;
  LoadQtJapanese(qtJapanese);
  QtHost host;
  QtFontCatalog fonts;
  QtPrinter printer(&fonts);
  const std::string binaryDir = PathFromQt(QCoreApplication::applicationDirPath());
  SetDesktopIdentity(app::InstalledDataDir(binaryDir));
  auto env = [](const char *name) {
    const char *value = std::getenv(name);
    return std::string(value ? value : "");
  };
  std::string problem;
  const std::string programDir =
      app::ChooseProgramDir({binaryDir, env("XDG_DATA_HOME"), env("HOME")}, &problem);
  // Arguments are taken as the bytes the shell passed, like file names.
  const std::vector<std::string> args(argv + 1, argv + argc);

  MainWindow window(host, printer, fonts, programDir);
  host.SetParent(&window);
  window.session().SetDataDir(app::InstalledDataDir(binaryDir));
  window.Start(args);
  window.show();
  // The program directory holds the settings and the history: a person is
  // told at once when it cannot be made, not when the first save fails.
  if (!problem.empty())
    host.Message(problem, "", platform::Buttons::Ok, platform::Icon::Error);
  return app.exec();
}

} // namespace zenpa::ui
