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

// Entering a mode leaves the one before through its owner's step; a run
// enters LongRun only from no mode and cannot be left by entering another.
TEST(WindowModesTest, EnteringLeavesTheModeBeforeAndRunsNestInModes) {
  WindowModes modes;
  std::string steps;
  int changes = 0;
  modes.OnChanged([&] { ++changes; });
  modes.SetLeaveStep(WindowMode::DrillEntry, [&] {
    steps += "drill;";
    modes.Ended(WindowMode::DrillEntry);
  });
  modes.SetLeaveStep(WindowMode::PuzzleGame, [&] { steps += "game;"; });

  EXPECT_TRUE(modes.Enter(WindowMode::DrillEntry));
  EXPECT_TRUE(modes.Enter(WindowMode::PuzzleGame));
  EXPECT_EQ("drill;", steps);
  EXPECT_EQ(WindowMode::PuzzleGame, modes.Mode());

  // A run inside the game (the generator, the step display) stays in it.
  modes.RunBegins();
  EXPECT_EQ(WindowMode::PuzzleGame, modes.Mode());
  modes.RunEnded();
  // A leave step that forgets to end its mode still leaves it.
  modes.Leave();
  EXPECT_EQ("drill;game;", steps);
  EXPECT_EQ(WindowMode::None, modes.Mode());

  modes.RunBegins();
  modes.RunBegins();
  EXPECT_EQ(WindowMode::LongRun, modes.Mode());
  EXPECT_FALSE(modes.Enter(WindowMode::PuzzleEntry));
  modes.RunEnded();
  EXPECT_EQ(WindowMode::LongRun, modes.Mode());
  modes.RunEnded();
  EXPECT_EQ(WindowMode::None, modes.Mode());
  EXPECT_EQ(6, changes);
}

} // namespace
} // namespace zenpa::app
