#include "puzzle/play/puzzle_file_commands.h"

#include "base/file_io.h"
#include "puzzle/engine/engine.h"
#include "puzzle/play/support/puzzle_file_desk.h"
#include "settings/format_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using zenpa::testing::TempDir;
using namespace zenpa::play;
using Lines = std::vector<std::string>;

namespace {

const Lines &kRows = zenpa::testing::kSampleRows;

Lines Twice(const Lines &rows) {
  Lines lines = rows;
  lines.insert(lines.end(), rows.begin(), rows.end());
  return lines;
}

struct Desk : zenpa::testing::PuzzleDocDesk {
  TempDir dir;
  PuzzleReadContext ctx{memo, host, writer, {}};

  std::string File(const std::string &name, const Lines &lines) {
    EXPECT_TRUE(zenpa::base::WriteLines(dir.Path(name), lines).ok);
    return dir.Path(name);
  }
};

} // namespace

TEST(ReplacingTheDocument, OnlyAModifiedDocumentThatIsReplacedAsks) {
  zenpa::platform::TextMemo memo;
  int asked = 0;
  bool answer = false;
  const auto ask = [&] { return ++asked, answer; };
  EXPECT_TRUE(AskBeforeReplacing(memo, false, ask)); // empty document
  memo.SetLines({"text"});
  memo.SetModified(false);
  EXPECT_TRUE(AskBeforeReplacing(memo, false, ask));
  memo.SetModified(true);
  EXPECT_TRUE(AskBeforeReplacing(memo, true, ask)); // appending keeps the text
  EXPECT_EQ(0, asked);
  EXPECT_FALSE(AskBeforeReplacing(memo, false, ask));
  answer = true;
  EXPECT_TRUE(AskBeforeReplacing(memo, false, ask));
  EXPECT_EQ(2, asked);
}

TEST(LoadCommand, ReplacesTheDocumentAndTakesTheLastFilesName) {
  Desk d;
  const std::string a = d.File("a.nbp", Twice(kRows));
  const std::string b = d.File("b.csv", Lines(9, ",,,,,,,1,"));
  d.memo.SetLines({"old text"});
  d.memo.SetModified(true);
  EXPECT_EQ(0, LoadPuzzleFiles(d.ctx, {}, false).filesRead); // nothing chosen
  EXPECT_EQ((Lines{"old text"}), d.memo.Lines());
  int linesWhenFormatApplied = -1;
  const PuzzleLoadResult r = LoadPuzzleFiles(d.ctx, {a, d.dir.Path("none.nbp"), b}, false,
                                             [&] { linesWhenFormatApplied = d.memo.LineCount(); });
  EXPECT_EQ(0, linesWhenFormatApplied); // emptied first, then the format
  EXPECT_EQ(2, r.filesRead);
  EXPECT_EQ(d.dir.Path("b.txt"), r.documentName);
  EXPECT_EQ(3 * 22, d.memo.LineCount());
  EXPECT_FALSE(d.memo.Modified());
  ASSERT_EQ(1u, d.host.messages.size()); // the missing file
}

TEST(LoadCommand, AppendingKeepsTextNameAndModifiedState) {
  Desk d;
  const std::string b = d.File("b.nbp", kRows);
  d.memo.SetLines({"kept"});
  d.memo.SetModified(true);
  const PuzzleLoadResult r = LoadPuzzleFiles(d.ctx, {b}, true);
  EXPECT_EQ("", r.documentName);
  EXPECT_EQ(1 + 22, d.memo.LineCount());
  EXPECT_TRUE(d.memo.Modified());
}

TEST(SaveCommand, NamesTheDocumentOrReportsTheFailure) {
  Desk d;
  d.writer.WritePuzzleBlock(GridDigits{5});
  EXPECT_EQ(d.dir.Path("out.txt"), SavePuzzleFile(d.memo, d.host, d.dir.Path("out.csv"), ""));
  EXPECT_EQ("5,,,,,,,,\r\n", d.dir.Read("out.csv").substr(0, 11));
  EXPECT_EQ(std::nullopt, SavePuzzleFile(d.memo, d.host, d.dir.Path("no/such/dir/x.nbp"), ""));
  ASSERT_EQ(1u, d.host.messages.size());
  EXPECT_FALSE(d.host.messages[0].text.empty());
}

TEST(PuzzleFormat, DueOnlyWhenSwitchedOnReplacingAndNotCurrent) {
  TempDir dir;
  const std::string programDir = dir.Dir();
  const std::string own = PuzzleFormatPath(programDir);
  EXPECT_FALSE(PuzzleFormatDue(true, false, "doc.zpf", programDir)); // no such file yet
  ASSERT_TRUE(zenpa::base::WriteLines(own, {"format"}).ok);
  EXPECT_TRUE(PuzzleFormatDue(true, false, "/elsewhere/nbpzpf.zpf", programDir));
  EXPECT_FALSE(PuzzleFormatDue(true, false, own, programDir));
  EXPECT_FALSE(PuzzleFormatDue(false, false, "doc.zpf", programDir));
  EXPECT_FALSE(PuzzleFormatDue(true, true, "doc.zpf", programDir));
}

TEST(PuzzleFormat, AppliedFileBecomesTheCurrentFormat) {
  TempDir dir;
  zenpa::platform::ScriptedHost host;
  zenpa::settings::FormatState state;
  zenpa::settings::LoadContext ctx;
  ctx.programDir = dir.Dir();
  EXPECT_FALSE(ApplyPuzzleFormat(state, ctx, host, false)); // no file: nothing to apply
  zenpa::settings::PrintFormat puzzleFormat = state.format;
  puzzleFormat.puzzle.targetGivens = 41;
  ASSERT_TRUE(zenpa::settings::Savezpf(PuzzleFormatPath(ctx.programDir), puzzleFormat,
                                       zenpa::settings::SaveContext{}, host));
  EXPECT_FALSE(ApplyPuzzleFormat(state, ctx, host, true)); // appending keeps the format
  EXPECT_TRUE(ApplyPuzzleFormat(state, ctx, host, false));
  EXPECT_EQ(41, state.format.puzzle.targetGivens);
  EXPECT_FALSE(ApplyPuzzleFormat(state, ctx, host, false)); // already current
}
