#include "settings/format_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/sjis.h"
#include "settings/support/format_samples.h"

namespace zenpa::settings {
namespace {

using base::Sj;

const std::string kProgramDir = "/opt/zenpa/";

// A header and 58 settings lines make a document format without option sections.
constexpr std::size_t kDocumentLineCount = 59;

// Lines of a document format in file order: one of each way a value and its
// caption are written: start values, and the four values the test changes.
const char *const kDocumentLines[] = {
    "0,頁行数",
    "15,上余白 (mm)　ヘッダを含めて19mm",
    "0,頁番号印刷　　　　1.する　0.しない",
    " (,番号左括弧",
    "a，b,番号右括弧", // a comma would end the value
    "80,縮小サイズ (％)　 ( 50 ～ 100 )",
    "-7,偶数頁位置調整",
    "ＭＳ ゴシック,推奨フォント",
    "$0000FF,文字色",
    "10.5,フォントサイズ (ポイント)",
    "9,用紙サイズ ( 210 x 297 mm )",
    "1,用紙の向き　　　　1.縦　　2.横",
    "･+-=* <>｢｣()[]{},組文字にしない半角文字",
    "769,ウィンドウ幅 (ピクセル)",
    "0 0 121 121,枠位置 (左余白 上余白 横幅 縦幅) mm",
    "標準,改頁マーク (｢標準｣で改頁コード)",
};

SaveContext Context() {
  SaveContext ctx;
  ctx.programDir = kProgramDir;
  ctx.headerMm = 4;
  return ctx;
}

std::string KeyOf(const std::string &line) {
  const auto comma = line.find(',');
  return comma == std::string::npos ? std::string() : line.substr(comma + 1, 6);
}

int CountKey(const std::vector<std::string> &lines, const char *key) {
  return static_cast<int>(std::count_if(lines.begin(), lines.end(),
                                        [&](const std::string &l) { return KeyOf(l) == Sj(key); }));
}

TEST(FormatFileLines, DocumentFormatLines) {
  PrintFormat f;
  f.textColor = 0x0000FF;
  f.fontSize = 10.5;
  f.evenPageShift = -7;
  f.pageNumberRight = "a,b";
  const auto lines = FormatFileLines(f, FormatFileKind::Document, Context());
  ASSERT_EQ(kDocumentLineCount, lines.size());
  EXPECT_EQ(0u, lines[0].rfind(Sj("※書式ファイル - ＺＥＮＰＡ v3.87"), 0)) << lines[0];
  auto at = lines.begin() + 1;
  for (const char *expected : kDocumentLines) {
    at = std::find(at, lines.end(), Sj(expected));
    EXPECT_NE(lines.end(), at) << expected;
  }
}

TEST(FormatFileLines, HeaderNamesTheKindOfFile) {
  const struct {
    std::string path;
    FormatFileKind kind;
    const char *header;
  } cases[] = {
      {kProgramDir + "zenpa.ini", FormatFileKind::InitialSettings, "※初期設定ファイル - "},
      {"/home/u/zenpa.ini", FormatFileKind::Document, "※書式ファイル - "},
      {"nbpzpf2.zpf", FormatFileKind::Puzzle, "※数独書式ファイル - "},
      {"/home/nbpzpf/a.zpf", FormatFileKind::Document, "※書式ファイル - "},
  };
  for (const auto &c : cases) {
    const FormatFileKind kind = KindOfFormatFile(c.path, kProgramDir);
    EXPECT_EQ(c.kind, kind) << c.path;
    const auto lines = FormatFileLines(PrintFormat{}, kind, Context());
    EXPECT_EQ(0u, lines[0].rfind(Sj(c.header), 0)) << c.path;
  }
}

TEST(FormatFileLines, PuzzleFormatHoldsOnlyPuzzlePrintingLines) {
  PrintFormat f = testing::EveryFieldChanged(); // every menu shown
  f.puzzle.howToPlay[8] = std::string(1, kFormFeed);
  const auto lines = FormatFileLines(f, FormatFileKind::Puzzle, Context());
  for (const char *key :
       {"番号初", "文字拡", "拡縮行", "拡縮マ", "推奨フ", "文字色", "半角を", "組文字",
        "頁最大", "書式を", "改行コ", "テキス", "上書き", "ウィン", "メモ幅", "枠線を",
        "枠線色", "改頁マ", "プレビ", "数独設", "有効・", "数独記", "もこさ", "けた数"}) {
    EXPECT_EQ(0, CountKey(lines, key)) << key;
  }
  const auto blank = std::find(lines.begin(), lines.end(), "");
  EXPECT_EQ(1 + 58 - 19, blank - lines.begin()) << "header and the print lines of puzzles";
  EXPECT_EQ(1, CountKey(lines, "頁行数"));
  EXPECT_EQ(9, CountKey(lines, "数独解"));
  EXPECT_EQ(Sj(",数独解説"), lines[lines.size() - 2]) << "an empty slot is written empty";
  EXPECT_EQ(Sj("1,遊び方印刷縮小　　1.する　0.しない"), lines.back());
}

TEST(FormatFileLines, OptionSectionsFollowTheMenusShown) {
  PrintFormat f;
  f.puzzle.menuShown = true;
  auto lines = FormatFileLines(f, FormatFileKind::Document, Context());
  EXPECT_EQ("", lines[kDocumentLineCount]) << "the puzzle section opens";
  EXPECT_EQ(Sj("1,数独作成menu表示　1.する　0.しない"), lines[kDocumentLineCount + 1]);
  EXPECT_EQ(0, CountKey(lines, "有効・")) << "conditions panel closed";
  EXPECT_EQ(0, CountKey(lines, "試作回")) << "record panel closed";

  f.puzzle.techniques.conditionsPanelShown = f.puzzle.recordPanelShown = true;
  f.drill.menuShown = true;
  f.insertionPlace = InsertionPlace::AtCaret;
  lines = FormatFileLines(f, FormatFileKind::Document, Context());
  EXPECT_EQ(1, CountKey(lines, "試作回"));
  EXPECT_EQ(1, CountKey(lines, "もここ"));
  const auto symmetry =
      std::find(lines.begin(), lines.end(),
                Sj("0,対称配置　　　　　0.なし　1.９０度　2.１８０度　3.上下左右"));
  ASSERT_NE(lines.end(), symmetry);
  EXPECT_EQ(Sj("　　　　　　　　　　4.左右　5.上下　6.Ｘ線　7.／線　8.＼線"), *(symmetry + 1));
  EXPECT_EQ(Sj("1,もこゲーム時の音　1.する　0.しない"), lines.back());
}

} // namespace
} // namespace zenpa::settings
