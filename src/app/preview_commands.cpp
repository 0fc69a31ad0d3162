#include "app/preview_commands.h"

namespace zenpa::app {

void PreviewCommands::RelayoutUnlessRealtime() {
  if (!session_.Doc().Settings().realtimeLayoutOn)
    session_.Relayout();
}

void PreviewCommands::Open() {
  RelayoutUnlessRealtime();
  State().Open();
}

void PreviewCommands::PressAdjust() {
  State().PressAdjust();
  RelayoutUnlessRealtime();
}

void PreviewCommands::Step(SheetStep step) {
  switch (step) {
  case SheetStep::First:
    State().First();
    break;
  case SheetStep::Previous:
    State().Previous();
    break;
  case SheetStep::Next:
    State().Next();
    break;
  case SheetStep::Last:
    State().Last();
    break;
  }
}

std::string PreviewCommands::EnterZoom(std::string_view text) {
  int &zoom = session_.Format().format.previewZoom;
  zoom = print::ZoomFromText(text, zoom);
  return std::to_string(zoom);
}

} // namespace zenpa::app
