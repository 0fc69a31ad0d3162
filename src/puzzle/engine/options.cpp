#include "puzzle/engine/options.h"

#include "base/sjis.h"

namespace zenpa::puzzle {

void TechniqueOptions::AdvanceSwitch() {
  switch (Label33) {
  case SelectionSwitch::Off:
    Label33 = SelectionSwitch::Selection;
    return;
  case SelectionSwitch::Selection:
    Label33 = SelectionSwitch::ColumnsFirst;
    return;
  case SelectionSwitch::ColumnsFirst:
    Label33 = SelectionSwitch::HardToEasy;
    return;
  case SelectionSwitch::HardToEasy:
    break;
  }
  Label33 = SelectionSwitch::Off;
}

void TechniqueOptions::SetExtraPanelVisible(bool visible) {
  Panel20Visible = visible;
  if (visible)
    return;
  for (int box = kBoxTwoStringKite; box <= kBoxHiddenQuad; ++box)
    CheckBoxL[box] = false;
}

void TechniqueOptions::SetAllBoxes(bool checked) {
  const int last = Panel20Visible ? kBoxHiddenQuad : kBoxRemotePair;
  for (int box = kBoxBlockUnique; box <= last; ++box)
    CheckBoxL[box] = checked;
}

bool TechniqueGate(const TechniqueOptions &options, int box) {
  if (options.CheckBoxL[box] || !options.Panel6Visible)
    return false;
  return options.CheckBoxYH || options.SwitchOn();
}

std::uint32_t SwitchColour(SelectionSwitch state, std::uint32_t parentColour) {
  switch (state) {
  case SelectionSwitch::Selection:
    return 0x0000FF;
  case SelectionSwitch::ColumnsFirst:
    return 0x008000;
  case SelectionSwitch::HardToEasy:
    return 0xFF0000;
  case SelectionSwitch::Off:
    break;
  }
  return parentColour;
}

std::string SwitchHint(SelectionSwitch state) {
  switch (state) {
  case SelectionSwitch::Selection:
    return base::Sj("解法選択");
  case SelectionSwitch::ColumnsFirst:
    return base::Sj("縦→横");
  case SelectionSwitch::HardToEasy:
    return base::Sj("難→易");
  case SelectionSwitch::Off:
    break;
  }
  return {};
}

} // namespace zenpa::puzzle
