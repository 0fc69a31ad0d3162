#include "ui/puzzle/puzzle_conversion_panel.h"

#include "base/file_io.h"
#include "ui/puzzle/puzzle_widgets.h"
#include "ui/qt/qt_text.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace zenpa::ui {
namespace {

bool Held(Qt::KeyboardModifier modifier) { return QGuiApplication::keyboardModifiers() & modifier; }

// The core's text has CR LF line ends; the text box holds LF. The line ends
// are split off before the codec, which carries a CR or LF inside a line
// as a character of its own.
QString BoxText(const std::string &sjis) {
  QStringList lines;
  for (const std::string &line : base::SplitLines(sjis))
    lines << ToQt(line);
  return lines.join("\n");
}
std::string CoreText(QString text) { return FromQt(text.replace("\n", "\r\n")); }

} // namespace

ConversionPanelView::ConversionPanelView(app::PuzzleCommands &puzzle, QWidget *parent)
    : QFrame(parent), puzzle_(puzzle) {
  QVBoxLayout *box = PanelLayout(this, "Panel8");
  QPushButton *close =
      AddTitleRow(box, {new QLabel(Utf("数独データ変換"), this)}, "SpeedButton3", this);
  textBox_ = new QPlainTextEdit(this);
  textBox_->setObjectName("Memo2");
  textBox_->setPlainText(Utf("\n　データ張り付け"));
  textBox_->setMinimumWidth(200);
  box->addWidget(textBox_, 1);
  BuildButtons();
  connect(close, &QPushButton::clicked, this, [this] {
    puzzle_.Conversion().shown = false;
    emit commandDone();
  });
  connect(textBox_, &QPlainTextEdit::textChanged, this,
          [this] { puzzle_.Conversion().text = CoreText(textBox_->toPlainText()); });
}

void ConversionPanelView::BuildButtons() {
  QGridLayout *grid = PanelGrid();
  QPushButton *toText = NamedButton("Button31", "数独をデータに変換", this);
  QPushButton *csv = NamedButton("Button32", "CSV", this);
  QPushButton *tab = NamedButton("Button33", "TAB", this);
  QPushButton *import = NamedButton("Button22", "データから数独作成", this);
  QPushButton *address = NamedButton("Button21", "るぴなぁ", this);
  pattern_ = NamedCheck("CheckPattern", "このパターンで作成", this);
  grid->addWidget(toText, 0, 0);
  grid->addWidget(csv, 0, 1);
  grid->addWidget(tab, 0, 2);
  grid->addWidget(import, 1, 0);
  grid->addWidget(address, 1, 1, 1, 2);
  grid->addWidget(pattern_, 2, 0, 1, 3);
  static_cast<QBoxLayout *>(layout())->addLayout(grid);
  connect(toText, &QPushButton::clicked, this, [this] {
    ShowConversion(play::GridButtonForm(Held(Qt::ShiftModifier), Held(Qt::ControlModifier)));
  });
  connect(csv, &QPushButton::clicked, this, [this] { ShowConversion(play::ConversionForm::Csv); });
  connect(tab, &QPushButton::clicked, this, [this] { ShowConversion(play::ConversionForm::Tab); });
  connect(address, &QPushButton::clicked, this, [this] {
    ShowConversion(Held(Qt::ControlModifier) ? play::ConversionForm::Address2
                                             : play::ConversionForm::Address);
  });
  connect(import, &QPushButton::clicked, this, [this] {
    puzzle_.Import(CoreText(textBox_->toPlainText()));
    emit commandDone();
  });
  connect(pattern_, &QCheckBox::clicked, this, [this](bool on) {
    puzzle_.Conversion().usePattern = on;
    if (on && !puzzle_.Options().techniques.conditionsPanelShown)
      puzzle_.SetConditionsPanel(true);
    emit commandDone();
  });
}

void ConversionPanelView::Open() {
  puzzle_.Conversion().shown = true;
  setVisible(true);
  textBox_->clear();
  textBox_->setFocus();
}

void ConversionPanelView::ShowConversion(play::ConversionForm form) {
  const std::optional<std::string> text = puzzle_.Convert(form);
  if (!text)
    return;
  textBox_->setPlainText(BoxText(*text));
  textBox_->setFocus();
  textBox_->selectAll();
}

void ConversionPanelView::Refresh() {
  setVisible(puzzle_.Conversion().shown);
  pattern_->setChecked(puzzle_.Conversion().usePattern);
}

} // namespace zenpa::ui
