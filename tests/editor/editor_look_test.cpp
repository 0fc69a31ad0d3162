#include "editor/editor_look.h"
#include "editor/editor_row.h"
#include "editor/kmode_lines.h"

#include "base/sjis.h"
#include "platform/scripted_host.h"
#include "platform/text_memo.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace zenpa::editor;
using zenpa::base::Sj;

// The reduced display divides the font height by 2 below 280 points and by
// one more for each further 140 points; without it the height is whole.
TEST(EditorLook, ReducedDisplayDivisor) {
  const struct {
    double size;
    int divisor;
  } cases[] = {{6, 2}, {12, 2}, {279.4, 2}, {279.5, 3}, {420, 4}, {560, 5}, {600, 5}};
  for (const auto &c : cases)
    EXPECT_EQ(c.divisor, ReducedDivisor(c.size, true)) << c.size;
  EXPECT_EQ(1, ReducedDivisor(600, false));
  EXPECT_EQ(std::tuple(16, 8, 1),
            std::tuple(EditorFontPixels(12, 96, false), EditorFontPixels(12, 96, true),
                       EditorFontPixels(0.1, 96, true)));
}

TEST(EditorLook, FormatFieldsAndTabRule) {
  zenpa::settings::FormatState state;
  state.format.tabsOn = true;
  state.format.tabWidth = 4;
  state.format.wrapEditor = true;
  state.format.fontSize = 24;
  const EditorLook look = LookOf(state.format, 96, false);
  EXPECT_EQ(std::tuple(4, true, 32), std::tuple(look.tabWidth, look.wrap, look.fontPixels));
  SetTabsOn(state, false);
  EXPECT_EQ(std::tuple(1, true), std::tuple(state.format.tabWidth, state.modified));
  SetTabWidth(state, 12);
  EXPECT_EQ(std::tuple(8, 1),
            std::tuple(state.format.tabWidth, LookOf(state.format, 96, false).tabWidth));
  EXPECT_EQ((std::tuple{2, 8, 16}),
            std::tuple(CaretWidth(16, false, false), CaretWidth(16, true, false),
                       CaretWidth(16, true, true)));
}

// The side panel takes what the editor and the 4-pixel splitter leave, at
// least 1 pixel. After a resize an editor that filled the row fills it
// again; any other keeps its width as far as the row allows.
TEST(EditorLook, EditorRowSplitAndResize) {
  const struct {
    int row, editorWidth;
    bool fills;
    EditorRowSplit expected;
  } cases[] = {
      {769, 500, false, {500, 265}}, {769, 764, false, {764, 1}}, {769, 765, false, {764, 1}},
      {400, 500, false, {395, 1}},   {999, 500, true, {994, 1}},  {3, 500, false, {0, 0}},
  };
  for (const auto &c : cases)
    EXPECT_EQ(c.expected, ResizedEditorRow(c.row, c.editorWidth, c.fills)) << c.row;
}

// The button opens on the sound the line names when it exists; the chosen
// file replaces it, named relative to the program directory when it lies
// there; Ctrl removes it; a line without ":" is left alone.
TEST(KModeLines, AssignSoundOnTheCaretLine) {
  zenpa::testing::TempDir dir;
  const std::string old = dir.Write("old.wav", "");
  zenpa::platform::TextMemo memo({"no colon", "go:,file:old.wav"});
  zenpa::platform::ScriptedHost host;
  memo.SetCaret({1, 4});
  host.fileNames = {"/elsewhere/new.mp3"};
  EXPECT_TRUE(AssignSound(memo, host, dir.Dir(), false));
  EXPECT_EQ(old, host.fileDialogs.at(0).fileName);
  EXPECT_EQ(SoundFilter(), host.fileDialogs.at(0).filter);
  EXPECT_EQ("go:,file:/elsewhere/new.mp3", memo.Line(1));
  EXPECT_EQ((zenpa::platform::TextPos{1, 0}), memo.Caret());
  EXPECT_TRUE(AssignSound(memo, host, dir.Dir(), true));
  EXPECT_EQ("go:", memo.Line(1));
  memo.SetCaret({0, 0});
  EXPECT_FALSE(AssignSound(memo, host, dir.Dir(), false));
  EXPECT_EQ(1u, host.fileDialogs.size());

  EXPECT_EQ("a:b,file:pi.wav", WithSound("a:b,file:/old.wav", "/prog/pi.wav", "/prog/"));
  EXPECT_EQ("'" + Sj("全角"), ToggledQuote(Sj("全角")));
  EXPECT_EQ("", ToggledQuote("'"));
}
