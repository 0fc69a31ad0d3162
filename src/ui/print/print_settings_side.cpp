#include "ui/print/print_settings_side.h"

#include "ui/common/widgets.h"
#include "ui/print/frame_panel.h"
#include "ui/print/layout_picture_view.h"
#include "ui/print/print_settings_panel.h"
#include "ui/print/print_status_panel.h"
#include "ui/print/sideways_strip.h"
#include "ui/qt/qt_text.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

namespace zenpa::ui {

using settings::PrintFormat;

PrintSettingsSide::PrintSettingsSide(app::Session &session, platform::Host &host, int uiScale,
                                     PrintStatusPanel *status, QMainWindow *window)
    : QObject(window), session_(session), settings_(session, host) {
  panel_ = new PrintSettingsPanel(settings_, session.HasPrinter(), uiScale, window);
  // The layout status keeps its whole width, so its buttons stay in view;
  // the settings panel under it scrolls sideways when the window is too
  // narrow for it, rather than squeezing its controls.
  strip_ = new QWidget(window);
  strip_->setObjectName("printPanels");
  auto *column = new QVBoxLayout(strip_);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(status);
  settingsStrip_ = new SidewaysStrip("printSettingsStrip", panel_, strip_);
  column->addWidget(settingsStrip_);
  connect(panel_, &PrintSettingsPanel::printerSetupRequested, status,
          &PrintStatusPanel::printerSetupRequested);
  connect(panel_, &PrintSettingsPanel::nextPassRequested, status,
          &PrintStatusPanel::ChooseEvenPass);
  connect(panel_, &PrintSettingsPanel::frameShownChanged, this,
          [this](bool shown) { settings_.SetFlag(&PrintFormat::frameShown, shown); });
  modified_ = NamedLabel("zpfModified", window, "zpfModified");
  window->statusBar()->addWidget(modified_);
  modified_->hide();
  for (QWidget *background : std::initializer_list<QWidget *>{status, panel_})
    background->installEventFilter(this);
  BuildMenu();
}

bool PrintSettingsSide::eventFilter(QObject *watched, QEvent *event) {
  if (event->type() != QEvent::MouseButtonPress)
    return QObject::eventFilter(watched, event);
  const Qt::KeyboardModifiers mods = static_cast<QMouseEvent *>(event)->modifiers();
  const bool ctrl = mods & Qt::ControlModifier;
  const bool shift = mods & Qt::ShiftModifier;
  if (ctrl || shift)
    modified_->setVisible(
        settings::ModifiedLabelClick(session_.Format(), ctrl, shift, modified_->isVisible()));
  return QObject::eventFilter(watched, event);
}

QAction *PrintSettingsSide::Item(const char *name, const char *caption,
                                 const std::function<void(bool)> &toggled) {
  QAction *action = menu_->addAction(Utf(caption));
  action->setObjectName(name);
  action->setCheckable(true);
  connect(action, &QAction::triggered, this, toggled);
  return action;
}

void PrintSettingsSide::BuildMenu() {
  menu_ = new QMenu(Utf("印刷(&P)"), panel_->window());
  menu_->setObjectName("Print1");
  const auto flag = [this](bool PrintFormat::*member) {
    return [this, member](bool on) { settings_.SetFlag(member, on); };
  };
  waku_ = Item("waku", "印刷枠表示(&K)", flag(&PrintFormat::frameShown));
  wakuP_ = Item("wakuP", "～印刷枠印刷(&P)", flag(&PrintFormat::framePrinted));
  wakuC_ = Item("wakuC", "用紙端･枠を文字色にする(&E)", flag(&PrintFormat::frameInTextColor));
  menu_->addSeparator();
  drM_ = Item("drM", "下・右用紙端を指定する(&M)",
              [this](bool on) { settings_.Switch(print::PanelSwitch::PaperEdge, on); });
  yohakuP_ = Item("yohakuP", "～用紙端線印刷(&Y)", flag(&PrintFormat::paperEdgeLine));
  cyohaku_ = Item("Cyohaku", "～裏面右余白を左へ(&C)", flag(&PrintFormat::backRightToLeft));
  menu_->addSeparator();
}

void PrintSettingsSide::Refresh() {
  const PrintFormat &f = settings_.Format();
  waku_->setChecked(f.frameShown);
  wakuP_->setChecked(f.framePrinted);
  wakuC_->setChecked(f.frameInTextColor);
  drM_->setChecked(f.paperEdgeOn);
  yohakuP_->setChecked(f.paperEdgeLine);
  cyohaku_->setChecked(f.backRightToLeft);
  yohakuP_->setEnabled(f.paperEdgeOn);
  cyohaku_->setEnabled(f.paperEdgeOn);
  panel_->SetPrinterName(DisplayText(session_.PrinterName()));
  const bool opened = f.frameShown && !panel_->Frame()->isVisibleTo(panel_);
  panel_->Refresh();
  // A frame panel just opened is scrolled into view, with the picture beside it.
  if (opened)
    QTimer::singleShot(0, settingsStrip_, [this] {
      settingsStrip_->ensureWidgetVisible(panel_->Picture(), 0, 0);
      settingsStrip_->ensureWidgetVisible(panel_->Frame(), 0, 0);
    });
}

} // namespace zenpa::ui
