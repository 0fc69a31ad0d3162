#include "base/sjis.h"
#include "editor/conversions.h"
#include "editor/find_replace.h"
#include "editor/insertion.h"
#include "editor/line_breaks.h"
#include "platform/scripted_host.h"
#include "platform/text_memo.h"
#include "support/message_texts.h"

#include <gtest/gtest.h>

using namespace zenpa::editor;
using zenpa::base::Sj;
using zenpa::platform::TextMemo;
using zenpa::platform::TextPos;
using Lines = std::vector<std::string>;

TEST(Conversions, WidthAndCaseOfCharacters) {
  EXPECT_EQ("ABC123", Converted(Sj("ＡＢＣ１２３"), Conversion::HalfWidth));
  EXPECT_EQ(Sj("{ ｘ} "), Converted("{x}", Conversion::FullWidth));
  EXPECT_EQ("{ x} ", Converted(Sj("{ ｘ} "), Conversion::HalfWidth));
  EXPECT_EQ(Sj("漢字") + "\xA4\xA1\xA5\\", Converted(Sj("漢字、。・￥"), Conversion::HalfWidth));
  EXPECT_EQ(Sj("ａｂｚαо") + "abc" + Sj("表"),
            Converted(Sj("ＡＢＺΑО") + "ABC" + Sj("表"), Conversion::LowerCase));
  EXPECT_EQ(Sj("ＸЁЯ") + "X", Converted(Sj("ｘёя") + "x", Conversion::UpperCase));
  // Every printable ASCII character but the braces has a full-width partner
  // and comes back from it.
  std::string ascii;
  for (char c = ' '; c <= '~'; ++c) {
    if (c != '{' && c != '}')
      ascii += c;
  }
  const std::string wide = Converted(ascii, Conversion::FullWidth);
  EXPECT_EQ(2 * ascii.size(), wide.size());
  EXPECT_EQ(ascii, Converted(wide, Conversion::HalfWidth));
}

TEST(Conversions, SelectionOnlyAndNeverHalfACharacter) {
  TextMemo memo({Sj("ＡＢＣ"), Sj("ＤＥＦ")});
  // From the second byte of "Ａ" to the first byte of "Ｅ": "Ｂ", "Ｃ" and "Ｄ" change.
  memo.Select({0, 1}, {1, 3});
  ConvertSelection(memo, Conversion::HalfWidth);
  EXPECT_EQ((Lines{Sj("Ａ") + "BC", "D" + Sj("ＥＦ")}), memo.Lines());
  EXPECT_EQ((TextPos{1, 1}), memo.Caret());
  memo.Undo();
  EXPECT_EQ((Lines{Sj("ＡＢＣ"), Sj("ＤＥＦ")}), memo.Lines());
  memo.SetCaret({1, 2});
  ConvertSelection(memo, Conversion::HalfWidth); // nothing selected: everything
  EXPECT_EQ((Lines{"ABC", "DEF"}), memo.Lines());
  EXPECT_EQ((TextPos{0, 0}), memo.Caret());
}

// Every kind of line break is rewritten, in a pasted text or in the whole
// document as one edit.
TEST(LineBreaks, EveryKindOfBreakIsRewritten) {
  EXPECT_EQ("a\r\nb\r\nc\r\n\r\nd", WithLineBreaks("a\nb\r\nc\r\rd", LineBreak::CrLf));
  EXPECT_EQ("a\nb\nc\n\nd", WithLineBreaks("a\nb\r\nc\r\rd", LineBreak::Lf));
  EXPECT_TRUE(PasteNeedsCrLf("a\r\nb"));
  EXPECT_FALSE(PasteNeedsCrLf("a\rb"));

  const Lines lines{"a\nb", "c\r", ""};
  TextMemo memo(lines);
  EXPECT_TRUE(RewriteLineBreaks(memo, LineBreak::CrLf));
  EXPECT_EQ((Lines{"a", "b", "c", "", ""}), memo.Lines());
  EXPECT_FALSE(RewriteLineBreaks(memo, LineBreak::CrLf));
  memo.Undo();
  EXPECT_EQ(lines, memo.Lines());
  EXPECT_TRUE(RewriteLineBreaks(memo, LineBreak::Lf));
  EXPECT_EQ((Lines{"a\nb\nc\n\n"}), memo.Lines());
  TextMemo empty;
  EXPECT_FALSE(RewriteLineBreaks(empty, LineBreak::Lf));
}

// Generated lines come out in writing order at the end or at the caret.
TEST(Insertion, ConsecutiveInsertsComeOutInWritingOrder) {
  for (auto place : {InsertionPlace::AtEnd, InsertionPlace::AtCaret}) {
    TextMemo memo({"top", "bottom"});
    memo.SetCaret({1, 0});
    for (const char *line : {"1", "2", "3"})
      InsertAtGyo(memo, place, line);
    const Lines expected = place == InsertionPlace::AtEnd ? Lines{"top", "bottom", "1", "2", "3"}
                                                          : Lines{"top", "1", "2", "3", "bottom"};
    EXPECT_EQ(expected, memo.Lines());
  }
  TextMemo empty;
  for (const char *line : {"1", "2"})
    InsertAtGyo(empty, InsertionPlace::AtCaret, line);
  EXPECT_EQ((Lines{"1", "2"}), empty.Lines());
  EXPECT_EQ(InsertionPlace::AtEnd, Toggled(InsertionPlace::AtCaret));
}

TEST(FindReplace, FindNextMovesOnAndNeverWrapsAround) {
  TextMemo memo({"abc abc", "ABC"});
  std::vector<TextPos> starts;
  while (FindNext(memo, {"abc", "", {}}))
    starts.push_back(std::min(memo.Caret(), memo.SelectionAnchor()));
  EXPECT_EQ((std::vector<TextPos>{{0, 0}, {0, 4}, {1, 0}}), starts);
  EXPECT_EQ("ABC", memo.SelectedText()); // a miss keeps the selection
  memo.SetCaret({0, 1});
  EXPECT_TRUE(FindNext(memo, {"abc", "", {true}}));
  EXPECT_EQ((TextPos{0, 7}), memo.Caret());
}

// Replace all ignores case unless told, counts its replacements and is one
// undo step; nothing to replace leaves the text unmodified. Among bytes that
// are no Shift-JIS characters it changes only the lines with a match.
TEST(FindReplace, ReplaceAllCountsAndIsOneUndoStep) {
  const Lines lines{"aAa", "xyz", Sj("日本語") + '\x82', "\x81\x0a\xff\x80 a"};
  TextMemo memo(lines);
  EXPECT_EQ(4, ReplaceAll(memo, {"a", "b", {}}));
  EXPECT_EQ((Lines{"bbb", "xyz", Sj("日本語") + '\x82', "\x81\x0a\xff\x80 b"}), memo.Lines());
  EXPECT_TRUE(memo.Modified());
  EXPECT_EQ((TextPos{0, 0}), memo.Caret());
  memo.Undo();
  EXPECT_EQ(lines, memo.Lines());
  memo.SetModified(false);
  // The line feed is only ever the second byte of the character 81 0A.
  for (const char *pattern : {"q", "", "\n"})
    EXPECT_EQ(0, ReplaceAll(memo, {pattern, "b", {true}})) << pattern;
  EXPECT_FALSE(memo.Modified());
  EXPECT_EQ(1, ReplaceAll(memo, {Sj("日本"), Sj("和"), {}}));
  EXPECT_EQ(Sj("和語") + '\x82', memo.Line(2));
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
  commands.Request().replacement = Sj("狐");
  EXPECT_FALSE(commands.Replace()); // replaces the selected one, finds no more
  EXPECT_EQ(1, commands.ReplaceAll());
  EXPECT_EQ((Lines{"adjust", "dialog " + Sj("猫"), "adjusting", "relayout", "close", "close",
                   "relayout"}),
            hooks.calls);
  EXPECT_EQ(Sj("文字列“猫”は見つかりません|1ヵ所、置換しました|"),
            zenpa::testing::MessageTexts(host));
  // A long pattern is cut in the message, never inside a character.
  EXPECT_EQ(Sj("文字列“") + std::string(kShownPatternBytes - 1, 'a') + Sj("…”は見つかりません"),
            NotFoundMessage(std::string(kShownPatternBytes - 1, 'a') + Sj("猫") + "tail"));
  EXPECT_EQ((Lines{Sj("狐と狐"), Sj("犬")}), memo.Lines());
}
