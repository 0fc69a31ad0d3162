#include "puzzle/play/viewer_launch.h"

#include "base/file_io.h"
#include "base/sjis.h"
#include "puzzle/play/support/puzzle_file_desk.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using zenpa::base::Sj;
using zenpa::base::WriteLines;
using zenpa::editor::InsertionPlace;
using namespace zenpa::play;
using Lines = std::vector<std::string>;

namespace {

struct Desk : zenpa::testing::PuzzleDocDesk {
  zenpa::testing::TempDir dir;
  PuzzleReadContext read{memo, host, writer, {}};
  ViewerContext ctx{read, "/opt/zenpa/", dir.Dir(), false, {}, {}};
  std::string Path(const std::string &name) const { return dir.Path(name); }
};

} // namespace

TEST(ViewerLaunch, HandedBackFileReplacesTheDocument) {
  Desk d;
  ASSERT_TRUE(WriteLines(d.Path("p.nbp"), Lines(9, "1........")).ok);
  d.dir.Write("GRDV.DAT", "p.nbp\nignored\n"); // a line end of this system
  d.memo.SetLines({"old"});
  d.memo.SetModified(false);
  int formatApplied = 0;
  d.ctx.applyPuzzleFormat = [&formatApplied] { ++formatApplied; };
  const auto loaded = RunViewer(d.ctx, "x.nbp");
  EXPECT_EQ(1, formatApplied);
  ASSERT_TRUE(loaded.has_value());
  EXPECT_EQ(d.Path("p.txt"), loaded->documentName);
  EXPECT_EQ("/opt/zenpa/GRDV.COM /C " + d.Path("x.nbp"), d.host.started.at(0));
  EXPECT_EQ(ClueLine("9"), d.memo.Line(20));
}

TEST(ViewerLaunch, ModifiedDocumentIsReplacedOnlyAfterTheQuestion) {
  Desk d;
  ASSERT_TRUE(WriteLines(d.Path("p.nbp"), Lines(9, "1........")).ok);
  ASSERT_TRUE(WriteLines(d.Path("GRDV.DAT"), {"p.nbp"}).ok);
  d.memo.SetLines({"typed"});
  d.memo.SetModified(true);
  bool agree = false;
  d.ctx.askSaveChanges = [&agree] { return agree; };
  EXPECT_EQ(std::nullopt, RunViewer(d.ctx, "x.nbp"));
  EXPECT_EQ((Lines{"typed"}), d.memo.Lines());
  agree = true;
  EXPECT_TRUE(RunViewer(d.ctx, "x.nbp").has_value());
  EXPECT_EQ(22, d.memo.LineCount());
}

TEST(ViewerLaunch, NoHandBackOrFailedStartLeavesTheDocument) {
  Desk d;
  d.memo.SetLines({"old"});
  EXPECT_EQ(std::nullopt, RunViewer(d.ctx, "x.nbp")); // no GRDV.DAT
  ASSERT_TRUE(WriteLines(d.Path("GRDV.DAT"), {"missing.nbp"}).ok);
  EXPECT_EQ(std::nullopt, RunViewer(d.ctx, "x.nbp"));
  d.host.startProgramSucceeds = false;
  d.host.startProgramError = "Permission denied";
  EXPECT_EQ(std::nullopt, RunViewer(d.ctx, "x.nbp"));
  ASSERT_EQ(1u, d.host.messages.size());
  EXPECT_EQ(Sj("実行できません (Permission denied)"), d.host.messages[0].text);
  EXPECT_EQ((Lines{"old"}), d.memo.Lines());
}
