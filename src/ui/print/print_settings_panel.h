// The print settings panel beside the layout status: font, size, style and
// colour; lines per page, spacings, margins and tabs; page numbers and
// headers; paper, printer, duplex and pouch binding, paper edges and the
// editor width; the frame sub-panel and the layout picture.
//
// A thin binding over app::PrintSettings: every control hands its change to
// the core and shows back what the core holds (Refresh).
#pragma once

#include "app/print_settings.h"

#include <QWidget>

#include <vector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace zenpa::ui {

class FieldSpin;
class FramePanel;
class LayoutPictureView;

class PrintSettingsPanel : public QWidget {
  Q_OBJECT
public:
  // settings must outlive the panel; hasPrinter: the paper comes from the
  // printer and the paper list is not used.
  // uiScale: the display scale in percent.
  PrintSettingsPanel(app::PrintSettings &settings, bool hasPrinter, int uiScale,
                     QWidget *parent = nullptr);

  // Shows the format's values and the enabling rules.
  void Refresh();
  void SetPrinterName(const QString &name);
  FramePanel *Frame() const { return frame_; }
  LayoutPictureView *Picture() const { return picture_; }

signals:
  void printerSetupRequested();
  void nextPassRequested(); // ">"
  void frameShownChanged(bool shown);

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  QWidget *BuildFont();
  QWidget *BuildLines();
  QWidget *BuildHeader();
  QWidget *BuildPaper();
  QWidget *BuildPaperSwitches(QWidget *box);
  FieldSpin *AddField(QGridLayout *grid, int row, const char *name, const char *caption,
                      const char *unit, print::FormatField field, const char *digits);
  QCheckBox *Check(const char *name, const char *caption, bool settings::PrintFormat::*flag,
                   QWidget *parent);
  QCheckBox *Switch(const char *name, const char *caption, print::PanelSwitch which,
                    QWidget *parent);
  QLineEdit *TextEdit(const char *name, const char *caption,
                      std::string settings::PrintFormat::*text, int chars, QWidget *parent);
  void ConnectFont();
  void ApplyTypedFont();
  void RefreshFields();
  void RefreshChecks();

  app::PrintSettings &settings_;
  bool hasPrinter_;
  std::vector<std::pair<FieldSpin *, print::FormatField>> fields_;
  std::vector<std::pair<QCheckBox *, bool settings::PrintFormat::*>> checks_;
  std::vector<std::pair<QLineEdit *, std::string settings::PrintFormat::*>> texts_;
  QLineEdit *fontName_ = nullptr;
  QListWidget *fontList_ = nullptr;
  QPushButton *textColour_ = nullptr;
  QCheckBox *pageNumber_ = nullptr, *fileName_ = nullptr, *date_ = nullptr;
  QCheckBox *extension_ = nullptr, *alignHeader_ = nullptr;
  QRadioButton *top_ = nullptr, *bottom_ = nullptr, *right_ = nullptr;
  QLineEdit *pageStart_ = nullptr;
  QComboBox *paper_ = nullptr;
  QLineEdit *printerName_ = nullptr;
  QCheckBox *duplex_ = nullptr, *pouch_ = nullptr, *leftAligned_ = nullptr;
  QPushButton *nextPass_ = nullptr, *frameButton_ = nullptr;
  FieldSpin *tabWidth_ = nullptr, *paperBottom_ = nullptr, *paperRight_ = nullptr;
  QWidget *paperEdgeRow_ = nullptr;
  FramePanel *frame_ = nullptr;
  LayoutPictureView *picture_ = nullptr;
  bool refreshing_ = false;
};

} // namespace zenpa::ui
