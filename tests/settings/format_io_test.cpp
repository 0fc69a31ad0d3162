#include "settings/format_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

#include "base/file_io.h"
#include "base/sjis.h"
#include "platform/scripted_host.h"
#include "settings/support/format_samples.h"
#include "support/temp_dir.h"

namespace zenpa::settings {
namespace {

using base::Sj;

std::vector<std::string> SjLines(std::initializer_list<const char *> utf8Lines) {
  std::vector<std::string> lines;
  for (const char *l : utf8Lines)
    lines.push_back(Sj(l));
  return lines;
}

void WriteBytes(const std::string &path, const std::string &bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadBytes(const std::string &path) {
  std::string bytes;
  EXPECT_TRUE(base::ReadFileBytes(path, bytes).ok) << path;
  return bytes;
}

bool Contains(const std::string &text, const std::string &part) {
  return text.find(part) != std::string::npos;
}

TEST(FormatBadInput, NonNumberStopsAtItsLineKeepingTheLinesBefore) {
  PrintFormat f = testing::EveryFieldChanged();
  const auto slots = f.puzzle.howToPlay;
  const LoadResult r = ApplyFormatLines(
      f, SjLines({"※書式", "40,頁行数", "abc,左余白 (mm)", "0,太文字", "x,数独解説"}), {});
  EXPECT_EQ(LoadOutcome::Stopped, r.outcome);
  EXPECT_EQ(3, r.line);
  EXPECT_EQ(40, f.linesPerPage);
  EXPECT_TRUE(f.bold) << "lines after the bad one are not applied";
  EXPECT_EQ(slots, f.puzzle.howToPlay) << "the end of file is never reached";
  EXPECT_TRUE(Contains(r.message, "3")) << base::SjisToUtf8(r.message);
  EXPECT_TRUE(Contains(r.message, "\"abc\"")) << base::SjisToUtf8(r.message);
}

TEST(FormatBadInput, NumbersBeyondSixteenBitsStop) {
  for (const char *line : {"40000,頁行数", "-32769,目標数字", "1 2 3 70000,枠位置"}) {
    PrintFormat f;
    const LoadResult r = ApplyFormatLines(f, SjLines({"※書式", line}), {});
    EXPECT_EQ(LoadOutcome::Stopped, r.outcome) << line;
    EXPECT_EQ(2, r.line) << line;
  }
}

TEST(FormatBadInput, TenthHowToPlayLineStops) {
  std::vector<std::string> lines{"header"};
  for (int i = 1; i <= 10; ++i)
    lines.push_back(std::to_string(i) + Sj(",数独解説"));
  PrintFormat f;
  const LoadResult r = ApplyFormatLines(f, lines, {});
  EXPECT_EQ(LoadOutcome::Stopped, r.outcome);
  EXPECT_EQ(11, r.line);
  EXPECT_EQ("1", f.puzzle.howToPlay[0]);
  EXPECT_EQ("9", f.puzzle.howToPlay[8]);
}

TEST(FormatBadInput, BinaryContentStopsWithoutTouchingTheFormat) {
  const PrintFormat changed = testing::EveryFieldChanged();
  PrintFormat f = changed;
  const LoadResult r = ApplyFormatLines(f, {std::string("\x89PNG\0\x1A", 6), Sj("0,太文字")}, {});
  EXPECT_EQ(LoadOutcome::Stopped, r.outcome);
  EXPECT_EQ(1, r.line);
  EXPECT_EQ(changed, f);

  const LoadResult later =
      ApplyFormatLines(f, {"h", Sj("0,太文字"), std::string("1\0,", 3) + Sj("斜体字")}, {});
  EXPECT_EQ(3, later.line);
  EXPECT_FALSE(f.bold);
  EXPECT_TRUE(f.italic);
}

// Random bytes and random values under real keys never crash the reader.
TEST(FormatBadInput, RandomLinesAreReadSafely) {
  std::mt19937 random(20261206);
  const auto keys =
      FormatFileLines(testing::EveryFieldChanged(), FormatFileKind::InitialSettings, SaveContext{});
  for (int round = 0; round < 300; ++round) {
    std::vector<std::string> lines{"h"};
    for (int i = 0; i < 40; ++i) {
      std::string junk(random() % 12, '\0');
      for (char &c : junk)
        c = static_cast<char>(random() % 255 + 1);
      const std::string &real = keys[random() % keys.size()];
      const auto comma = real.find(',');
      lines.push_back(random() % 3 == 0 || comma == std::string::npos ? junk
                                                                      : junk + real.substr(comma));
    }
    PrintFormat f;
    const LoadResult r = ApplyFormatLines(f, lines, {});
    EXPECT_NE(LoadOutcome::Unreadable, r.outcome);
    EXPECT_GE(f.tabWidth, 1);
  }
}

TEST(FormatFiles, SaveAndLoadThroughTheDisk) {
  testing::TempDir dir;
  const std::string path = dir.File("doc.zpf");
  const PrintFormat changed = testing::EveryFieldChanged(); // every menu shown
  platform::ScriptedHost host;
  ASSERT_TRUE(Savezpf(path, changed, SaveContext{}, host));
  const std::string bytes = ReadBytes(path);
  EXPECT_EQ("\r\n", bytes.substr(bytes.size() - 2));
  EXPECT_FALSE(std::filesystem::exists(path + ".zenpa-tmp"));

  PrintFormat f;
  const LoadResult r = Loadzpf(path, f, LoadContext{}, host);
  EXPECT_EQ(LoadOutcome::Loaded, r.outcome);
  EXPECT_EQ(path, r.path);
  EXPECT_EQ(changed, f);
  EXPECT_TRUE(host.messages.empty());
}

TEST(FormatFiles, MissingPuzzleFormatFallsBackToTheProgramDirectory) {
  testing::TempDir programDir;
  testing::TempDir elsewhere;
  WriteBytes(programDir.File("nbpzpf.zpf"), Sj("※数独書式\r\n33,頁行数\r\n"));
  LoadContext ctx;
  ctx.programDir = programDir.Dir();
  platform::ScriptedHost host;
  PrintFormat f;
  LoadResult r = Loadzpf(elsewhere.File("nbpzpf.zpf"), f, ctx, host);
  EXPECT_EQ(LoadOutcome::Loaded, r.outcome);
  EXPECT_EQ(programDir.File("nbpzpf.zpf"), r.path);
  EXPECT_EQ(33, f.linesPerPage);

  r = Loadzpf(elsewhere.File("nbpzpf2.zpf"), f, ctx, host);
  EXPECT_EQ(LoadOutcome::Missing, r.outcome) << "only the exact name falls back";
  EXPECT_EQ(33, f.linesPerPage);
  EXPECT_TRUE(host.messages.empty());
}

TEST(FormatFiles, PuzzleFormatFallsBackToAnAlignedFace) {
  testing::TempDir dir;
  WriteBytes(dir.File("nbpzpf.zpf"), Sj("※数独書式\r\n"));
  const std::string gothic = Sj("ＭＳ ゴシック");
  platform::ListFontCatalog fonts({"IPAGothic", gothic});
  LoadContext ctx;
  ctx.fonts = &fonts;
  ctx.gridMisaligned = [](const std::string &face) { return face == "Proportional"; };
  platform::ScriptedHost host;
  PrintFormat f;
  f.fontName = "Proportional";
  Loadzpf(dir.File("nbpzpf.zpf"), f, ctx, host);
  EXPECT_EQ(gothic, f.fontName);

  f.fontName = "Proportional";
  WriteBytes(dir.File("plain.zpf"), Sj("※書式\r\n"));
  Loadzpf(dir.File("plain.zpf"), f, ctx, host);
  EXPECT_EQ("Proportional", f.fontName) << "only puzzle formats are checked";
}

TEST(FormatFiles, UnreadablePathAndBadLineAreShown) {
  testing::TempDir dir;
  platform::ScriptedHost host;
  PrintFormat f;
  EXPECT_EQ(LoadOutcome::Unreadable, Loadzpf(dir.Dir(), f, LoadContext{}, host).outcome);
  ASSERT_EQ(1u, host.messages.size());

  WriteBytes(dir.File("bad.zpf"), Sj("※書式\r\n1,太文字\r\nx,頁行数\r\n"));
  const LoadResult r = Loadzpf(dir.File("bad.zpf"), f, LoadContext{}, host);
  EXPECT_EQ(LoadOutcome::Stopped, r.outcome);
  ASSERT_EQ(2u, host.messages.size());
  EXPECT_EQ(r.message, host.messages[1].text);
  EXPECT_TRUE(Contains(r.message, dir.File("bad.zpf")));
  EXPECT_TRUE(f.bold);
}

TEST(FormatFiles, FailedSaveKeepsThePreviousFileAndSaysSo) {
  testing::TempDir dir;
  platform::ScriptedHost host;
  const PrintFormat f;
  EXPECT_FALSE(Savezpf(dir.File("no/such/dir/a.zpf"), f, SaveContext{}, host));
  ASSERT_EQ(1u, host.messages.size());
  EXPECT_EQ(Sj("書式が保存できません"), host.messages[0].text);

  if (::geteuid() == 0)
    return; // permissions do not bind the superuser
  WriteBytes(dir.File("old.zpf"), "previous");
  std::filesystem::permissions(dir.Dir(), std::filesystem::perms::owner_read |
                                              std::filesystem::perms::owner_exec);
  EXPECT_FALSE(Savezpf(dir.File("old.zpf"), f, SaveContext{}, host));
  EXPECT_EQ("previous", ReadBytes(dir.File("old.zpf")));
}

} // namespace
} // namespace zenpa::settings
