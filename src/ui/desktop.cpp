#include "ui/desktop.h"

#include <QApplication>
#include <QMainWindow>

namespace zenpa::ui {

int RunDesktop(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setObjectName("TForm1");
  window.setWindowTitle("zenpa");
  window.show();
  return app.exec();
}

} // namespace zenpa::ui
