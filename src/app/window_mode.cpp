#include "app/window_mode.h"

namespace zenpa::app {
namespace {

constexpr int kModes = 7;

// One row per group, one column per mode in the order of WindowMode:
// none, puzzle entry, puzzle game, paused game, drill entry, drill game, run.
// A grid mode keeps only its own item (which also leaves it), the sound
// items, Help, Exit and the document's clicks, which go to the board. A run
// keeps the settings too, since they change neither the document nor what
// the run reads; clicks in the document would move the caret the run
// writes at.
constexpr bool kEnabled[kCommandGroups][kModes] = {
    // none entry game paused dEntry dGame run
    {true, false, false, false, false, false, false}, // File
    {true, true, true, true, true, true, true},       // Exit
    {true, false, false, false, false, false, false}, // Edit
    {true, false, false, false, false, false, false}, // Print
    {true, false, false, false, false, false, true},  // Settings
    {true, false, false, false, false, false, false}, // PuzzleMaking
    {true, true, false, false, false, false, false},  // PuzzleEntry
    {true, false, true, false, false, false, false},  // PuzzleGame
    {true, false, true, false, false, false, false},  // PuzzleSteps
    {true, false, false, false, false, false, false}, // Drill
    {true, false, false, false, true, false, false},  // DrillEntry
    {true, false, false, false, false, true, false},  // DrillGame
    {true, true, true, true, true, true, true},       // GameSound
    {true, false, false, false, false, false, false}, // Panels
    {true, true, true, true, true, true, true},       // Help
    {true, true, true, false, true, true, false},     // DocumentMouse
};

int Index(WindowMode mode) { return static_cast<int>(mode); }

} // namespace

bool CommandEnabled(CommandGroup group, WindowMode mode) {
  return kEnabled[static_cast<int>(group)][Index(mode)];
}

bool GridMode(WindowMode mode) {
  return mode == WindowMode::PuzzleEntry || mode == WindowMode::PuzzleGame ||
         mode == WindowMode::DrillEntry || mode == WindowMode::DrillGame;
}

void WindowModes::SetLeaveStep(WindowMode mode, std::function<void()> leave) {
  leave_[Index(mode)] = std::move(leave);
}

bool WindowModes::Enter(WindowMode mode) {
  if (mode == mode_)
    return true;
  if (mode_ == WindowMode::LongRun)
    return false;
  Leave();
  Set(mode);
  return true;
}

void WindowModes::Leave() {
  const WindowMode before = mode_;
  if (before == WindowMode::None || before == WindowMode::LongRun)
    return;
  if (const auto &leave = leave_[Index(before)])
    leave();
  // A leave step that did not end its mode still leaves it.
  if (mode_ == before)
    Set(WindowMode::None);
}

void WindowModes::Ended(WindowMode mode) {
  if (mode_ == mode)
    Set(WindowMode::None);
}

void WindowModes::RunBegins() {
  if (runDepth_++ > 0)
    return;
  runEntered_ = mode_ == WindowMode::None;
  if (runEntered_)
    Set(WindowMode::LongRun);
}

void WindowModes::RunEnded() {
  if (runDepth_ == 0 || --runDepth_ > 0)
    return;
  if (runEntered_)
    Ended(WindowMode::LongRun);
  runEntered_ = false;
}

void WindowModes::Set(WindowMode mode) {
  mode_ = mode;
  for (const auto &observer : observers_)
    observer();
}

} // namespace zenpa::app
