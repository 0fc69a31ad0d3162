#include "settings/format_commands.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>

#include "base/file_io.h"
#include "base/sjis.h"
#include "platform/scripted_host.h"
#include "settings/format_file.h"
#include "settings/support/format_samples.h"
#include "support/temp_dir.h"

namespace zenpa::settings {
namespace {

using base::Sj;
using platform::Answer;

struct Fixture {
  testing::TempDir dir;
  platform::ScriptedHost host;
  FormatState state;
  SaveContext save;
  LoadContext load;

  Fixture() {
    save.programDir = load.programDir = dir.Dir();
    state.format = testing::EveryFieldChanged();
    state.fileName = dir.File("current.zpf");
    state.modified = true;
  }
};

// Saving asks first; restoring reads the saved settings back and keeps the
// name of the document's format, which is still unsaved.
TEST(FormatCommands, InitialSettingsAreSavedAfterAskingAndRestored) {
  Fixture t;
  EXPECT_FALSE(RestoreInitialSettings(t.state, t.load, t.host)) << "none saved yet";
  t.host.answers = {Answer::Cancel, Answer::Ok};
  EXPECT_FALSE(SaveInitialSettings(t.state, t.save, t.host));
  EXPECT_FALSE(t.dir.Exists("zenpa.ini"));
  ASSERT_EQ(1u, t.host.messages.size());
  EXPECT_EQ(Sj("現在の設定が次回起動時に適用されます。"), t.host.messages[0].text);
  EXPECT_EQ(Sj("zenpa - 初期設定保存"), t.host.messages[0].caption);

  EXPECT_TRUE(SaveInitialSettings(t.state, t.save, t.host));
  const std::string bytes = t.dir.Read("zenpa.ini");
  EXPECT_EQ(0u, bytes.rfind(Sj("※初期設定ファイル"), 0));
  EXPECT_EQ("\r\n", bytes.substr(bytes.size() - 2));
  EXPECT_TRUE(t.state.modified) << "the document's format is still unsaved";

  const PrintFormat saved = t.state.format;
  t.state.format = PrintFormat{};
  EXPECT_TRUE(RestoreInitialSettings(t.state, t.load, t.host));
  EXPECT_EQ(saved, t.state.format);
  EXPECT_EQ(t.dir.File("current.zpf"), t.state.fileName);
}

TEST(FormatCommands, OpenFormatAdoptsTheChosenFile) {
  Fixture t;
  EXPECT_FALSE(OpenFormatCommand(t.state, t.load, t.host)) << "cancelled";
  ASSERT_EQ(1u, t.host.fileDialogs.size());
  EXPECT_EQ(Sj("書式(*.zpf)|*.zpf"), t.host.fileDialogs[0].filter);
  EXPECT_EQ("current.zpf", t.host.fileDialogs[0].fileName);

  t.host.fileNames = {t.dir.File("gone.zpf"), t.dir.Dir()};
  EXPECT_FALSE(OpenFormatCommand(t.state, t.load, t.host));
  EXPECT_FALSE(OpenFormatCommand(t.state, t.load, t.host)) << "a directory cannot be read";
  EXPECT_EQ(t.dir.File("current.zpf"), t.state.fileName);
  ASSERT_EQ(2u, t.host.messages.size());
  EXPECT_EQ(Sj("ファイル ") + t.dir.File("gone.zpf") + Sj(" が見つかりません。"),
            t.host.messages[0].text);

  // A load stopped at a bad line is adopted with the lines before it, still
  // modified, and says so naming the file; a whole one is adopted unmodified.
  t.dir.Write("bad.zpf", Sj("※書式\r\n55,頁行数\r\nx,頁行数\r\n"));
  t.dir.Write("other.zpf", Sj("※書式\r\n56,頁行数\r\n"));
  t.host.fileNames = {t.dir.File("bad.zpf"), t.dir.File("other.zpf")};
  EXPECT_TRUE(OpenFormatCommand(t.state, t.load, t.host));
  EXPECT_EQ(55, t.state.format.linesPerPage);
  EXPECT_TRUE(t.state.modified);
  ASSERT_EQ(3u, t.host.messages.size());
  EXPECT_NE(std::string::npos, t.host.messages[2].text.find(t.dir.File("bad.zpf")));
  EXPECT_TRUE(OpenFormatCommand(t.state, t.load, t.host));
  EXPECT_EQ(56, t.state.format.linesPerPage);
  EXPECT_EQ(t.dir.File("other.zpf"), t.state.fileName);
  EXPECT_FALSE(t.state.modified);
}

// Save as offers the document's name and adopts the file written; a file
// that cannot be written is not adopted, and the message gives the path and
// the reason on a second line.
TEST(FormatCommands, SaveFormatAsOffersTheDocumentNameAndSaysWhyItFailed) {
  Fixture t;
  std::filesystem::create_directory(t.dir.File("folder.zpf"));
  t.host.fileNames = {t.dir.File("chosen.zpf"), t.dir.File("missing/dir.zpf"),
                      t.dir.File("folder.zpf")};
  EXPECT_TRUE(SaveFormatAsCommand(t.state, t.dir.File("story.txt"), t.save, t.host));
  ASSERT_EQ(1u, t.host.fileDialogs.size());
  EXPECT_EQ("story.zpf", t.host.fileDialogs[0].fileName);
  EXPECT_EQ(t.dir.File("chosen.zpf"), t.state.fileName);
  EXPECT_FALSE(t.state.modified);

  t.state.modified = true;
  EXPECT_FALSE(SaveFormatAsCommand(t.state, t.dir.File("story.txt"), t.save, t.host));
  EXPECT_FALSE(SaveFormatAsCommand(t.state, t.dir.File("story.txt"), t.save, t.host));
  EXPECT_EQ(t.dir.File("chosen.zpf"), t.state.fileName);
  EXPECT_TRUE(t.state.modified);
  ASSERT_EQ(2u, t.host.messages.size());
  EXPECT_EQ(Sj("書式が保存できません\n保存できません: ") + t.dir.File("folder.zpf") + " (" +
                base::ReasonText(EISDIR) + ")",
            t.host.messages[1].text);
}

// A document's own format sits beside it under its stem, which the reset
// names; a format file has none. The modified label shows on Ctrl and
// clears on Shift, only while the format is modified.
TEST(FormatCommands, FormatNamesAndTheModifiedLabel) {
  EXPECT_EQ("/d/a.zpf", CompanionFormatPath("/d/a.txt"));
  EXPECT_EQ("/d.x/a.zpf", CompanionFormatPath("/d.x/a"));
  EXPECT_EQ("", CompanionFormatPath("/d/a.ZPF"));
  FormatState s;
  s.modified = true;
  ResetFormatCommand(s, "/docs/letter.txt", FormatEnvironment{});
  EXPECT_EQ("/docs/letter.zpf", s.fileName);
  EXPECT_FALSE(s.modified);

  s.modified = true;
  EXPECT_TRUE(ModifiedLabelClick(s, true, false, false));
  EXPECT_FALSE(ModifiedLabelClick(s, true, false, true)) << "Ctrl hides a shown label";
  EXPECT_TRUE(ModifiedLabelClick(s, false, false, true)) << "a plain click changes nothing";
  EXPECT_FALSE(ModifiedLabelClick(s, false, true, true));
  EXPECT_FALSE(s.modified);
  EXPECT_FALSE(ModifiedLabelClick(s, true, false, false)) << "nothing to show when unmodified";
}

// A missing puzzle format of the exact name is read from the program
// directory; a puzzle format whose face misaligns the grid falls back to an
// aligned installed face.
TEST(FormatFiles, PuzzleFormatFallsBackToTheProgramDirectoryAndAnAlignedFace) {
  Fixture t;
  testing::TempDir elsewhere;
  const std::string gothic = Sj("ＭＳ ゴシック");
  platform::ListFontCatalog fonts({"IPAGothic", gothic});
  t.load.fonts = &fonts;
  t.load.gridMisaligned = [](const std::string &face) { return face == "Proportional"; };
  t.dir.Write("nbpzpf.zpf", Sj("※数独書式\r\n33,頁行数\r\n"));
  PrintFormat f;
  f.fontName = "Proportional";
  LoadResult r = Loadzpf(elsewhere.File("nbpzpf.zpf"), f, t.load, t.host);
  EXPECT_EQ(LoadOutcome::Loaded, r.outcome);
  EXPECT_EQ(t.dir.File("nbpzpf.zpf"), r.path);
  EXPECT_EQ(33, f.linesPerPage);
  EXPECT_EQ(gothic, f.fontName);
  r = Loadzpf(elsewhere.File("nbpzpf2.zpf"), f, t.load, t.host);
  EXPECT_EQ(LoadOutcome::Missing, r.outcome) << "only the exact name falls back";
  EXPECT_TRUE(t.host.messages.empty());
  f.fontName = "Proportional";
  Loadzpf(t.dir.Write("plain.zpf", Sj("※書式\r\n")), f, t.load, t.host);
  EXPECT_EQ("Proportional", f.fontName) << "only puzzle formats are checked";
}

} // namespace
} // namespace zenpa::settings
