#include "editor/input_router.h"

#include "base/sjis.h"
#include "platform/text_memo.h"

#include <gtest/gtest.h>

using namespace zenpa::editor;
using zenpa::base::Sj;
using zenpa::platform::TextMemo;
using Lines = std::vector<std::string>;

namespace {

// A mode that records what it saw and takes what it is told to.
struct FakeMode : InputMode {
  bool active = true;
  bool takes = true;
  int seen = 0;
  bool Active() const override { return active; }
  bool Handle(const InputEvent &, zenpa::platform::Memo &) override {
    ++seen;
    return takes;
  }
};

InputEvent Of(InputKind kind, InputKey key = InputKey::None, const std::string &text = {},
              bool ctrl = false) {
  return {kind, key, text, ctrl};
}

} // namespace

// Overwrite typing replaces the whole character under the caret, two bytes
// for a full-width one, one per typed character, and inserts at the end of
// the line; Ctrl keys and insert mode replace nothing.
TEST(InputRouter, OverwriteReplacesWholeCharacters) {
  const struct {
    int column;
    std::string typed;
    bool overwrite, ctrl;
    int bytes;
  } cases[] = {{0, "x", true, false, 2},  {2, "x", true, false, 1},
               {3, "x", true, false, 0},  {0, Sj("かなa"), true, false, 3},
               {0, "x", false, false, 0}, {0, "a", true, true, 0}};
  InputRouter router;
  for (const auto &c : cases) {
    TextMemo memo({Sj("あa")});
    memo.SetCaret({0, c.column});
    const InputEvent key = Of(InputKind::KeyPress, InputKey::Other, c.typed, c.ctrl);
    EXPECT_EQ(c.bytes, router.Route(key, memo, {.overwrite = c.overwrite}).overwriteBytes)
        << c.column << " " << c.typed;
  }
}

// A first-stage mode sees events before the KMode click and the grid modes;
// an inactive mode sees nothing; a taking grid mode cancels overwrite typing.
TEST(InputRouter, ModesSeeEventsInStageOrder) {
  TextMemo memo({"abc"});
  InputRouter router;
  FakeMode run, grid;
  router.Plug(grid, ModeStage::Grid);
  router.Plug(run, ModeStage::First);
  const InputState kMode{.overwrite = true, .kMode = true};
  const InputEvent typed1 = Of(InputKind::KeyPress, InputKey::Other, "1");
  EXPECT_TRUE(router.Route(typed1, memo, kMode).handled);
  run.active = false;
  const Routing typed = router.Route(typed1, memo, kMode);
  EXPECT_TRUE(typed.handled);
  EXPECT_EQ(0, typed.overwriteBytes);
  grid.takes = false;
  EXPECT_FALSE(router.Route(typed1, memo, kMode).handled);
  router.Unplug(grid);
  router.Route(typed1, memo, kMode);
  EXPECT_EQ((std::pair{1, 2}), std::pair(run.seen, grid.seen));
}

// With KMode, Ctrl+click toggles a leading apostrophe on the caret's line
// only and nothing else happens; without it, the click grades the puzzle.
TEST(InputRouter, CtrlClickTogglesTheQuoteInKModeElseGrades) {
  TextMemo memo({"one", "two", "three"});
  memo.SetCaret({1, 2});
  InputRouter router;
  const InputEvent press = Of(InputKind::MouseDown, InputKey::None, "", true);
  const InputEvent click = Of(InputKind::Click, InputKey::None, "", true);
  const InputState kMode{.kMode = true};
  const Routing first = router.Route(press, memo, kMode);
  EXPECT_TRUE(first.handled);
  EXPECT_FALSE(first.relayout);
  EXPECT_FALSE(router.Route(click, memo, kMode).gradePuzzle);
  EXPECT_EQ((Lines{"one", "'two", "three"}), memo.Lines());
  EXPECT_EQ((zenpa::platform::TextPos{1, 0}), memo.Caret());

  EXPECT_TRUE(router.Route(click, memo, InputState{}).gradePuzzle);
  EXPECT_FALSE(router.Route(press, memo, InputState{}).handled);
  EXPECT_EQ((Lines{"one", "'two", "three"}), memo.Lines());
}

// Without realtime layout the document is laid out on key release and
// mouse press; with it, typing already did. Ctrl+V rewrites the clipboard's
// line breaks only while line-break conversion is on.
TEST(InputRouter, LayoutTriggersAndPaste) {
  TextMemo memo({"a"});
  InputRouter router;
  std::string seen; // per state: L for a layout after each kind of event, P for a paste rewrite
  for (const InputState state : {InputState{.realtimeLayout = false},
                                 InputState{.realtimeLayout = true, .convertLineEnds = true}}) {
    for (InputKind kind :
         {InputKind::KeyUp, InputKind::MouseDown, InputKind::KeyDown, InputKind::Resize})
      seen += router.Route(Of(kind), memo, state).relayout ? 'L' : '-';
    seen += router.Route(Of(InputKind::KeyDown, InputKey::Paste), memo, state).normalisePaste ? 'P'
                                                                                              : '-';
    seen += ' ';
  }
  EXPECT_EQ("LL--- ----P ", seen);
}
