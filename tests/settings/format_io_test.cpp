#include "settings/format_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
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

void WriteBytes(const std::string &path, const std::string &bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadBytes(const std::string &path) {
  std::string bytes;
  EXPECT_TRUE(base::ReadFileBytes(path, bytes).ok) << path;
  return bytes;
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

TEST(FormatFiles, UnreadablePathIsShown) {
  testing::TempDir dir;
  platform::ScriptedHost host;
  PrintFormat f;
  EXPECT_EQ(LoadOutcome::Unreadable, Loadzpf(dir.Dir(), f, LoadContext{}, host).outcome);
  EXPECT_EQ(1u, host.messages.size());
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
