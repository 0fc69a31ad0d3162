#include "app/run_lock.h"

namespace zenpa::app {

bool CommandEnabled(WindowCommand command, bool running) {
  if (!running)
    return true;
  switch (command) {
  case WindowCommand::Exit:
    return true;
  case WindowCommand::FileCommand:
  case WindowCommand::PuzzleCommand:
  case WindowCommand::ConversionPanel:
  case WindowCommand::ConditionsPanel:
  case WindowCommand::DocumentMouse:
    return false;
  }
  return false;
}

} // namespace zenpa::app
