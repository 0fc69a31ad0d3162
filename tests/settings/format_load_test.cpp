#include "settings/format_file.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "base/sjis.h"
#include "base/units.h"
#include "settings/support/format_samples.h"

namespace zenpa::settings {
namespace {

using base::Sj;

// Applies a header and the given UTF-8 setting lines.
LoadResult Apply(PrintFormat &f, std::initializer_list<std::string> utf8Lines,
                 const LoadContext &ctx = {}) {
  std::vector<std::string> lines{Sj("※書式ファイル - ＺＥＮＰＡ v3.87")};
  for (const std::string &l : utf8Lines)
    lines.push_back(Sj(l));
  return ApplyFormatLines(f, lines, ctx);
}

std::string FormFeed() { return std::string(1, kFormFeed); }

// Every stored field survives a write and a read; the run-only technique
// switches are neither written nor overwritten by a read.
TEST(FormatLoad, EveryFieldSurvivesAWriteAndARead) {
  const PrintFormat changed = testing::EveryFieldChanged();
  PrintFormat run = changed;
  run.puzzle.techniques.SetExtraPanelVisible(true);
  run.puzzle.techniques.boxes[kBoxHiddenQuad] = true;
  run.puzzle.techniques.AdvanceSwitch();
  const auto lines = FormatFileLines(run, FormatFileKind::InitialSettings, SaveContext{});
  EXPECT_EQ(FormatFileLines(changed, FormatFileKind::InitialSettings, {}), lines);
  PrintFormat f;
  EXPECT_EQ(LoadOutcome::Loaded, ApplyFormatLines(f, lines, LoadContext{}).outcome);
  EXPECT_EQ(changed, f);
  f = run;
  ApplyFormatLines(f, lines, {});
  EXPECT_EQ(run, f);
}

// A format without puzzle lines (an ordinary document's) keeps the
// how-to-play text; only the paper cuts are cleared.
TEST(FormatLoad, HeaderOnlyFileClearsPaperCutsButKeepsHowToPlay) {
  const PrintFormat changed = testing::EveryFieldChanged();
  PrintFormat f = changed;
  EXPECT_EQ(LoadOutcome::Loaded, Apply(f, {"40,頁行数"}).outcome);
  PrintFormat expected = changed;
  expected.paperBottom = expected.paperRight = 0;
  expected.linesPerPage = 40;
  EXPECT_EQ(expected, f);
}

TEST(FormatLoad, HowToPlaySlotsAfterTheLastLine) {
  PrintFormat f;
  Apply(f, {"a,数独解説", ",数独解説", "c,数独解説", ",数独解説"});
  const std::array<std::string, kHowToPlaySlotCount> expected = {
      "a", "", "c", FormFeed(), FormFeed(), FormFeed(), FormFeed(), FormFeed(), FormFeed()};
  EXPECT_EQ(expected, f.puzzle.howToPlay);
}

struct ClampCase {
  std::initializer_list<std::string> lines;
  std::function<int(const PrintFormat &)> field;
  int expected;
};

int Tenths(double points) { return static_cast<int>(base::RoundHalfAway(points * 10)); }

int Place(const PrintFormat &f) { return static_cast<int>(f.insertionPlace); }
int NumberPos(const PrintFormat &f) { return static_cast<int>(f.pageNumberPos); }

// Each row applies its lines to a start record and reads one field back.
TEST(FormatLoad, ValuesAreCheckedLikeTheirFields) {
  const ClampCase cases[] = {
      {{"120,縮小サイズ"}, [](auto &f) { return f.reducePercent; }, 80},
      {{"abc,縮小サイズ"}, [](auto &f) { return f.reducePercent; }, 80},
      {{"100,縮小サイズ"}, [](auto &f) { return f.reducePercent; }, 100},
      {{"3,用紙の向き"}, [](auto &f) { return f.orientation; }, 1},
      {{"0,プレビュー拡大率"}, [](auto &f) { return f.previewZoom; }, 100},
      {{"-150,行間 (％)"}, [](auto &f) { return f.lineSpacing; }, 1},
      {{"-200,字間 (％)"}, [](auto &f) { return f.charSpacing; }, 0},
      {{"999,頁行数"}, [](auto &f) { return f.linesPerPage; }, 300},
      {{"12.7,偶数頁位置調整"}, [](auto &f) { return f.evenPageShift; }, 12},
      {{"10.54,フォントサイズ"}, [](auto &f) { return Tenths(f.fontSize); }, 105},
      {{"3,フォントサイズ"}, [](auto &f) { return Tenths(f.fontSize); }, 60},
      {{"700,フォントサイズ"}, [](auto &f) { return Tenths(f.fontSize); }, 6000},
      {{"0,左余白 (mm)"}, [](auto &f) { return f.leftMargin; }, 43},
      {{"501,左余白 (mm)"}, [](auto &f) { return f.leftMargin; }, base::MmToPix(500, 360)},
      {{"9999,メモ幅"}, [](auto &f) { return f.editorWidth; }, 764},
      {{"10,目標数字"}, [](auto &f) { return f.puzzle.targetGivens; }, 16},
      {{"99,上限数字"}, [](auto &f) { return f.puzzle.upperGivens; }, 80},
      {{"20,試作回数"}, [](auto &f) { return f.puzzle.attempts; }, 10},
      {{"12,対称配置"}, [](auto &f) { return f.puzzle.symmetry; }, 8},
      {{"2,けた数"}, [](auto &f) { return f.drill.digits; }, 4},
      {{"12,もこヒント"}, [](auto &f) { return f.drill.hint; }, 9},
      {{"3,たし算／ひき算"}, [](auto &f) { return static_cast<int>(f.drill.operation); }, 1},
      {{"255,文字色"}, [](auto &f) { return static_cast<int>(f.textColor); }, 255},
      {{"red,文字色"}, [](auto &f) { return static_cast<int>(f.textColor); }, 0},
      {{"1,下に頁番号", "0,右に頁番号"}, NumberPos, int(PageNumberPos::Bottom)},
      {{"1,下に頁番号", "1,右に頁番号"}, NumberPos, int(PageNumberPos::Right)},
      {{"1,右に頁番号", "0,下に頁番号", "0,右に頁番号"}, NumberPos, int(PageNumberPos::Top)},
      {{"0,タブを有効に", "4,タブ幅 (字数)"}, [](auto &f) { return f.tabWidth; }, 1},
      {{"1,タブを有効に", "4,タブ幅 (字数)"}, [](auto &f) { return f.tabWidth; }, 4},
      {{"1,両面印刷", "1,袋とじ印刷"}, [](auto &f) { return f.duplex; }, false},
      {{"1,両面印刷", "1,袋とじ印刷"}, [](auto &f) { return f.pouchBinding; }, true},
      {{"1,袋とじ印刷", "1,両面印刷"}, [](auto &f) { return f.pouchBinding; }, false},
      {{"1,数独ここに挿入　　1.する　0.しない"}, Place, int(InsertionPlace::AtCaret)},
      {{"1,数独ここに挿入", "1,もこ文末に追加"}, Place, int(InsertionPlace::AtEnd)},
      {{"28,数字１"}, [](auto &f) { return f.puzzle.targetGivens; }, 28},
      {{"1,Ｘ線　対称"}, [](auto &f) { return f.puzzle.symmetry; }, 6},
      {{"1,Ｘ線　対称", "0,なし　", "1,９０度", "0,＼線　"},
       [](auto &f) { return f.puzzle.symmetry; },
       1},
  };
  for (const ClampCase &c : cases) {
    PrintFormat f;
    EXPECT_EQ(LoadOutcome::Loaded, Apply(f, c.lines).outcome) << *c.lines.begin();
    EXPECT_EQ(c.expected, c.field(f)) << *c.lines.begin();
  }
}

// The frame colour follows the text colour unless it differs; the frame is
// clamped on a 364 mm paper; "標準" is the form-feed break; a long title is
// cut to 255 bytes without splitting a character; game sounds need sound files.
TEST(FormatLoad, FramesMarksTitlesAndSounds) {
  PrintFormat f;
  const auto frame = [&f] {
    const FrameRect &r = f.frameRect;
    return std::to_string(f.frameColor) + (f.frameInTextColor ? " in text colour " : " own ") +
           std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.width) +
           " " + std::to_string(r.height);
  };
  Apply(f, {"$0000FF,文字色", "1,枠線を文字色に", "$0000FF,枠線色", "-5 10 400 1000,枠位置"});
  EXPECT_EQ("255 in text colour 0 10 364 354", frame());
  Apply(f, {"$00FF00,枠線色", " 1 2 3 4 ,枠位置"});
  EXPECT_EQ("65280 own 1 2 3 4", frame());
  Apply(f, {"$123456,文字色"});
  EXPECT_EQ(0x123456u, f.frameColor);

  Apply(f, {"＝＝,改頁マーク"});
  EXPECT_EQ(Sj("＝＝"), f.pageBreakMark);
  std::string longTitle;
  for (int i = 0; i < 150; ++i)
    longTitle += "あ";
  Apply(f, {longTitle + ",数独タイトル", "標準,改頁マーク (｢標準｣で改頁コード)"});
  EXPECT_EQ(Sj(longTitle).substr(0, 254), f.puzzle.title);
  EXPECT_EQ(FormFeed(), f.pageBreakMark);

  LoadContext silent;
  silent.soundAvailable = false;
  Apply(f, {"0,数独ゲーム時の音", "0,もこゲーム時の音"}, silent);
  EXPECT_TRUE(f.puzzle.gameSound && f.drill.gameSound);
  Apply(f, {"0,数独ゲーム時の音", "0,もこゲーム時の音"});
  EXPECT_FALSE(f.puzzle.gameSound || f.drill.gameSound);
}

// Junk lines are skipped; a value that is no number, beyond sixteen bits or
// binary stops the load at its line, keeping the lines before it; a tenth
// how-to-play line stops too.
TEST(FormatLoad, BadValuesStopAtTheirLine) {
  PrintFormat f;
  EXPECT_EQ(LoadOutcome::Loaded, Apply(f, {"", "junk", ",", "1", "hello,world", "1,太文字　",
                                           "abc,未知の行", "1,斜体字"})
                                     .outcome);
  EXPECT_TRUE(f.bold && f.italic);
  std::vector<std::string> tenSlots;
  for (int i = 1; i <= 10; ++i)
    tenSlots.push_back(std::to_string(i) + ",数独解説");
  const struct {
    std::vector<std::string> lines;
    int line;
    std::string after; // lines per page, bold, the ninth how-to-play slot
  } cases[] = {{{"40000,頁行数"}, 2, "40 1 説明9"},
               {{"-32769,目標数字"}, 2, "40 1 説明9"},
               {{"1 2 3 70000,枠位置"}, 2, "40 1 説明9"},
               {{"7 8 9,枠位置"}, 2, "40 1 説明9"},
               {{std::string("1\0,", 3) + "斜体字"}, 2, "40 1 説明9"},
               {tenSlots, 11, "40 1 9"},
               {{"41,頁行数", "abc,左余白 (mm)", "0,太文字", "x,数独解説"}, 3, "41 1 説明9"}};
  for (const auto &c : cases) {
    SCOPED_TRACE(c.lines.front());
    PrintFormat g = testing::EveryFieldChanged();
    std::vector<std::string> lines{"header"};
    for (const std::string &l : c.lines)
      lines.push_back(Sj(l));
    const LoadResult r = ApplyFormatLines(g, lines, {});
    EXPECT_EQ(LoadOutcome::Stopped, r.outcome);
    EXPECT_EQ(c.line, r.line);
    // The lines before the bad one are applied, those after it are not, and
    // the end of the file (which fills empty slots) is never reached.
    EXPECT_EQ(c.after, std::to_string(g.linesPerPage) + (g.bold ? " 1 " : " 0 ") +
                           base::SjisToUtf8(g.puzzle.howToPlay[8]));
  }
}

} // namespace
} // namespace zenpa::settings
