#include "ui/puzzle/assist_settings_panel.h"

#include "platform/host.h"
#include "ui/common/widgets.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace zenpa::ui {
namespace {

using A = settings::AssistOptions;

struct OptionBox {
  const char *name;
  const char *caption;
  bool A::*member;
};

constexpr OptionBox kBoxes[] = {
    {"Autoassist", "自動表示する", &A::autoShow},
    {"assistMaru", "丸数字を使う", &A::circledDigits},
    {"assistFont", "数字色を変更", &A::digitColours},
    {"assistLine", "罫線色を変更", &A::lineColours},
    {"assistHint", "自動ヒント表示", &A::autoHint},
    {"assistPanel", "連続ヒント入力", &A::continuousHint},
    {"assistKotae", "すぐに答え", &A::answerAtOnce},
};

void Paint(QLabel *swatch, settings::Colour c) {
  swatch->setStyleSheet(QString("background: rgb(%1,%2,%3); border: 1px solid gray")
                            .arg(base::RedOf(c))
                            .arg(base::GreenOf(c))
                            .arg(base::BlueOf(c)));
}

} // namespace

AssistSettingsPanel::AssistSettingsPanel(settings::AssistOptions &options, platform::Host &host,
                                         std::function<void()> changed, QWidget *parent)
    : QFrame(parent), options_(options), host_(host), changed_(std::move(changed)) {
  setObjectName("Panel19");
  setAccessibleName(Utf("数独アシストウィンドウの設定"));
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  auto *grid = new QGridLayout(this);
  grid->addWidget(NamedLabel("Label19", this, Utf("数独アシストウィンドウの設定")), 0, 0, 1, 3);
  QPushButton *close = NamedButton("SpeedButton11", "×", this);
  close->setAccessibleName(Utf("×"));
  grid->addWidget(close, 0, 3);
  connect(close, &QPushButton::clicked, this, &AssistSettingsPanel::closeWanted);
  int at = 0;
  for (const OptionBox &b : kBoxes) {
    QCheckBox *box = NamedCheck(b.name, b.caption, this);
    grid->addWidget(box, 1 + at / 4, at % 4);
    ++at;
    boxes_.emplace_back(box, b.member);
    connect(box, &QCheckBox::clicked, this, [this, member = b.member](bool on) {
      options_.*member = on;
      changed_();
    });
  }
  grid->addWidget(Swatch("PassistM", "手書きヒント色", &A::memoColour), 3, 0, 1, 2);
  grid->addWidget(Swatch("PassistD", "消したヒント色", &A::erasedHintColour), 3, 2, 1, 2);
  Sync();
}

// A caption beside a clickable swatch; the swatch is reachable by Tab and
// opens the colour dialog on a click or the space key.
QWidget *AssistSettingsPanel::Swatch(const char *name, const char *caption,
                                     settings::Colour A::*member) {
  auto *row = new QWidget(this);
  auto *layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  QLabel *swatch = NamedLabel(name, row);
  swatch->setAccessibleName(Utf(caption));
  swatch->setFixedSize(32, 16);
  swatch->setFocusPolicy(Qt::StrongFocus);
  swatch->installEventFilter(this);
  layout->addWidget(new QLabel(Utf(caption), row));
  layout->addWidget(swatch);
  layout->addStretch();
  swatches_.emplace_back(swatch, member);
  return row;
}

void AssistSettingsPanel::Sync() {
  for (const auto &[box, member] : boxes_)
    box->setChecked(options_.*member);
  for (const auto &[swatch, member] : swatches_)
    Paint(swatch, options_.*member);
}

void AssistSettingsPanel::ChooseColour(QLabel *swatch, settings::Colour &colour) {
  if (const std::optional<std::uint32_t> chosen = host_.ChooseColour(colour)) {
    colour = *chosen;
    Paint(swatch, colour);
    changed_();
  }
}

bool AssistSettingsPanel::eventFilter(QObject *watched, QEvent *event) {
  const bool click = event->type() == QEvent::MouseButtonRelease;
  const bool key =
      event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Space;
  if (click || key) {
    for (const auto &[swatch, member] : swatches_) {
      if (swatch == watched) {
        ChooseColour(swatch, options_.*member);
        return true;
      }
    }
  }
  return QFrame::eventFilter(watched, event);
}

} // namespace zenpa::ui
