#include "editor/editor_look.h"
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
  for (const auto &c : cases) {
    EXPECT_EQ(c.divisor, ReducedDivisor(c.size, true)) << c.size;
    EXPECT_EQ(1, ReducedDivisor(c.size, false)) << c.size;
  }
  EXPECT_EQ(16, EditorFontPixels(12, 96, false));
  EXPECT_EQ(8, EditorFontPixels(12, 96, true));
  EXPECT_EQ(1, EditorFontPixels(0.1, 96, true));
}

TEST(EditorLook, FormatFieldsAndTabRule) {
  zenpa::settings::FormatState state;
  state.format.tabsOn = true;
  state.format.tabWidth = 4;
  state.format.wrapEditor = true;
  state.format.fontSize = 24;
  EditorLook look = LookOf(state.format, 96, false);
  EXPECT_EQ(4, look.tabWidth);
  EXPECT_TRUE(look.wrap);
  EXPECT_EQ(32, look.fontPixels);

  SetTabsOn(state, false);
  EXPECT_EQ(1, state.format.tabWidth);
  EXPECT_TRUE(state.modified);
  SetTabWidth(state, 12);
  EXPECT_EQ(8, state.format.tabWidth);
  EXPECT_EQ(1, LookOf(state.format, 96, false).tabWidth);

  EXPECT_EQ(2, CaretWidth(16, false, false));
  EXPECT_EQ(8, CaretWidth(16, true, false));
  EXPECT_EQ(16, CaretWidth(16, true, true));
}

TEST(KModeLines, SoundAssignment) {
  const std::string dir = "/prog/";
  EXPECT_FALSE(TakesSound("no colon"));
  EXPECT_EQ("a:b,file:/snd/x.wav", WithSound("a:b,,", "/snd/x.wav", dir));
  EXPECT_EQ("a:b,file:pi.wav", WithSound("a:b,file:/old.wav", "/prog/pi.wav", dir));
  EXPECT_EQ("/old.wav", SoundFileOf("a:b,file:/old.wav"));
  EXPECT_EQ("a:b", WithSound("a:b,,file:/old.wav", "", dir));
  EXPECT_EQ("", SoundFileOf("a:b"));
  EXPECT_EQ("'" + Sj("全角"), ToggledQuote(Sj("全角")));
  EXPECT_EQ("", ToggledQuote("'"));
}

// The button opens on the sound the line names when it exists; the chosen
// file replaces it; Ctrl removes it; a line without ":" is left alone.
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
}
