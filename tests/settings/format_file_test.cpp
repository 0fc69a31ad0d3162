#include "settings/format_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "base/sjis.h"
#include "base/units.h"
#include "settings/format_lines.h"
#include "settings/support/format_samples.h"

namespace zenpa::settings {
namespace {

using base::Sj;

const std::string kProgramDir = "/opt/zenpa/";

// The settings lines of a document format holding the start values.
const char *const kStartDocumentLines[] = {
    "0,頁行数",
    "0,行間 (％)",
    "0,字間 (％)",
    "15,上余白 (mm)　ヘッダを含めて19mm",
    "23,左余白 (mm)",
    "0,頁番号印刷　　　　1.する　0.しない",
    "0,下に頁番号　　　　1.する　0.しない",
    "0,右に頁番号　　　　1.する　0.しない",
    "1,番号初期値",
    " (,番号左括弧",
    ") ,番号右括弧",
    "0,ファイル名印刷　　1.する　0.しない",
    "0,拡張子印刷　　　　1.する　0.しない",
    "0,日付印刷　　　　　1.する　0.しない",
    "0,行揃えヘッダ　　　1.する　0.しない",
    "0,ヘッダを小さく　　1.する　0.しない",
    "1,１行分開ける　　　1.する　0.しない",
    "80,縮小サイズ (％)　 ( 50 ～ 100 )",
    "0,文字拡縮マーク　　1.有効　0.無効",
    "0,拡縮行を空行に　　1.する　0.しない",
    "p,拡縮マーク",
    "0,両面印刷　　　　　1.する　0.しない",
    "0,袋とじ印刷　　　　1.する　0.しない",
    "0,偶数頁位置調整",
    "0,頁左寄せ　　　　　1.する　0.しない",
    "ＭＳ ゴシック,推奨フォント",
    "$000000,文字色",
    "12,フォントサイズ (ポイント)",
    "0,太文字　　　　　　1.する　0.しない",
    "0,斜体字　　　　　　1.する　0.しない",
    "0,下線付　　　　　　1.する　0.しない",
    "0,等幅印刷　　　　　1.する　0.しない",
    "9,用紙サイズ ( 210 x 297 mm )",
    "1,用紙の向き　　　　1.縦　　2.横",
    "0,タブを有効に　　　1.する　0.しない",
    "1,タブ幅 (字数)",
    "0,右端で折り返し　　1.する　0.しない",
    "0,半角を組文字に　　1.する　0.しない",
    "･+-=* <>｢｣()[]{},組文字にしない半角文字",
    "1,頁最大行数調整　　1.する　0.しない",
    "1,書式を自動保存　　1.する　0.しない",
    "0,改行コード変換　　1.する　0.しない",
    "0,テキスト画面拡大　1.する　0.しない",
    "0,上書きモード　　　1.する　0.しない",
    "769,ウィンドウ幅 (ピクセル)",
    "764,メモ幅 (ピクセル)",
    "0,下・右用紙端指定　1.する　0.しない",
    "0,用紙下 (mm)",
    "0,用紙右 (mm)",
    "0,用紙端線印刷　　　1.する　0.しない",
    "0,裏面右余白を左へ　1.する　0.しない",
    "0,印刷枠表示　　　　1.する　0.しない",
    "0,枠印刷　　　　　　1.する　0.しない",
    "1,枠線を文字色に　　1.する　0.しない",
    "$000000,枠線色",
    "0 0 121 121,枠位置 (左余白 上余白 横幅 縦幅) mm",
    "標準,改頁マーク (｢標準｣で改頁コード)",
    "100,プレビュー拡大率 (％)",
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

TEST(FormatFileLines, StartRecordAsDocumentFormat) {
  const auto lines = FormatFileLines(PrintFormat{}, FormatFileKind::Document, Context());
  ASSERT_EQ(std::size(kStartDocumentLines) + 1, lines.size());
  EXPECT_EQ(0u, lines[0].rfind(Sj("※書式ファイル - ＺＥＮＰＡ v3.87"), 0)) << lines[0];
  for (std::size_t i = 0; i < std::size(kStartDocumentLines); ++i) {
    EXPECT_EQ(Sj(kStartDocumentLines[i]), lines[i + 1]) << "line " << i + 2;
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
      {"/opt/zenpa//zenpa.ini", FormatFileKind::Document, "※書式ファイル - "},
      {"/home/u/nbpzpf.zpf", FormatFileKind::Puzzle, "※数独書式ファイル - "},
      {"nbpzpf2.zpf", FormatFileKind::Puzzle, "※数独書式ファイル - "},
      {"/home/u/NBPZPF.zpf", FormatFileKind::Document, "※書式ファイル - "},
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
  EXPECT_EQ(1, CountKey(lines, "数独作"));
  EXPECT_EQ(1, CountKey(lines, "数独タ"));
  EXPECT_EQ(9, CountKey(lines, "数独解"));
  EXPECT_EQ(2, CountKey(lines, "遊び方"));
  EXPECT_EQ(Sj(",数独解説"), lines[lines.size() - 2]) << "an empty slot is written empty";
  EXPECT_EQ(Sj("1,遊び方印刷縮小　　1.する　0.しない"), lines.back());
}

TEST(FormatFileLines, OptionSectionsFollowTheMenusShown) {
  PrintFormat f;
  auto lines = FormatFileLines(f, FormatFileKind::Document, Context());
  EXPECT_EQ(std::size(kStartDocumentLines) + 1, lines.size()) << "no menu shown";

  f.puzzle.menuShown = true;
  lines = FormatFileLines(f, FormatFileKind::Document, Context());
  EXPECT_EQ("", lines[std::size(kStartDocumentLines) + 1]) << "the puzzle section opens";
  EXPECT_EQ(Sj("1,数独作成menu表示　1.する　0.しない"), lines[std::size(kStartDocumentLines) + 2]);
  EXPECT_EQ(Sj("0,数独文末に追加　　1.する　0.しない"), lines[std::size(kStartDocumentLines) + 5]);
  EXPECT_EQ(1, CountKey(lines, "数独設"));
  EXPECT_EQ(0, CountKey(lines, "有効・")) << "conditions panel closed";
  EXPECT_EQ(1, CountKey(lines, "数独記"));
  EXPECT_EQ(0, CountKey(lines, "試作回")) << "record panel closed";
  EXPECT_EQ(0, CountKey(lines, "もこさ"));

  f.puzzle.techniques.conditionsPanelShown = f.puzzle.recordPanelShown = true;
  f.drill.menuShown = true;
  f.insertionPlace = InsertionPlace::AtCaret;
  lines = FormatFileLines(f, FormatFileKind::Document, Context());
  EXPECT_EQ(1, CountKey(lines, "Block "));
  EXPECT_EQ(1, CountKey(lines, "試作回"));
  EXPECT_EQ(1, CountKey(lines, "数独こ"));
  EXPECT_EQ(1, CountKey(lines, "もここ"));
  const auto symmetry =
      std::find(lines.begin(), lines.end(),
                Sj("0,対称配置　　　　　0.なし　1.９０度　2.１８０度　3.上下左右"));
  ASSERT_NE(lines.end(), symmetry);
  EXPECT_EQ(Sj("　　　　　　　　　　4.左右　5.上下　6.Ｘ線　7.／線　8.＼線"), *(symmetry + 1));
  EXPECT_EQ(Sj("1,もこゲーム時の音　1.する　0.しない"), lines.back());
}

TEST(FormatFileLines, InitialSettingsWriteEverySection) {
  const auto lines = FormatFileLines(PrintFormat{}, FormatFileKind::InitialSettings, Context());
  EXPECT_EQ(1, CountKey(lines, "数独タ"));
  EXPECT_EQ(1, CountKey(lines, "数独設"));
  EXPECT_EQ(1, CountKey(lines, "もこさ"));
  EXPECT_EQ(0, CountKey(lines, "有効・")) << "details follow their own panels";
  EXPECT_EQ(Sj("$E060E0,手書きヒント色(ｱｼｽﾄ)"),
            *std::find_if(lines.begin(), lines.end(),
                          [](const std::string &l) { return KeyOf(l) == Sj("手書き"); }));
}

TEST(FormatFileLines, ValueEncodings) {
  PrintFormat f;
  f.textColor = 0x0000FF;
  f.fontSize = 10.5;
  f.evenPageShift = -7;
  f.pageNumberRight = "a,b";
  const auto lines = FormatFileLines(f, FormatFileKind::Document, Context());
  EXPECT_EQ(Sj("$0000FF,文字色"), lines[27]);
  EXPECT_EQ(Sj("10.5,フォントサイズ (ポイント)"), lines[28]);
  EXPECT_EQ(Sj("-7,偶数頁位置調整"), lines[24]);
  EXPECT_EQ(Sj("a，b,番号右括弧"), lines[11]) << "a comma would end the value";

  f.puzzle.howToPlay[0] = "x,y";
  const auto all = FormatFileLines(f, FormatFileKind::InitialSettings, Context());
  EXPECT_NE(all.end(), std::find(all.begin(), all.end(), Sj("x，y,数独解説")));
}

// Every line the writer emits must be found again by its own key.
TEST(FormatFileLines, EveryWrittenKeyIsDistinct) {
  std::set<std::string> keys;
  int written = 0;
  for (const auto &entry : detail::LineTable()) {
    if (entry.group == detail::Group::ReadOnly)
      continue;
    ++written;
    const std::string key = entry.comment.substr(0, detail::kKeyBytes);
    EXPECT_TRUE(keys.insert(key).second) << "shared key " << base::SjisToUtf8(key);
    EXPECT_EQ(&entry, detail::FindLine(key)) << base::SjisToUtf8(key);
  }
  EXPECT_EQ(115, written);
}

} // namespace
} // namespace zenpa::settings
