#include "print/panel_rules.h"

#include <algorithm>

#include "print/print_run.h"

namespace zenpa::print {

using settings::PrintFormat;

PanelStates StatesOf(const PrintFormat &f) {
  PanelStates s;
  s.pageNumberPlaces = f.pageNumberOn;
  s.alignHeader = HeaderLines(f) > 0 || FooterLines(f) > 0;
  s.extension = f.printFileName;
  s.leftAligned = f.duplex || f.pouchBinding;
  s.passButtons = f.duplex;
  s.nextPassButton = f.duplex && !f.pouchBinding;
  s.tabWidth = f.tabsOn;
  s.paperEdgeFields = f.paperEdgeOn;
  s.frameLines = f.frameShown;
  return s;
}

bool SetSwitch(PrintFormat &f, PanelSwitch which, bool on, const PageGeometry &g) {
  switch (which) {
  case PanelSwitch::PageNumber:
    f.pageNumberOn = on;
    return false;
  case PanelSwitch::FileName:
    f.printFileName = on;
    return false;
  case PanelSwitch::Date:
    f.printDate = on;
    return false;
  case PanelSwitch::PaperEdge:
    f.paperEdgeOn = on;
    if (!on)
      f.paperBottom = f.paperRight = 0;
    return false;
  case PanelSwitch::Duplex:
    f.duplex = on;
    f.pouchBinding = f.pouchBinding && !on;
    break;
  case PanelSwitch::PouchBinding:
    f.pouchBinding = on;
    f.duplex = f.duplex && !on;
    break;
  case PanelSwitch::LeftAligned:
    f.pagesLeftAligned = on;
    break;
  }
  const PrintFormat before = f;
  gooPageXR(f, g);
  return !(before == f);
}

int MatchFontName(const std::vector<std::string> &fonts, std::string_view typed) {
  for (std::size_t i = fonts.size(); i-- > 0;) {
    if (fonts[i] == typed)
      return static_cast<int>(i);
  }
  return -1;
}

int StepFontSelection(int selected, int count, int delta) {
  if (count <= 0)
    return -1;
  if (selected < 0)
    return 0;
  return std::clamp(selected + delta, 0, count - 1);
}

} // namespace zenpa::print
