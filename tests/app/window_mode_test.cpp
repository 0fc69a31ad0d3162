#include "app/window_mode.h"

#include <gtest/gtest.h>

#include <string>

namespace zenpa::app {
namespace {

// One row per mode: the groups enabled, one letter each, in the order of
// CommandGroup (File, Exit, Edit, Print, Settings, PuzzleMaking,
// PuzzleEntry, PuzzleGame, PuzzleSteps, Drill, DrillEntry, DrillGame,
// GameSound, Panels, Help, DocumentMouse).
struct Row {
  WindowMode mode;
  const char *enabled;
};

constexpr Row kRows[] = {
    {WindowMode::None, "FXEPSMIGTDNRBLHO"},       {WindowMode::PuzzleEntry, "-X----I-----B-HO"},
    {WindowMode::PuzzleGame, "-X-----GT---B-HO"}, {WindowMode::PausedGame, "-X----------B-H-"},
    {WindowMode::DrillEntry, "-X--------N-B-HO"}, {WindowMode::DrillGame, "-X---------RB-HO"},
    {WindowMode::LongRun, "-X--S-------B-H-"},
};

TEST(CommandEnabledTest, EachModeLeavesItsOwnCommands) {
  for (const Row &row : kRows) {
    std::string enabled;
    for (int g = 0; g < kCommandGroups; ++g)
      enabled += CommandEnabled(static_cast<CommandGroup>(g), row.mode) ? row.enabled[g] : '-';
    EXPECT_EQ(std::string(row.enabled), enabled) << "mode " << static_cast<int>(row.mode);
  }
}

// Entering a mode leaves the one before through its owner's step, even one
// that forgets to end its mode; a run enters LongRun only from no mode, nests,
// and cannot be left by entering another mode.
TEST(WindowModesTest, EnteringLeavesTheModeBeforeAndRunsNestInModes) {
  WindowModes modes;
  std::string steps;
  modes.SetLeaveStep(WindowMode::PuzzleGame, [&] { steps += "game;"; });
  EXPECT_TRUE(modes.Enter(WindowMode::PuzzleGame));
  modes.RunBegins(); // the generator or the step display stays in the game
  EXPECT_EQ(WindowMode::PuzzleGame, modes.Mode());
  modes.RunEnded();
  EXPECT_TRUE(modes.Enter(WindowMode::DrillEntry));
  EXPECT_EQ("game;", steps);
  modes.Leave();
  modes.RunBegins();
  modes.RunBegins();
  EXPECT_FALSE(modes.Enter(WindowMode::PuzzleEntry));
  modes.RunEnded();
  EXPECT_EQ(WindowMode::LongRun, modes.Mode());
  modes.RunEnded();
  EXPECT_EQ(WindowMode::None, modes.Mode());
}

} // namespace
} // namespace zenpa::app
