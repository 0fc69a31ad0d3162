#include "puzzle/play/puzzle_file_level_check.h"

#include "platform/scripted_host.h"
#include "platform/text_memo.h"
#include "puzzle/engine/engine.h"
#include "puzzle/play/support/puzzle_file_desk.h"

#include <gtest/gtest.h>

using zenpa::editor::InsertionPlace;
using zenpa::platform::TextMemo;
using namespace zenpa::play;
namespace puzzle = zenpa::puzzle;

namespace {

const std::vector<std::string> &kEasy = zenpa::testing::kSampleRows;

// A host whose window stores a key after a number of event rounds.
class KeyHost : public zenpa::platform::ScriptedHost {
public:
  puzzle::Engine *engine = nullptr;
  std::vector<int> keys; // one per pause
  int roundsPerKey = 3;
  void ProcessEvents() override {
    ScriptedHost::ProcessEvents();
    if (processEventsCalls % roundsPerKey == 0 && !keys.empty()) {
      engine->StepKey = keys.front();
      keys.erase(keys.begin());
    }
  }
};

struct Desk {
  TextMemo memo;
  KeyHost host;
  puzzle::Engine engine;
  zenpa::settings::PrintFormat format;
  PuzzleBlockWriter writer{memo, format};
  SolveState state;
  AnswerContext answer{memo, host, engine, writer, state};
  LevelCheckDisplay display;
  PuzzleReadContext read{memo, host, writer, GradingLevelCheck(answer, display)};
  Desk() { host.engine = &engine; }
};

PuzzleFileContent Grids(int count) {
  std::vector<std::string> lines;
  for (int i = 0; i < count; ++i)
    lines.insert(lines.end(), kEasy.begin(), kEasy.end());
  return ReadPuzzleLines(lines, PuzzleDialect::Plain);
}

} // namespace

TEST(LevelCheckReading, PausesAfterEveryPuzzleUntilEnter) {
  Desk d;
  d.host.keys = {puzzle::kKeyTab, puzzle::kKeyEnter, puzzle::kKeyEnter};
  EXPECT_TRUE(WriteReadGrids(d.read, Grids(2), "dir/q.nbp"));
  // Tab is not a level-check key: the first pause waits for the Enter after it.
  EXPECT_EQ(9, d.host.processEventsCalls);
  EXPECT_EQ("L.1", d.display.levelLabel);
  EXPECT_EQ("ZENPA - q.nbp", d.display.caption);
  EXPECT_FALSE(d.display.panelVisible);
  EXPECT_EQ(2 * 22, d.memo.LineCount()); // no answers written
  EXPECT_TRUE(d.host.messages.empty());
}

TEST(LevelCheckReading, EscapeOrStopEndsTheReading) {
  Desk d;
  d.host.keys = {puzzle::kKeyEscape};
  EXPECT_FALSE(WriteReadGrids(d.read, Grids(3), "q.nbp"));
  EXPECT_EQ(22, d.memo.LineCount()); // the first puzzle's block, separator included
  EXPECT_EQ("\f", d.memo.Line(21));
  Desk s;
  s.host.keys = {};
  s.state.StopRequest = true;
  EXPECT_FALSE(WriteReadGrids(s.read, Grids(1), "q.nbp"));
}
