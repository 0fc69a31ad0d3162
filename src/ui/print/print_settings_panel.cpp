#include "ui/print/print_settings_panel.h"

#include "print/paper.h"
#include "ui/common/widgets.h"
#include "ui/print/field_spin.h"
#include "ui/print/frame_panel.h"
#include "ui/print/layout_picture_view.h"
#include "ui/qt/qt_text.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zenpa::ui {
namespace {

using F = print::FormatField;
using settings::PrintFormat;

QFrame *Separator(QWidget *parent) {
  auto *line = new QFrame(parent);
  line->setFrameShape(QFrame::VLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}

QGridLayout *Grid(QWidget *box) {
  auto *grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setHorizontalSpacing(3);
  grid->setVerticalSpacing(2);
  return grid;
}

QRadioButton *Radio(const char *name, const char *caption, QWidget *parent) {
  auto *button = new QRadioButton(Utf(caption), parent);
  button->setObjectName(name);
  return button;
}

} // namespace

PrintSettingsPanel::PrintSettingsPanel(app::PrintSettings &settings, bool hasPrinter, int uiScale,
                                       QWidget *parent)
    : QWidget(parent), settings_(settings), hasPrinter_(hasPrinter) {
  setObjectName("printSettingsPanel");
  auto *row = new QHBoxLayout(this);
  // Narrow gaps beside the separators: the panel fits the design width.
  row->setContentsMargins(4, 3, 4, 3);
  row->setSpacing(3);
  for (QWidget *column : {BuildFont(), BuildLines(), BuildHeader(), BuildPaper()}) {
    row->addWidget(column, 0, Qt::AlignTop);
    row->addWidget(Separator(this));
  }
  frame_ = new FramePanel(settings, this);
  row->addWidget(frame_, 0, Qt::AlignTop);
  picture_ = new LayoutPictureView(settings, uiScale, this);
  row->addWidget(picture_, 0, Qt::AlignTop);
  row->addStretch(1);
  connect(frame_, &FramePanel::closeRequested, this, [this] { emit frameShownChanged(false); });
  Refresh();
}

FieldSpin *PrintSettingsPanel::AddField(QGridLayout *grid, int row, const char *name,
                                        const char *caption, const char *unit, F field,
                                        const char *digits) {
  FieldSpin *spin = MakeField(settings_, field, name, caption, digits, grid->parentWidget());
  AddFieldRow(grid, row, caption, spin, unit);
  fields_.emplace_back(spin, field);
  return spin;
}

QCheckBox *PrintSettingsPanel::Check(const char *name, const char *caption, bool PrintFormat::*flag,
                                     QWidget *parent) {
  QCheckBox *box = NamedCheck(name, caption, parent);
  connect(box, &QCheckBox::toggled, this, [this, flag](bool on) {
    if (!refreshing_)
      settings_.SetFlag(flag, on);
  });
  checks_.emplace_back(box, flag);
  return box;
}

QCheckBox *PrintSettingsPanel::Switch(const char *name, const char *caption,
                                      print::PanelSwitch which, QWidget *parent) {
  QCheckBox *box = NamedCheck(name, caption, parent);
  connect(box, &QCheckBox::toggled, this, [this, which](bool on) {
    if (!refreshing_)
      settings_.Switch(which, on);
  });
  return box;
}

QLineEdit *PrintSettingsPanel::TextEdit(const char *name, const char *caption,
                                        std::string PrintFormat::*text, int chars,
                                        QWidget *parent) {
  auto *edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setAccessibleName(Utf(caption));
  edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QString(chars, '0')) + 12);
  connect(edit, &QLineEdit::editingFinished, this,
          [this, edit, text] { settings_.SetText(text, FromQt(edit->text())); });
  texts_.emplace_back(edit, text);
  return edit;
}

// The font name with its list, the size, the style and the colour.
QWidget *PrintSettingsPanel::BuildFont() {
  auto *box = new QWidget(this);
  QGridLayout *grid = Grid(box);
  fontName_ = new QLineEdit(box);
  fontName_->setObjectName("fontNameEdit");
  fontName_->setAccessibleName(Utf("フォント"));
  fontName_->installEventFilter(this);
  fontList_ = new QListWidget(box);
  fontList_->setObjectName("fontList");
  fontList_->setAccessibleName(Utf("フォント一覧"));
  fontList_->setFixedHeight(fontMetrics().height() * 3 + 6);
  fontList_->setFixedWidth(fontMetrics().horizontalAdvance(QString(8, QChar(0x6F22))) + 24);
  grid->addWidget(fontName_, 0, 0, 1, 3);
  grid->addWidget(fontList_, 1, 0, 1, 3);
  AddField(grid, 2, "fontSizeEdit", "サイズ", "", F::FontSize, "0000");
  auto *styles = new QGridLayout;
  styles->setSpacing(2);
  styles->addWidget(Check("CheckBoxBold", "太字", &PrintFormat::bold, box), 0, 0);
  styles->addWidget(Check("CheckBoxItalic", "斜体", &PrintFormat::italic, box), 0, 1);
  styles->addWidget(Check("CheckBoxUnderline", "下線", &PrintFormat::underline, box), 1, 0);
  styles->addWidget(Check("CheckBoxFixed", "等幅印刷", &PrintFormat::fixedPitch, box), 1, 1);
  grid->addLayout(styles, 3, 0, 1, 3);
  textColour_ = NamedButton("textColourButton", "文字色", box);
  grid->addWidget(textColour_, 4, 0, 1, 3);
  connect(textColour_, &QPushButton::clicked, this, [this] { settings_.ChooseTextColour(); });
  ConnectFont();
  return box;
}

// Lines per page, spacings, margins and the tab width.
QWidget *PrintSettingsPanel::BuildLines() {
  auto *box = new QWidget(this);
  QGridLayout *grid = Grid(box);
  AddField(grid, 0, "linesPerPageEdit", "頁行数", "", F::LinesPerPage, "000");
  AddField(grid, 1, "lineSpacingEdit", "行間", "%", F::LineSpacing, "-000");
  AddField(grid, 2, "charSpacingEdit", "字間", "%", F::CharSpacing, "-000");
  AddField(grid, 3, "leftMarginEdit", "左余白", "mm", F::LeftMargin, "000");
  AddField(grid, 4, "topMarginEdit", "上余白", "mm", F::TopMargin, "000");
  AddField(grid, 5, "topWithHeaderEdit", "ヘッダ込", "mm", F::TopWithHeader, "000");
  tabWidth_ = AddField(grid, 6, "tabWidthEdit", "タブ", "", F::TabWidth, "0");
  grid->setRowStretch(7, 1);
  return box;
}

// Page numbers, file name, date and the header's alignment.
QWidget *PrintSettingsPanel::BuildHeader() {
  auto *box = new QWidget(this);
  QGridLayout *grid = Grid(box);
  pageNumber_ = Switch("CheckBoxPageNo", "頁番号", print::PanelSwitch::PageNumber, box);
  top_ = Radio("RadioTop", "上", box);
  bottom_ = Radio("RadioBottom", "下", box);
  right_ = Radio("RadioRight", "右", box);
  auto *places = new QButtonGroup(box);
  const settings::PageNumberPos pos[] = {settings::PageNumberPos::Top,
                                         settings::PageNumberPos::Bottom,
                                         settings::PageNumberPos::Right};
  int i = 0;
  for (QRadioButton *b : {top_, bottom_, right_}) {
    places->addButton(b);
    connect(b, &QRadioButton::toggled, this, [this, p = pos[i++]](bool on) {
      if (on && !refreshing_)
        settings_.SetPageNumberPos(p);
    });
  }
  auto *radios = new QHBoxLayout;
  radios->setSpacing(2);
  for (QRadioButton *b : {top_, bottom_, right_})
    radios->addWidget(b);
  grid->addWidget(pageNumber_, 0, 0, 1, 4);
  grid->addLayout(radios, 1, 0, 1, 4);
  pageStart_ = TextEdit("pageStartEdit", "初期値", &PrintFormat::pageNumberStart, 4, box);
  auto *startLabel = new QLabel(Utf("初期値"), box);
  startLabel->setBuddy(pageStart_);
  grid->addWidget(startLabel, 2, 0);
  grid->addWidget(pageStart_, 2, 1);
  grid->addWidget(TextEdit("pageLeftEdit", "番号の前", &PrintFormat::pageNumberLeft, 2, box), 2, 2);
  grid->addWidget(TextEdit("pageRightEdit", "番号の後", &PrintFormat::pageNumberRight, 2, box), 2,
                  3);
  fileName_ = Switch("CheckBoxFileName", "ファイル名", print::PanelSwitch::FileName, box);
  extension_ = Check("CheckBoxExt", "拡張子", &PrintFormat::printExtension, box);
  date_ = Switch("CheckBoxDate", "日付", print::PanelSwitch::Date, box);
  alignHeader_ = Check("CheckBoxAlign", "行揃", &PrintFormat::alignHeader, box);
  grid->addWidget(fileName_, 3, 0, 1, 2);
  grid->addWidget(extension_, 3, 2, 1, 2);
  grid->addWidget(date_, 4, 0, 1, 2);
  grid->addWidget(alignHeader_, 4, 2, 1, 2);
  grid->setRowStretch(5, 1);
  return box;
}

// The paper (the program's own without a printer), the printer's name,
// duplex and pouch binding, paper edges, the frame button and the editor width.
QWidget *PrintSettingsPanel::BuildPaper() {
  auto *box = new QWidget(this);
  QGridLayout *grid = Grid(box);
  paper_ = new QComboBox(box);
  paper_->setObjectName("paperList");
  paper_->setAccessibleName(Utf("用紙"));
  for (const print::PaperEntry &entry : print::PaperList())
    paper_->addItem(ToQt(print::PaperCaption(entry)));
  paper_->setEnabled(!hasPrinter_);
  connect(paper_, &QComboBox::activated, this, [this](int index) { settings_.ChoosePaper(index); });
  printerName_ = new QLineEdit(box);
  printerName_->setObjectName("printerNameEdit");
  printerName_->setAccessibleName(Utf("プリンタ"));
  printerName_->setReadOnly(true);
  printerName_->setCursor(Qt::PointingHandCursor);
  printerName_->installEventFilter(this);
  grid->addWidget(paper_, 0, 0, 1, 3);
  grid->addWidget(printerName_, 1, 0, 1, 3);
  grid->addWidget(BuildPaperSwitches(box), 2, 0, 1, 3);
  AddField(grid, 3, "evenShiftEdit", "偶頁", "mm", F::EvenPageShift, "-00");
  paperEdgeRow_ = new QWidget(box);
  QGridLayout *edges = Grid(paperEdgeRow_);
  paperBottom_ = AddField(edges, 0, "paperBottomEdit", "用紙下", "mm", F::PaperBottom, "000");
  paperRight_ = AddField(edges, 1, "paperRightEdit", "用紙右", "mm", F::PaperRight, "000");
  grid->addWidget(paperEdgeRow_, 4, 0, 1, 3);
  AddField(grid, 5, "editorWidthEdit", "エディタ幅", "", F::EditorWidth, "0000");
  grid->setRowStretch(6, 1);
  return box;
}

QWidget *PrintSettingsPanel::BuildPaperSwitches(QWidget *parent) {
  auto *box = new QWidget(parent);
  QGridLayout *grid = Grid(box);
  duplex_ = Switch("CheckBoxDuplex", "両面印刷", print::PanelSwitch::Duplex, box);
  pouch_ = Switch("CheckBoxPouch", "袋とじ印刷", print::PanelSwitch::PouchBinding, box);
  leftAligned_ = Switch("CheckBoxLeft", "頁左寄せ", print::PanelSwitch::LeftAligned, box);
  nextPass_ = NamedButton("nextPassButton", ">", box);
  nextPass_->setFixedWidth(nextPass_->fontMetrics().horizontalAdvance("00") + 16);
  frameButton_ = NamedButton("frameButton", "枠", box);
  frameButton_->setFixedWidth(frameButton_->fontMetrics().horizontalAdvance(QChar(0x6F22)) + 16);
  grid->addWidget(duplex_, 0, 0);
  grid->addWidget(nextPass_, 0, 1);
  grid->addWidget(pouch_, 1, 0);
  grid->addWidget(frameButton_, 1, 1);
  grid->addWidget(leftAligned_, 2, 0, 1, 2);
  connect(nextPass_, &QPushButton::clicked, this, &PrintSettingsPanel::nextPassRequested);
  connect(frameButton_, &QPushButton::clicked, this,
          [this] { emit frameShownChanged(!settings_.Format().frameShown); });
  return box;
}

// Typing selects the last list entry of that name; the list and the arrow
// keys in the name field choose a font.
void PrintSettingsPanel::ConnectFont() {
  connect(fontName_, &QLineEdit::textEdited, this, [this] {
    const int index = print::MatchFontName(settings_.Faces(), FromQt(fontName_->text()));
    if (index >= 0)
      fontList_->setCurrentRow(index);
  });
  connect(fontName_, &QLineEdit::editingFinished, this, &PrintSettingsPanel::ApplyTypedFont);
  connect(fontList_, &QListWidget::itemClicked, this,
          [this] { settings_.ChooseFont(fontList_->currentRow()); });
}

void PrintSettingsPanel::ApplyTypedFont() {
  const int index = print::MatchFontName(settings_.Faces(), FromQt(fontName_->text()));
  if (index >= 0 && index != settings_.FontIndex())
    settings_.ChooseFont(index);
}

bool PrintSettingsPanel::eventFilter(QObject *watched, QEvent *event) {
  if (watched == printerName_ && event->type() == QEvent::MouseButtonRelease) {
    emit printerSetupRequested();
    return true;
  }
  if (watched == fontName_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key != Qt::Key_Up && key != Qt::Key_Down)
      return false;
    const int delta = key == Qt::Key_Up ? -1 : 1;
    settings_.ChooseFont(
        print::StepFontSelection(fontList_->currentRow(), fontList_->count(), delta));
    // The name field keeps the focus, so the refresh leaves it: name the face here.
    fontName_->setText(ToQt(settings_.Format().fontName));
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void PrintSettingsPanel::SetPrinterName(const QString &name) { printerName_->setText(name); }

void PrintSettingsPanel::Refresh() {
  refreshing_ = true;
  RefreshFields();
  RefreshChecks();
  frame_->Refresh();
  picture_->Refresh();
  refreshing_ = false;
}

// A field being typed in keeps the user's text until editing ends.
void PrintSettingsPanel::RefreshFields() {
  for (const auto &[spin, field] : fields_)
    spin->ShowHeld(ToQt(settings_.Text(field)));
  for (const auto &[edit, text] : texts_) {
    if (!edit->hasFocus())
      edit->setText(ToQt(settings_.Format().*text));
  }
  // The installed faces are found at start-up, after the panel was built.
  const std::vector<std::string> &faces = settings_.Faces();
  if (fontList_->count() != static_cast<int>(faces.size())) {
    fontList_->clear();
    for (const std::string &face : faces)
      fontList_->addItem(ToQt(face));
  }
  fontList_->setCurrentRow(settings_.FontIndex());
  if (!fontName_->hasFocus())
    fontName_->setText(ToQt(settings_.Format().fontName));
  paper_->setCurrentIndex(settings_.PaperIndex());
}

void PrintSettingsPanel::RefreshChecks() {
  const PrintFormat &f = settings_.Format();
  for (const auto &[box, flag] : checks_)
    box->setChecked(f.*flag);
  pageNumber_->setChecked(f.pageNumberOn);
  fileName_->setChecked(f.printFileName);
  date_->setChecked(f.printDate);
  duplex_->setChecked(f.duplex);
  pouch_->setChecked(f.pouchBinding);
  leftAligned_->setChecked(f.pagesLeftAligned);
  top_->setChecked(f.pageNumberPos == settings::PageNumberPos::Top);
  bottom_->setChecked(f.pageNumberPos == settings::PageNumberPos::Bottom);
  right_->setChecked(f.pageNumberPos == settings::PageNumberPos::Right);
  const print::PanelStates s = settings_.States();
  for (QWidget *w : std::initializer_list<QWidget *>{top_, bottom_, right_, pageStart_})
    w->setEnabled(s.pageNumberPlaces);
  alignHeader_->setEnabled(s.alignHeader);
  extension_->setEnabled(s.extension);
  leftAligned_->setEnabled(s.leftAligned);
  nextPass_->setVisible(s.nextPassButton);
  tabWidth_->setEnabled(s.tabWidth);
  paperEdgeRow_->setVisible(s.paperEdgeFields);
  frame_->setVisible(s.frameLines);
}

} // namespace zenpa::ui
