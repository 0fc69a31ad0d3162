#include "editor/input_router.h"

#include "base/sjis.h"
#include "editor/kmode_lines.h"
#include "editor/overwrite.h"

#include <algorithm>

namespace zenpa::editor {
namespace {

bool Printable(const InputEvent &event) {
  if (event.ctrl || event.text.empty())
    return false;
  const auto first = static_cast<unsigned char>(event.text.front());
  return first >= 0x20 && first != 0x7F;
}

} // namespace

void InputRouter::Plug(InputMode &mode, ModeStage stage) { modes_.push_back({&mode, stage}); }

void InputRouter::Unplug(InputMode &mode) {
  std::erase_if(modes_, [&mode](const Plugged &p) { return p.mode == &mode; });
}

bool InputRouter::ModeTakes(ModeStage stage, const InputEvent &event, platform::Memo &memo) {
  for (const Plugged &p : modes_) {
    if (p.stage == stage && p.mode->Active() && p.mode->Handle(event, memo))
      return true;
  }
  return false;
}

Routing InputRouter::Route(const InputEvent &event, platform::Memo &memo, const InputState &state) {
  if (event.kind == InputKind::KeyPress)
    return RouteKeyPress(event, memo, state);
  if (event.kind == InputKind::MouseDown)
    return RouteMouseDown(event, memo, state);
  Routing r;
  if (event.kind == InputKind::KeyDown)
    r.normalisePaste = event.key == InputKey::Paste && state.convertLineEnds;
  r.handled = ModeTakes(ModeStage::First, event, memo) || ModeTakes(ModeStage::Grid, event, memo);
  switch (event.kind) {
  case InputKind::KeyDown:
    r.refreshPosition = state.realtimeLayout;
    break;
  case InputKind::KeyUp:
    r.rebuildCaret = true;
    r.relayout = !state.realtimeLayout;
    r.refreshPosition = true;
    break;
  case InputKind::Resize:
    r.relayout = memo.WordWrap() && state.realtimeLayout;
    break;
  case InputKind::Click:
    r.gradePuzzle = event.ctrl && !state.kMode && !r.handled;
    break;
  default:
    break;
  }
  return r;
}

Routing InputRouter::RouteKeyPress(const InputEvent &event, platform::Memo &memo,
                                   const InputState &state) {
  Routing r;
  if (ModeTakes(ModeStage::First, event, memo)) {
    r.handled = true;
    return r;
  }
  if (state.overwrite && Printable(event))
    r.overwriteBytes = OverwriteBytes(memo, event.text);
  r.handled = ModeTakes(ModeStage::Grid, event, memo);
  if (r.handled)
    r.overwriteBytes = 0;
  return r;
}

Routing InputRouter::RouteMouseDown(const InputEvent &event, platform::Memo &memo,
                                    const InputState &state) {
  Routing r;
  r.showMarkItems = true;
  if (event.ctrl && state.kMode) {
    ToggleQuoteAtCaret(memo);
    r.handled = true;
    return r;
  }
  if (ModeTakes(ModeStage::First, event, memo)) {
    r.handled = true;
    return r;
  }
  r.rebuildCaret = true;
  r.handled = ModeTakes(ModeStage::Grid, event, memo);
  r.relayout = !state.realtimeLayout;
  r.refreshPosition = true;
  return r;
}

int OverwriteBytes(const platform::Memo &memo, std::string_view typed) {
  const platform::TextPos caret = memo.Caret();
  if (caret.line >= memo.LineCount())
    return 0;
  const std::string &line = memo.Line(caret.line);
  int col = caret.col;
  for (std::size_t i = 0; i < typed.size(); i += base::CharLen(typed, i)) {
    const ByteSpan span = OverwriteSpan(line, col);
    if (span.end <= col)
      break;
    col = span.end;
  }
  return col - caret.col;
}

} // namespace zenpa::editor
