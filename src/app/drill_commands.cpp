#include "app/drill_commands.h"

#include "drill/drill_play.h"
#include "drill/drill_writer.h"
#include "drill/sheet_cursor.h"

namespace zenpa::app {

DrillCommands::DrillCommands(WindowModes &modes, platform::Memo &memo, platform::Host &host,
                             settings::FormatState &format, DrillHooks hooks)
    : modes_(modes), memo_(memo), host_(host), format_(format), hooks_(std::move(hooks)),
      rng_(LaunchSeed(LaunchClockOf(hooks_.launchClock))), game_(host) {
  for (WindowMode mode : {WindowMode::DrillEntry, WindowMode::DrillGame})
    modes_.SetLeaveStep(mode, [this] { Stop(); });
}

WindowMode DrillCommands::Mode() const {
  const WindowMode mode = modes_.Mode();
  const bool drill = mode == WindowMode::DrillEntry || mode == WindowMode::DrillGame;
  return drill ? mode : WindowMode::None;
}

void DrillCommands::SetMode(WindowMode mode) {
  if (mode == WindowMode::None)
    modes_.Ended(Mode());
  else
    modes_.Enter(mode);
}

void DrillCommands::Write(const std::function<void()> &command) {
  bool &realtime = hooks_.realtimeLayout();
  const bool was = realtime;
  realtime = false;
  command();
  hooks_.realtimeLayout() = was;
  hooks_.relayout();
}

bool DrillCommands::Generate(DrillBoxes &boxes) {
  settings::DrillOptions &options = Options();
  options.digits = drill::TakeDigitCount(boxes.digits);
  options.sheets = drill::TakeSheetCount(boxes.sheets);
  options.hint = drill::TakeHintCount(boxes.hints);
  SettingsChanged();
  drill::GenerateResult result = drill::GenerateResult::Cancelled;
  modes_.RunBegins();
  Write([&] { result = drill::Generate(memo_, format_.format, rng_, hooks_.askSaveChanges); });
  modes_.RunEnded();
  if (result == drill::GenerateResult::Cancelled)
    return false;
  if (!options.addToDocument)
    hooks_.resetPageNumbering();
  return true;
}

void DrillCommands::Answer() {
  Write([this] { drill::WriteAnswerForCaret(memo_, format_.format); });
}

void DrillCommands::Stop() {
  if (Mode() == WindowMode::None)
    return;
  SetMode(WindowMode::None);
  if (stopped_)
    stopped_();
}

bool DrillCommands::StartEntry() {
  SetMode(WindowMode::None);
  if (!drill::StartEntry(memo_, host_, format_.format, cursor_))
    return false;
  SetMode(WindowMode::DrillEntry);
  return true;
}

bool DrillCommands::Started(drill::StartResult result) {
  const bool started = result == drill::StartResult::Started;
  SetMode(started ? WindowMode::DrillGame : WindowMode::None);
  return started;
}

bool DrillCommands::PrepareGame(DrillBoxes &boxes) {
  SetMode(WindowMode::None);
  game_.SetSoundsEnabled(Options().gameSound);
  return drill::FindSheetTop(memo_, memo_.Caret().line) || Generate(boxes);
}

bool DrillCommands::BeginGame() {
  drill::StartResult result = drill::StartResult::Cancelled;
  Write([&] { result = game_.Start(memo_, format_.format); });
  return Started(result);
}

bool DrillCommands::ContinueSameLevel() {
  drill::StartResult result = drill::StartResult::Cancelled;
  Write([&] { result = drill::PlayNextSheet(memo_, game_, format_.format, rng_); });
  hooks_.resetPageNumbering();
  SettingsChanged();
  return Started(result);
}

drill::KeyOutcome DrillCommands::Key(char key) {
  drill::KeyOutcome outcome;
  if (Mode() == WindowMode::DrillEntry)
    outcome.result = drill::EntryKey(memo_, cursor_, key);
  else if (Mode() == WindowMode::DrillGame)
    outcome = game_.Key(memo_, key, Options().showWrongDigits);
  if (outcome.result == drill::KeyResult::LeaveMode || outcome.result == drill::KeyResult::Goal)
    SetMode(WindowMode::None);
  return outcome;
}

void DrillCommands::Arrow(drill::Arrow arrow) {
  if (Mode() == WindowMode::DrillEntry)
    drill::EntryArrow(memo_, cursor_, arrow);
}

bool DrillInputMode::Typed(const std::string &text) {
  for (char key : text)
    keyDone_(commands_.Key(key));
  return true;
}

void DrillInputMode::Clicked(const editor::InputEvent &event, platform::Memo &memo) {
  if (commands_.Mode() == WindowMode::DrillGame) {
    commands_.Game().ReturnToCell(memo);
    return;
  }
  drill::SheetCursor &cursor = commands_.Cursor();
  const CellMetrics m = metrics_();
  const int row = drill::ClickedRow(cursor, memo.FirstVisibleLine(), event.y, m.lineHeight);
  const int line = cursor.topLine + 1 + 2 * row;
  const int first = line < memo.LineCount() ? drill::FirstCellOffset(memo.Line(line)) : -1;
  const int prefix = first < 2 ? 0 : (first - 2) * m.halfWidth;
  drill::MoveToCell(memo, cursor, row,
                    drill::ClickedColumn(cursor, row, event.x, prefix, m.halfWidth));
}

// Key-downs of character keys pass on, so that their typed text arrives;
// every other key (editing, paste, Enter, Tab) is swallowed.
bool DrillInputMode::KeyDown(editor::InputKey key) {
  using editor::InputKey;
  switch (key) {
  case InputKey::Escape:
    return Typed(std::string(1, drill::kEscKey));
  case InputKey::Left:
    commands_.Arrow(drill::Arrow::Left);
    return true;
  case InputKey::Right:
    commands_.Arrow(drill::Arrow::Right);
    return true;
  case InputKey::Up:
    commands_.Arrow(drill::Arrow::Up);
    return true;
  case InputKey::Down:
    commands_.Arrow(drill::Arrow::Down);
    return true;
  case InputKey::None:
  case InputKey::Other:
    return false;
  default:
    return true;
  }
}

bool DrillInputMode::Handle(const editor::InputEvent &event, platform::Memo &memo) {
  switch (event.kind) {
  case editor::InputKind::KeyPress:
    return Typed(event.text);
  case editor::InputKind::KeyDown:
    return KeyDown(event.key);
  case editor::InputKind::KeyUp:
    commands_.KeyReleased();
    return false;
  case editor::InputKind::MouseDown:
    if (!event.rightButton)
      Clicked(event, memo);
    return true;
  case editor::InputKind::ContextMenu:
    popup_();
    return true;
  case editor::InputKind::Resize:
    return false;
  default:
    return true;
  }
}

} // namespace zenpa::app
