// The drill feature of the main window: the drill panel "もこさん" above
// the document, its menu, and the drill entry and game modes.
#pragma once

#include "ui/common/shell.h"

#include <QObject>

namespace zenpa::ui {

class DrillModes;
class DrillPanel;

class DrillFeature : public QObject, public Feature {
  Q_OBJECT
public:
  explicit DrillFeature(Shell &shell);

  void Refresh() override;

private:
  void ShowPanel(bool shown);

  Shell &shell_;
  app::Session &session_;
  DrillPanel *panel_ = nullptr;
  DrillModes *modes_ = nullptr;
};

} // namespace zenpa::ui
