#include "settings/format_commands.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "base/file_io.h"
#include "base/sjis.h"
#include "platform/scripted_host.h"
#include "settings/support/format_samples.h"
#include "support/temp_dir.h"

namespace zenpa::settings {
namespace {

using base::Sj;
using platform::Answer;

void WriteBytes(const std::string &path, const std::string &bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

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

TEST(FormatCommands, SaveInitialSettingsAsksFirst) {
  Fixture t;
  t.host.answers = {Answer::Cancel, Answer::Ok};
  EXPECT_FALSE(SaveInitialSettings(t.state, t.save, t.host));
  EXPECT_FALSE(base::FileExists(t.dir.File("zenpa.ini")));
  ASSERT_EQ(1u, t.host.messages.size());
  EXPECT_EQ(Sj("現在の設定が次回起動時に適用されます。"), t.host.messages[0].text);
  EXPECT_EQ(Sj("zenpa - 初期設定保存"), t.host.messages[0].caption);

  EXPECT_TRUE(SaveInitialSettings(t.state, t.save, t.host));
  std::string bytes;
  ASSERT_TRUE(base::ReadFileBytes(t.dir.File("zenpa.ini"), bytes).ok);
  EXPECT_EQ(0u, bytes.rfind(Sj("※初期設定ファイル"), 0));
  EXPECT_EQ("\r\n", bytes.substr(bytes.size() - 2));
  EXPECT_TRUE(t.state.modified) << "the document's format is still unsaved";
}

TEST(FormatCommands, RestoreInitialSettingsKeepsTheFormatFileName) {
  Fixture t;
  const PrintFormat before = t.state.format;
  EXPECT_FALSE(RestoreInitialSettings(t.state, t.load, t.host));
  EXPECT_EQ(before, t.state.format);

  WriteBytes(t.dir.File("zenpa.ini"), Sj("※初期設定\r\n0,太文字\r\n"));
  EXPECT_TRUE(RestoreInitialSettings(t.state, t.load, t.host));
  EXPECT_FALSE(t.state.format.bold);
  EXPECT_EQ(t.dir.File("current.zpf"), t.state.fileName);
}

TEST(FormatCommands, OpenFormatAdoptsTheChosenFile) {
  Fixture t;
  const PrintFormat before = t.state.format;
  EXPECT_FALSE(OpenFormatCommand(t.state, t.load, t.host)) << "cancelled";
  EXPECT_EQ(before, t.state.format);
  ASSERT_EQ(1u, t.host.fileDialogs.size());
  EXPECT_EQ(Sj("書式(*.zpf)|*.zpf"), t.host.fileDialogs[0].filter);
  EXPECT_EQ("current.zpf", t.host.fileDialogs[0].fileName);

  t.host.fileNames = {t.dir.File("gone.zpf")};
  EXPECT_FALSE(OpenFormatCommand(t.state, t.load, t.host));
  EXPECT_EQ(t.dir.File("current.zpf"), t.state.fileName);
  ASSERT_EQ(1u, t.host.messages.size());
  EXPECT_EQ(Sj("ファイル ") + t.dir.File("gone.zpf") + Sj(" が見つかりません。"),
            t.host.messages[0].text);

  WriteBytes(t.dir.File("other.zpf"), Sj("※書式\r\n55,頁行数\r\n"));
  t.host.fileNames = {t.dir.File("other.zpf")};
  EXPECT_TRUE(OpenFormatCommand(t.state, t.load, t.host));
  EXPECT_EQ(55, t.state.format.linesPerPage);
  EXPECT_EQ(t.dir.File("other.zpf"), t.state.fileName);
  EXPECT_FALSE(t.state.modified);
}

TEST(FormatCommands, StoppedLoadLeavesTheFormatModified) {
  Fixture t;
  WriteBytes(t.dir.File("bad.zpf"), Sj("※書式\r\n55,頁行数\r\nx,頁行数\r\n"));
  const LoadResult r = LoadFormat(t.state, t.dir.File("bad.zpf"), t.load, t.host);
  EXPECT_EQ(LoadOutcome::Stopped, r.outcome);
  EXPECT_EQ(55, t.state.format.linesPerPage);
  EXPECT_TRUE(t.state.modified);
  ASSERT_EQ(1u, t.host.messages.size());
  EXPECT_EQ(r.message, t.host.messages[0].text);
  EXPECT_NE(std::string::npos, r.message.find(t.dir.File("bad.zpf")));
}

TEST(FormatCommands, SaveFormatAsOffersTheDocumentName) {
  Fixture t;
  t.host.fileNames = {t.dir.File("chosen.zpf")};
  EXPECT_TRUE(SaveFormatAsCommand(t.state, t.dir.File("story.txt"), t.save, t.host));
  ASSERT_EQ(1u, t.host.fileDialogs.size());
  EXPECT_EQ("story.zpf", t.host.fileDialogs[0].fileName);
  EXPECT_EQ(t.dir.File("chosen.zpf"), t.state.fileName);
  EXPECT_FALSE(t.state.modified);

  t.state.modified = true;
  t.host.fileNames = {t.dir.File("missing/dir.zpf")};
  EXPECT_FALSE(SaveFormatAsCommand(t.state, t.dir.File("story.txt"), t.save, t.host));
  EXPECT_EQ(t.dir.File("chosen.zpf"), t.state.fileName) << "an unwritten file is not adopted";
  EXPECT_TRUE(t.state.modified);
}

TEST(FormatCommands, ResetNamesTheFormatAfterTheDocument) {
  Fixture t;
  ResetFormatCommand(t.state, "/docs/letter.txt", FormatEnvironment{});
  EXPECT_EQ("/docs/letter.zpf", t.state.fileName);
  EXPECT_FALSE(t.state.modified);
}

TEST(FormatCommands, CompanionFormatOfADocument) {
  EXPECT_EQ("/d/a.zpf", CompanionFormatPath("/d/a.txt"));
  EXPECT_EQ("/d.x/a.zpf", CompanionFormatPath("/d.x/a"));
  EXPECT_EQ("", CompanionFormatPath("/d/a.ZPF"));
}

TEST(FormatCommands, ModifiedLabelFollowsCtrlAndShiftClicks) {
  FormatState s;
  s.modified = true;
  EXPECT_TRUE(ModifiedLabelClick(s, true, false, false));
  EXPECT_FALSE(ModifiedLabelClick(s, true, false, true)) << "Ctrl hides a shown label";
  EXPECT_TRUE(ModifiedLabelClick(s, false, false, true)) << "a plain click changes nothing";
  EXPECT_TRUE(s.modified);
  EXPECT_FALSE(ModifiedLabelClick(s, false, true, true));
  EXPECT_FALSE(s.modified);
  EXPECT_FALSE(ModifiedLabelClick(s, true, false, false)) << "nothing to show when unmodified";
}

} // namespace
} // namespace zenpa::settings
