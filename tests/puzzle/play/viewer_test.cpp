// The puzzle viewer: its folder list, the preview of a file, the duplicate
// check and the hand-back of a file chosen in the viewer.
#include "puzzle/play/viewer_duplicates.h"
#include "puzzle/play/viewer_folder.h"
#include "puzzle/play/viewer_launch.h"
#include "puzzle/play/viewer_preview.h"

#include "base/sjis.h"
#include "puzzle/play/support/desk.h"
#include "support/puzzle_samples.h"

#include <gtest/gtest.h>

#include <filesystem>

using zenpa::base::Sj;
using zenpa::testing::kEasyPuzzle;
using zenpa::testing::Lines;
using zenpa::testing::NbpText;
using zenpa::testing::TempDir;
using namespace zenpa::play;

// Hidden files are left out, a broken link is listed, folders come first.
TEST(ViewerFolder, FiltersShowTheirExtensionsInAnyCaseAndFoldersComeFirst) {
  TempDir dir;
  for (const char *name : {"b.NBP", "a.nbc", "c.csv", "d.TXT", "e.dat", ".hidden.nbp"})
    dir.Write(name, "");
  std::filesystem::create_directory(dir.Path("zz"));
  std::filesystem::create_symlink(dir.Path("gone"), dir.Path("broken.nbp"));
  auto names = [&](ViewerFilter f) {
    Lines out;
    for (const FolderItem &item : ListFolder(dir.Dir(), f))
      out.push_back(item.name + (item.folder ? "/" : ""));
    return out;
  };
  EXPECT_EQ((Lines{"zz/", "a.nbc", "b.NBP", "broken.nbp"}), names(ViewerFilter::Puzzle));
  EXPECT_EQ((Lines{"zz/", "c.csv", "d.TXT"}), names(ViewerFilter::Text));
  EXPECT_EQ(7u, names(ViewerFilter::All).size());
  EXPECT_TRUE(ListFolder(dir.Path("none"), ViewerFilter::All).empty());
  EXPECT_EQ((Lines{"/a/b", "/a", "/"}), FolderChain("/a/b"));
}

namespace {

ViewerPreview PreviewOf(const std::string &kind, const Lines &lines) {
  PreviewBuilder builder(kind);
  for (const std::string &line : lines)
    builder.AddLine(line);
  return builder.Result();
}

Lines Rows(const std::string &first) {
  Lines rows(9, ".........");
  rows[0] = first;
  return rows;
}

} // namespace

// A row of fields fills the board rows in a CSV file; elsewhere only a line
// holding a tab is read as fields and commas are unreadable cells.
TEST(ViewerPreview, RowLengthsFieldsAndUnreadableCells) {
  const ViewerPreview p = PreviewOf("CSV", Rows("1,,3,,,6,,,9"));
  EXPECT_EQ(Sj("１　３　　６　　９"), p.clueRows[0]);
  EXPECT_EQ(Sj("　・　・・　・・　"), p.openRows[0]);
  EXPECT_EQ("4clues", CluesText(p));
  EXPECT_EQ(Sj("１　３　　６　　９"), PreviewOf("TXT", Rows("1\t\t3\t\t\t6\t\t\t9")).clueRows[0]);
  EXPECT_EQ(Sj("１２３４５６７８Ｅ"), PreviewOf("NBP", Rows("12345678x")).clueRows[0]);
  struct Case {
    const char *kind, *row;
    bool complete, error;
  } cases[] = {
      {"TXT", "1,,3,,,6,,,9", true, true},
      {"NBP", "1 2 3 4 5 6 7 8 9", true, false},     // 17 characters
      {"NBP", "1 2 3 4 5 6 7 8 9 ", true, false},    // trailing space trimmed
      {"NBP", " 1 2 3 4 5 6 7 8 9 .", false, false}, // 18 once trimmed: skipped
      {"NBP", "12345678x", true, true},              // a letter: previews, but has errors
      {"NBP", "12345678", false, false},             // too short
  };
  for (const Case &c : cases) {
    const ViewerPreview q = PreviewOf(c.kind, Rows(c.row));
    EXPECT_EQ(c.complete, q.firstComplete) << c.row;
    EXPECT_EQ(c.error, q.error) << c.row;
  }
}

// An "A=" line before the end of the first puzzle is no answer; the raw
// preview stops with the first puzzle.
TEST(ViewerPreview, CountsPuzzlesAndMarksAnswers) {
  Lines lines = {"T=title", "C=comment", "1........", "A=123", "........."};
  lines.resize(12, ".........");
  const ViewerPreview one = PreviewOf("NBP", lines);
  EXPECT_EQ("1page", PageText(one));
  EXPECT_FALSE(one.hasAnswer);
  Lines two = lines;
  two.insert(two.end(), 9, "123456789");
  const ViewerPreview answered = PreviewOf("NBP", two);
  EXPECT_EQ("2page", PageText(answered));
  EXPECT_TRUE(answered.hasAnswer);
  EXPECT_EQ("1clues", CluesText(answered));
  EXPECT_EQ(12u, answered.rawLines.size());
  lines.push_back("A=" + std::string(81, '1'));
  EXPECT_TRUE(PreviewOf("NBP", lines).hasAnswer);
}

// Only the start of a huge file is read, and long raw lines are cut at a
// character boundary.
TEST(ViewerPreview, ReadsOnlyTheStartOfAHugeFile) {
  TempDir dir;
  const std::string binary(2 * kPreviewByteLimit, '\x81'); // no line end
  const ViewerPreview p = PreviewFile(dir.Write("big.nbp", NbpText(kEasyPuzzle) + binary));
  EXPECT_TRUE(p.cut);
  EXPECT_EQ("28clues", CluesText(p));
  EXPECT_EQ("1page" + Sj("以上（先頭1MBを表示）"), PageText(p));
  EXPECT_TRUE(PreviewFile(dir.Dir()).rawLines.empty());
  std::string wide = "a";
  for (int i = 0; i < 150; ++i)
    wide += Sj("字");
  const ViewerPreview w = PreviewOf("NBP", {wide});
  ASSERT_EQ(1u, w.rawLines.size());
  EXPECT_EQ(kRawLineBytes - 1, w.rawLines[0].size()); // "a" and 99 whole characters
}

// Files with the same first puzzle pair up, empty, faulty, missing and
// folder items never; every pair is counted, the first thousand listed in
// order. Events run as the clock moves, and cancelling ends the check.
TEST(ViewerDuplicates, SameFirstPuzzlesPairUpAndUnreadableItemsNever) {
  TempDir dir;
  const char *const other = zenpa::testing::kNakedPairPuzzle;
  Lines paths = {
      dir.Write("a.nbp", NbpText(kEasyPuzzle)),
      dir.Write("b.nbp", NbpText(other)),
      dir.Write("c.nbp", NbpText(kEasyPuzzle) + NbpText(other)),
      dir.Write("e1.nbp", ""),
      dir.Write("e2.nbp", ""),
      dir.Write("x1.nbp", "12345678x\r\n"),
      dir.Write("x2.nbp", "12345678x\r\n"),
      dir.Path("missing1.nbp"),
      dir.Path("missing2.nbp"),
      dir.Dir(),
  };
  zenpa::platform::ScriptedHost host;
  const auto report = FindDuplicates(paths, {host, {}, {}});
  ASSERT_TRUE(report.has_value());
  EXPECT_EQ((std::vector<DuplicatePair>{{0, 2}}), report->pairs);
  EXPECT_EQ(Sj("重複はありません"), DuplicateSummary(0));

  paths.clear();
  for (int i = 0; i < 50; ++i)
    paths.push_back(dir.Write(std::to_string(i) + ".nbp", NbpText(kEasyPuzzle)));
  const auto many = FindDuplicates(paths, {host, {}, {}});
  ASSERT_TRUE(many.has_value());
  EXPECT_EQ(50u * 49u / 2u, many->count);
  EXPECT_EQ((DuplicatePair{0, 1}), many->pairs.front());
  EXPECT_EQ(kListedDuplicatePairs, many->pairs.size());
  EXPECT_EQ(Sj("重複が 1225件あります（最初の1000件を表示）"), DuplicateSummary(many->count));

  std::vector<int> shown;
  int checks = 0;
  const DuplicateCheckHooks hooks{host, [&](int done, int) { shown.push_back(done); },
                                  [&] {
                                    host.clock += kDuplicateEventInterval / 2;
                                    return ++checks == 6;
                                  }};
  EXPECT_FALSE(FindDuplicates(Lines(paths.begin(), paths.begin() + 10), hooks).has_value());
  EXPECT_EQ(6, checks);
  EXPECT_EQ((std::vector<int>{2, 4}), shown); // every other item, as the clock moved
  EXPECT_EQ(2, host.processEventsCalls);
}

// Without a hand-back, when the save question is refused or when the viewer
// does not start, the document stays.
TEST(ViewerLaunch, HandedBackFileReplacesTheDocument) {
  zenpa::testing::PuzzleDesk d;
  ViewerContext ctx{d.read, "/opt/zenpa/", d.dir.Dir(), false, {}, {}};
  d.File("p.nbp", Lines(9, "1........"));
  d.memo.SetLines({"typed"});
  d.memo.SetModified(true);
  bool agree = false;
  ctx.askSaveChanges = [&agree] { return agree; };
  int formatApplied = 0;
  ctx.applyPuzzleFormat = [&formatApplied] { ++formatApplied; };
  for (const char *dat : {"", "missing.nbp\r\n", "p.nbp\nignored\n"}) {
    agree = *dat != 'p';
    if (*dat != 0)
      d.dir.Write("GRDV.DAT", dat);
    EXPECT_EQ(std::nullopt, RunViewer(ctx, "x.nbp")) << dat;
    EXPECT_EQ((Lines{"typed"}), d.memo.Lines());
  }
  agree = true;
  EXPECT_EQ(d.dir.Path("p.txt"), RunViewer(ctx, "x.nbp").value_or(PuzzleLoadResult{}).documentName);
  EXPECT_EQ(1, formatApplied);
  EXPECT_EQ("/opt/zenpa/GRDV.COM /C " + d.dir.Path("x.nbp"), d.host.started.at(3));
  d.host.startProgramSucceeds = false;
  d.host.startProgramError = "Permission denied";
  EXPECT_EQ(std::nullopt, RunViewer(ctx, "x.nbp"));
  EXPECT_EQ(Lines{Sj("実行できません (Permission denied)")}, d.Texts());
  EXPECT_EQ(22, d.memo.LineCount());
}
