#include "settings/technique_options.h"

namespace zenpa::settings {
namespace {

constexpr const char *kCaptions[] = {"",
                                     "Block Unique",
                                     "Line Unique",
                                     "Cell Unique",
                                     "Localization",
                                     "Naked Pair",
                                     "Hidden Pair",
                                     "Naked Triple",
                                     "Hidden Triple",
                                     "X-Wing",
                                     "Swordfish",
                                     "Skyscraper",
                                     "XY-Wing",
                                     "Remote Pair",
                                     "2-String Kite",
                                     "Empty Rect.",
                                     "Naked Quad",
                                     "Hidden Quad"};

} // namespace

std::string TechniqueCaption(int box) {
  if (box < kBoxBlockUnique || box > kBoxHiddenQuad)
    return {};
  return kCaptions[box];
}

void TechniqueOptions::AdvanceSwitch() {
  switch (selectionSwitch) {
  case SelectionSwitch::Off:
    selectionSwitch = SelectionSwitch::Selection;
    return;
  case SelectionSwitch::Selection:
    selectionSwitch = SelectionSwitch::ColumnsFirst;
    return;
  case SelectionSwitch::ColumnsFirst:
    selectionSwitch = SelectionSwitch::HardToEasy;
    return;
  case SelectionSwitch::HardToEasy:
    break;
  }
  selectionSwitch = SelectionSwitch::Off;
}

void TechniqueOptions::SetExtraPanelVisible(bool visible) {
  extraPanelShown = visible;
  if (visible)
    return;
  for (int box = kFirstExtraBox; box <= kBoxHiddenQuad; ++box)
    boxes[box] = false;
}

void TechniqueOptions::SetAllBoxes(bool checked) {
  const int last = extraPanelShown ? kBoxHiddenQuad : kBoxRemotePair;
  for (int box = kBoxBlockUnique; box <= last; ++box)
    boxes[box] = checked;
}

} // namespace zenpa::settings
