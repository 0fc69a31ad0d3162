#include "app/run_input.h"

namespace zenpa::app {

RunKey RunKeyOf(editor::InputKey key) {
  using editor::InputKey;
  switch (key) {
  case InputKey::Enter:
    return RunKey::Enter;
  case InputKey::Escape:
    return RunKey::Escape;
  case InputKey::Backspace:
    return RunKey::Backspace;
  case InputKey::Tab:
    return RunKey::Tab;
  case InputKey::Left:
    return RunKey::Left;
  case InputKey::Right:
    return RunKey::Right;
  case InputKey::Up:
    return RunKey::Up;
  case InputKey::Down:
    return RunKey::Down;
  default:
    return RunKey::Other;
  }
}

bool RunInputMode::Handle(const editor::InputEvent &event, platform::Memo & /*memo*/) {
  using editor::InputKind;
  switch (event.kind) {
  case InputKind::KeyDown:
    puzzle_.EditorKey(RunKeyOf(event.key));
    return true;
  case InputKind::MouseDown:
    if (mousePressed_)
      mousePressed_();
    return true;
  case InputKind::Resize:
    return false;
  default:
    return true;
  }
}

} // namespace zenpa::app
