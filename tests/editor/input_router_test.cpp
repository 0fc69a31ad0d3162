#include "editor/input_router.h"

#include "base/sjis.h"
#include "platform/text_memo.h"

#include <gtest/gtest.h>

using namespace zenpa::editor;
using zenpa::base::Sj;
using zenpa::platform::TextMemo;

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

InputEvent Typed(const std::string &text) { return {InputKind::KeyPress, InputKey::Other, text}; }

InputEvent Of(InputKind kind, InputKey key = InputKey::None) {
  InputEvent event;
  event.kind = kind;
  event.key = key;
  return event;
}

} // namespace

// Overwrite typing replaces the whole character under the caret, two bytes
// for a full-width one, and inserts at the end of the line.
TEST(InputRouter, OverwriteSelectsTheCharacterUnderTheCaret) {
  TextMemo memo({Sj("あa")});
  InputRouter router;
  const InputState overwrite{.overwrite = true};
  EXPECT_EQ(2, router.Route(Typed("x"), memo, overwrite).overwriteBytes);
  memo.SetCaret({0, 2});
  EXPECT_EQ(1, router.Route(Typed("x"), memo, overwrite).overwriteBytes);
  memo.SetCaret({0, 3});
  EXPECT_EQ(0, router.Route(Typed("x"), memo, overwrite).overwriteBytes);
  memo.SetCaret({0, 0});
  EXPECT_EQ(3, router.Route(Typed(Sj("かなa")), memo, overwrite).overwriteBytes);
  memo.SetCaret({0, 0});
  EXPECT_EQ(0, router.Route(Typed("x"), memo, InputState{}).overwriteBytes);
  InputEvent ctrlA = Typed("a");
  ctrlA.ctrl = true;
  EXPECT_EQ(0, router.Route(ctrlA, memo, overwrite).overwriteBytes);
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
  EXPECT_TRUE(router.Route(Typed("1"), memo, kMode).handled);
  EXPECT_EQ(1, run.seen);
  EXPECT_EQ(0, grid.seen);

  run.active = false;
  const Routing typed = router.Route(Typed("1"), memo, kMode);
  EXPECT_TRUE(typed.handled);
  EXPECT_EQ(0, typed.overwriteBytes);
  EXPECT_EQ(1, run.seen);
  EXPECT_EQ(1, grid.seen);

  grid.takes = false;
  EXPECT_FALSE(router.Route(Typed("1"), memo, kMode).handled);
  router.Unplug(grid);
  router.Route(Typed("1"), memo, kMode);
  EXPECT_EQ(2, grid.seen);
}

// With KMode, Ctrl+click toggles a leading apostrophe on the caret's line
// only and nothing else happens; without it, the click grades the puzzle.
TEST(InputRouter, CtrlClickTogglesTheQuoteInKModeElseGrades) {
  TextMemo memo({"one", "two", "three"});
  memo.SetCaret({1, 2});
  InputRouter router;
  const InputEvent press{InputKind::MouseDown, InputKey::None, "", true};
  const InputEvent click{InputKind::Click, InputKey::None, "", true};
  const InputState kMode{.kMode = true};
  const Routing first = router.Route(press, memo, kMode);
  EXPECT_TRUE(first.handled);
  EXPECT_FALSE(first.relayout);
  EXPECT_FALSE(router.Route(click, memo, kMode).gradePuzzle);
  EXPECT_EQ((std::vector<std::string>{"one", "'two", "three"}), memo.Lines());
  EXPECT_EQ((zenpa::platform::TextPos{1, 0}), memo.Caret());

  EXPECT_TRUE(router.Route(click, memo, InputState{}).gradePuzzle);
  EXPECT_FALSE(router.Route(press, memo, InputState{}).handled);
  EXPECT_EQ((std::vector<std::string>{"one", "'two", "three"}), memo.Lines());
}

// Without realtime layout the document is laid out on key release and
// mouse press; with it, typing already did. Ctrl+V rewrites the clipboard's
// line breaks only while line-break conversion is on.
TEST(InputRouter, LayoutTriggersAndPaste) {
  TextMemo memo({"a"});
  InputRouter router;
  const InputState manual{.realtimeLayout = false};
  const InputState realtime{.realtimeLayout = true, .convertLineEnds = true};
  for (InputKind kind : {InputKind::KeyUp, InputKind::MouseDown}) {
    EXPECT_TRUE(router.Route(Of(kind), memo, manual).relayout);
    EXPECT_FALSE(router.Route(Of(kind), memo, realtime).relayout);
  }
  EXPECT_FALSE(router.Route(Of(InputKind::KeyDown), memo, manual).relayout);
  EXPECT_FALSE(router.Route(Of(InputKind::Resize), memo, realtime).relayout);
  const InputEvent paste = Of(InputKind::KeyDown, InputKey::Paste);
  EXPECT_TRUE(router.Route(paste, memo, realtime).normalisePaste);
  EXPECT_FALSE(router.Route(paste, memo, manual).normalisePaste);
}
