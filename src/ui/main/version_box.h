// TForm4, the version box of the Help menu: the product line, the version,
// the maker line and the maker's web address as a link, and an OK button.
#pragma once

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

namespace zenpa::ui {

class VersionBox : public QDialog {
  Q_OBJECT
public:
  // lines: product, version, maker, web address (Shift-JIS); a click on the
  // address calls openLink with it.
  VersionBox(const std::vector<std::string> &lines,
             std::function<void(const std::string &)> openLink, QWidget *parent = nullptr);
};

} // namespace zenpa::ui
