#include "puzzle/engine/options.h"

#include "base/sjis.h"

namespace zenpa::puzzle {

bool TechniqueGate(const TechniqueOptions &options, int box) {
  if (options.boxes[box] || !options.conditionsPanelShown)
    return false;
  return options.mustUseHardest || options.SwitchOn();
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

std::uint32_t SwitchHoverColour(SelectionSwitch state, std::uint32_t parentColour) {
  return state == SelectionSwitch::Off ? 0xC0C0C0 : SwitchColour(state, parentColour);
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
