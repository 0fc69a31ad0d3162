#include "base/sjis.h"
#include "editor/find_replace.h"
#include "platform/scripted_host.h"
#include "platform/text_memo.h"

#include <gtest/gtest.h>

using namespace zenpa::editor;
using zenpa::base::Sj;
using zenpa::platform::TextMemo;
using zenpa::platform::TextPos;
using Lines = std::vector<std::string>;

TEST(FindReplace, FindNextMovesOnAndNeverWrapsAround) {
  TextMemo memo({"abc abc", "ABC"});
  const SearchRequest request{"abc", "", {}};
  std::vector<TextPos> starts;
  while (FindNext(memo, request))
    starts.push_back(std::min(memo.Caret(), memo.SelectionAnchor()));
  EXPECT_EQ((std::vector<TextPos>{{0, 0}, {0, 4}, {1, 0}}), starts);
  EXPECT_EQ("ABC", memo.SelectedText()); // a miss keeps the selection
  memo.SetCaret({0, 1});
  EXPECT_TRUE(FindNext(memo, {"abc", "", {true}}));
  EXPECT_EQ((TextPos{0, 7}), memo.Caret());
}

// Replace all ignores case unless told, counts its replacements and is one
// undo step; nothing to replace leaves the text unmodified. On a long text
// full of bytes that are no Shift-JIS characters it changes only the lines
// with a match.
TEST(FindReplace, ReplaceAllCountsAndIsOneUndoStep) {
  TextMemo small({"aAa", "xyz", "a"});
  small.SetModified(false);
  EXPECT_EQ(4, ReplaceAll(small, {"a", "b", {}}));
  EXPECT_EQ((Lines{"bbb", "xyz", "b"}), small.Lines());
  EXPECT_TRUE(small.Modified());
  EXPECT_EQ((TextPos{0, 0}), small.Caret());
  small.Undo();
  EXPECT_EQ((Lines{"aAa", "xyz", "a"}), small.Lines());
  small.SetModified(false);
  EXPECT_EQ(0, ReplaceAll(small, {"q", "b", {}}));
  EXPECT_EQ(0, ReplaceAll(small, {"", "b", {}}));
  EXPECT_FALSE(small.Modified());

  Lines lines;
  for (int i = 0; i < 100000; ++i) {
    std::string line = i % 3 == 0 ? Sj("日本語") : std::string("\x81\x0a\xff\x80 text");
    if (i % 7 == 0)
      line += '\x82'; // a lone lead byte at the end
    lines.push_back(std::move(line));
  }
  TextMemo memo(lines);
  EXPECT_EQ(33334, ReplaceAll(memo, {Sj("日本"), Sj("和"), {}}));
  EXPECT_EQ(Sj("和語") + '\x82', memo.Line(0));
  EXPECT_EQ(Sj("和語"), memo.Line(99999));
  for (int i = 1; i < 100000; i += 3)
    ASSERT_EQ(lines[i], memo.Line(i));
  // The line feed is only ever the second byte of the character 81 0A.
  EXPECT_EQ(0, ReplaceAll(memo, {"\n", "", {true}}));
  memo.Undo();
  EXPECT_EQ(lines, memo.Lines());
}

namespace {

struct RecordingHooks : FindReplaceHooks {
  std::vector<std::string> calls;
  bool adjustable = false;
  void RevealMatch() override { calls.push_back("reveal"); }
  void CloseDialog() override { calls.push_back("close"); }
  void TextReplaced() override { calls.push_back("relayout"); }
  bool PreviewAdjustable() const override { return adjustable; }
  void PressPreviewAdjust() override { calls.push_back("adjust"); }
  void ClickPreviewAdjusting() override { calls.push_back("adjusting"); }
};

} // namespace

TEST(FindReplace, CommandsReportTheirResults) {
  TextMemo memo({Sj("猫と猫"), Sj("犬")});
  zenpa::platform::ScriptedHost host;
  RecordingHooks hooks;
  FindReplace commands(memo, host, hooks);
  memo.Select({0, 4}, {0, 6});
  hooks.adjustable = true;
  commands.OpenDialog([&] { hooks.calls.push_back("dialog " + commands.Request().pattern); });
  EXPECT_EQ((Lines{"adjust", "dialog " + Sj("猫"), "adjusting"}), hooks.calls);
  hooks.calls.clear();
  commands.Request().replacement = Sj("狐");
  EXPECT_FALSE(commands.Replace()); // replaces the selected one, finds no more
  EXPECT_EQ((Lines{"relayout", "close"}), hooks.calls);
  ASSERT_EQ(1u, host.messages.size());
  EXPECT_EQ(Sj("文字列“猫”は見つかりません"), host.messages[0].text);
  EXPECT_EQ(1, commands.ReplaceAll());
  EXPECT_EQ(Sj("1ヵ所、置換しました"), host.messages[1].text);
  // A long pattern is cut in the message, never inside a character.
  EXPECT_EQ(Sj("文字列“") + std::string(kShownPatternBytes - 1, 'a') + Sj("…”は見つかりません"),
            NotFoundMessage(std::string(kShownPatternBytes - 1, 'a') + Sj("猫") + "tail"));
  EXPECT_EQ((Lines{Sj("狐と狐"), Sj("犬")}), memo.Lines());
}
