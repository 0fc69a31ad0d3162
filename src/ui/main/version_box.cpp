#include "ui/main/version_box.h"

#include "ui/qt/qt_text.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zenpa::ui {
namespace {

// The address label: magenta under the mouse, blue otherwise; a click opens it.
class LinkLabel : public QLabel {
public:
  LinkLabel(const std::string &url, std::function<void(const std::string &)> open, QWidget *parent)
      : QLabel(ToQt(url), parent), url_(url), open_(std::move(open)) {
    setObjectName("linkLabel");
    setCursor(Qt::PointingHandCursor);
    SetColour(Qt::blue);
  }

protected:
  void enterEvent(QEnterEvent *) override { SetColour(Qt::magenta); }
  void leaveEvent(QEvent *) override { SetColour(Qt::blue); }
  void mouseReleaseEvent(QMouseEvent *) override { open_(url_); }

private:
  void SetColour(Qt::GlobalColor colour) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
  }

  std::string url_;
  std::function<void(const std::string &)> open_;
};

} // namespace

VersionBox::VersionBox(const std::vector<std::string> &lines,
                       std::function<void(const std::string &)> openLink, QWidget *parent)
    : QDialog(parent) {
  setObjectName("TForm4");
  setWindowTitle("ZENPA");
  auto *layout = new QVBoxLayout(this);
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    auto *label = new QLabel(ToQt(lines[i]), this);
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
  }
  if (!lines.empty()) {
    auto *link = new LinkLabel(lines.back(), std::move(openLink), this);
    link->setAlignment(Qt::AlignCenter);
    layout->addWidget(link);
  }
  auto *ok = new QPushButton("OK", this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignCenter);
}

} // namespace zenpa::ui
