// Puzzle files: reading their rows in every form, writing them back, and the
// load and save commands over them.
#include "puzzle/play/puzzle_file_commands.h"
#include "puzzle/play/puzzle_file_reader.h"
#include "puzzle/play/puzzle_file_writer.h"

#include "base/sjis.h"
#include "puzzle/play/pattern_text.h"
#include "puzzle/play/support/desk.h"
#include "settings/format_file.h"

#include <gtest/gtest.h>

#include <algorithm>

using zenpa::base::Sj;
using zenpa::testing::Lines;
using namespace zenpa::play;
using Desk = zenpa::testing::PuzzleDesk;

namespace {

// The rows of a puzzle with 30 givens ("." empty), and its answer.
const Lines kRows = {"53..7....", "6..195...", ".98....6.", "8...6...3", "4..8.3..1",
                     "7...2...6", ".6....28.", "...419..5", "....8..79"};
const std::string kAnswer =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

GridDigits DigitsOf(const Lines &rows) {
  GridDigits g{};
  for (std::size_t i = 0; i < 81; ++i) {
    const char c = rows[i / 9][i % 9];
    g[i] = c >= '1' && c <= '9' ? c - '0' : 0;
  }
  return g;
}

Lines Replaced(Lines rows, char from, char to) {
  for (std::string &row : rows)
    std::replace(row.begin(), row.end(), from, to);
  return rows;
}

std::vector<GridDigits> GivensOf(const PuzzleFileContent &content) {
  std::vector<GridDigits> out;
  for (const ReadGrid &g : content.grids)
    out.push_back(g.givens);
  return out;
}

PuzzleFileContent Read(const Lines &lines, PuzzleDialect dialect = PuzzleDialect::Plain) {
  return ReadPuzzleLines(lines, dialect);
}

} // namespace

// Empty cells as ".", "0", "-", "_" or spaced; comment, title, short,
// overlong and full-width lines skipped; nine rows on an address line, also
// finishing a grid that rows began; from a tab on, rows of separated cells.
TEST(PuzzleFileReading, EveryFormOfRowsReadsAsTheSameGrid) {
  Lines spaced, commented = {"T=Title line", "C=comment"};
  std::string all;
  for (const std::string &row : kRows) {
    spaced.push_back(" ");
    for (char c : row)
      spaced.back() += std::string(" ") + c;
    all += row;
  }
  commented.insert(commented.end(), kRows.begin(), kRows.begin() + 4);
  commented.insert(commented.end(), {"C=between two rows 123456789", "short", "123456789123456789",
                                     Sj("１２３４５６７８９")});
  commented.insert(commented.end(), kRows.begin() + 4, kRows.end());
  Lines twoThenAddress = {kRows[0], kRows[1]};
  twoThenAddress.insert(twoThenAddress.end(), kRows.begin(), kRows.begin() + 7);
  // Before the tab, a comma row is plain text.
  const Lines tabbed = {"5\t3\t\t\t7\t\t\t\t", "6,,,1,9,5,,,", ",9,8,,,,,6,",
                        "8,,,,6,,,,3",         "4,,,8,,3,,,1", "7 , , , , 2, , , ,6",
                        ",6,,,,,2,8,",         ",,,4,1,9,,,5", ",,,,8,,,7,9"};
  const struct {
    Lines lines, grid;
    int leftover;
  } cases[] = {
      {kRows, kRows, 0},
      {Replaced(kRows, '.', '0'), kRows, 0},
      {Replaced(kRows, '.', '-'), kRows, 0},
      {Replaced(kRows, '.', '_'), kRows, 0},
      {spaced, kRows, 0},
      {commented, kRows, 0},
      {{"C=x", "A=" + all}, kRows, 0},
      {{kRows[0], kRows[1], "A=" + all}, twoThenAddress, 2},
      {tabbed, kRows, 0},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.lines[0]);
    const PuzzleFileContent content = Read(c.lines);
    EXPECT_EQ(std::vector{DigitsOf(c.grid)}, GivensOf(content));
    EXPECT_EQ(c.leftover, content.leftoverRows);
    EXPECT_FALSE(content.unreadableCells);
  }
}

// In a CSV file eight commas are an empty row; in a plain file they are
// nine commas short of a row. Unreadable cells and junk never break a grid.
TEST(PuzzleFileReading, SeparatorsUnreadableCellsAndJunk) {
  EXPECT_EQ(".........", RebuildSeparatedRow(",,,,,,,,"));
  const PuzzleFileContent csv = Read(Lines(9, ",,,,,,,,"), PuzzleDialect::Csv);
  ASSERT_EQ(1u, csv.grids.size());
  EXPECT_EQ(0, csv.grids[0].givenCount);
  EXPECT_EQ(Sj("　"), csv.grids[0].cells[40]);
  EXPECT_EQ(0u, Read(Lines(9, ",,,,,,,,")).grids.size());

  Lines lines = kRows;
  lines[2] = ".98.x..6.";
  lines.insert(lines.begin() + 5, std::string(100000, '7'));
  lines.insert(lines.begin() + 1, std::string("\x00\x01\xff\x80\xa0\x7f\x1b\x05\x02", 9));
  const PuzzleFileContent content = Read(lines);
  ASSERT_EQ(1u, content.grids.size());
  EXPECT_TRUE(content.unreadableCells);
  EXPECT_EQ(Sj("Ｅ"), content.grids[0].cells[9]); // the binary line became row 2
  EXPECT_EQ(1, content.leftoverRows);
  // Nine bytes once trimmed, but only five cells: the four missing ones are
  // unreadable rather than silently empty.
  EXPECT_EQ((std::array{1, 2, 3, 4, 5, kUnreadableCell, kUnreadableCell, kUnreadableCell,
                        kUnreadableCell}),
            ReadCandidateRow(" 1 2 3 4 5 ").value_or(std::array<int, 9>{}));
  EXPECT_EQ((Lines{"a", "b", "", "c", "d"}), SplitFileLines("a\r\nb\n\nc\rd\r\n"));
}

// Missing rows and a bad cell are both reported; the grid shows "Ｅ". A full
// grid is written only with answers on, and without a clue line.
TEST(PuzzleFileReading, FaultsAreReportedAndFullGridsWrittenOnlyWithAnswers) {
  Desk d;
  Lines lines = kRows;
  lines[0] = "53..7...?";
  lines.insert(lines.end(), kRows.begin(), kRows.begin() + 3);
  EXPECT_EQ(ReadOutcome::Read, ReadPuzzleFile(d.read, d.File("a.nbp", lines)));
  EXPECT_EQ((Lines{MissingDataMessage(), DataErrorMessage()}), d.Texts());
  EXPECT_EQ(Sj("┃５│３│　┃　│７│　┃　│　│Ｅ┃"), d.memo.Line(2));

  PuzzleFileContent full;
  full.grids.resize(1);
  full.grids[0].givenCount = 81;
  full.grids[0].cells.fill(Sj("５"));
  Desk without;
  EXPECT_TRUE(WriteReadGrids(without.read, full, "f.nbp"));
  EXPECT_EQ(0, without.memo.LineCount());
  Desk with;
  with.options.appendAnswer = with.options.printHowToPlay = true;
  EXPECT_TRUE(WriteReadGrids(with.read, full, "f.nbp"));
  EXPECT_EQ(21, with.memo.LineCount()); // title, 19 grid lines, page break
}

// Every grid of the document, a blank line after each, in the dialect the
// extension names; the completed answer follows in a one-puzzle document
// when it fits the givens.
TEST(PuzzleFileWriting, GridsAndTheCompletedAnswerReadBackInTheirDialect) {
  Desk d;
  d.writer.WritePuzzleBlock(DigitsOf(kRows));
  const Lines plain = PuzzleFileLines(d.memo, PuzzleDialect::Plain, kAnswer);
  ASSERT_EQ(19u, plain.size());
  EXPECT_EQ("000419005", plain[7]);
  EXPECT_EQ("", plain[9]);
  EXPECT_EQ("534678912", plain[10]);
  const Lines csv = PuzzleFileLines(d.memo, PuzzleDialect::Csv, kAnswer);
  ASSERT_EQ(19u, csv.size());
  EXPECT_EQ("5,3,,,7,,,,", csv[0]);
  EXPECT_EQ("5,3,4,6,7,8,9,1,2", csv[10]);
  GridDigits answer{};
  for (int i = 0; i < 81; ++i)
    answer[i] = kAnswer[i] - '0';
  EXPECT_EQ((std::vector{DigitsOf(kRows), answer}), GivensOf(Read(csv, PuzzleDialect::Csv)));
  // 534... fits the givens 53..7....; swapping two digits breaks a given.
  std::string wrong = kAnswer;
  std::swap(wrong[0], wrong[1]);
  EXPECT_EQ(10u, PuzzleFileLines(d.memo, PuzzleDialect::Plain, wrong).size());
  wrong[0] = 'x';
  EXPECT_EQ(10u, PuzzleFileLines(d.memo, PuzzleDialect::Plain, wrong).size());
  // With a second grid no answer follows.
  d.writer.WritePuzzleBlock(GridDigits{});
  const std::vector<GridDigits> two{DigitsOf(kRows), GridDigits{}};
  EXPECT_EQ(two, GivensOf(Read(PuzzleFileLines(d.memo, PuzzleDialect::Plain, kAnswer))));
  EXPECT_EQ(",,,,,,,,", PuzzleFileLines(d.memo, PuzzleDialect::Csv, "")[10]);
  // A lone grid block filling the document counts; cut off, it does not.
  Lines grid = GridBlockLines(GivenCells(DigitsOf(kRows)));
  d.memo.SetLines(grid);
  EXPECT_EQ(10u, PuzzleFileLines(d.memo, PuzzleDialect::Plain, "").size());
  grid.resize(16);
  d.memo.SetLines(grid);
  EXPECT_TRUE(PuzzleFileLines(d.memo, PuzzleDialect::Plain, "").empty());
  const std::pair<const char *, PuzzleDialect> dialects[] = {{"q.Csvx", PuzzleDialect::Csv},
                                                             {"q.cs", PuzzleDialect::Plain},
                                                             {"csv.nbp", PuzzleDialect::Plain}};
  for (const auto &[name, dialect] : dialects)
    EXPECT_EQ(dialect, DialectOfFile(name)) << name;
}

TEST(PuzzleFileCommands, OnlyAModifiedDocumentThatIsReplacedAsks) {
  zenpa::platform::TextMemo memo;
  const auto refuse = [] { return false; };
  EXPECT_TRUE(AskBeforeReplacing(memo, false, refuse));
  memo.SetLines({"text"});
  memo.SetModified(false);
  EXPECT_TRUE(AskBeforeReplacing(memo, false, refuse));
  memo.SetModified(true);
  EXPECT_EQ(std::pair(true, false), std::pair(AskBeforeReplacing(memo, true, refuse),
                                              AskBeforeReplacing(memo, false, refuse)));
}

// Loading empties the document, applies the format and takes the last
// file's name; appending keeps text, name and modified state. Saving
// reports why it could not.
TEST(PuzzleFileCommands, LoadReplacesOrAppendsAndSaveNamesTheDocument) {
  Desk d;
  const std::string a = d.File("a.nbp", kRows);
  const std::string b = d.File("b.csv", Lines(9, ",,,,,,,1,"));
  d.memo.SetLines({"old text"});
  d.memo.SetModified(true);
  int linesWhenFormatApplied = -1;
  const PuzzleLoadResult r = LoadPuzzleFiles(d.read, {a, d.dir.Path("none.nbp"), b}, false,
                                             [&] { linesWhenFormatApplied = d.memo.LineCount(); });
  EXPECT_EQ(0, linesWhenFormatApplied);
  EXPECT_EQ(2, r.filesRead);
  EXPECT_EQ(2 * 22, d.memo.LineCount());
  EXPECT_FALSE(d.memo.Modified());
  EXPECT_EQ(1, d.Messages()); // the missing file
  d.memo.SetModified(true);
  EXPECT_EQ("", LoadPuzzleFiles(d.read, {a}, true).documentName);
  EXPECT_EQ(3 * 22, d.memo.LineCount());
  EXPECT_TRUE(d.memo.Modified());

  EXPECT_EQ(std::nullopt, SavePuzzleFile(d.memo, d.host, d.dir.Path("no/such/dir/x.nbp"), ""));
  EXPECT_EQ(2, d.Messages());
}

// The puzzle format is due only when switched on, replacing the document and
// not already current; applied, it becomes the current format.
TEST(PuzzleFileCommands, PuzzleFormatIsAppliedWhenDue) {
  Desk d;
  zenpa::settings::FormatState state;
  zenpa::settings::LoadContext ctx;
  ctx.programDir = d.dir.Dir();
  const std::string own = PuzzleFormatPath(ctx.programDir);
  EXPECT_FALSE(PuzzleFormatDue(true, false, "doc.zpf", ctx.programDir)); // no such file yet
  EXPECT_FALSE(ApplyPuzzleFormat(state, ctx, d.host, false));
  zenpa::settings::PrintFormat puzzleFormat = state.format;
  puzzleFormat.puzzle.targetGivens = 41;
  ASSERT_TRUE(zenpa::settings::Savezpf(own, puzzleFormat, {}, d.host));
  EXPECT_TRUE(PuzzleFormatDue(true, false, "/elsewhere/nbpzpf.zpf", ctx.programDir));
  EXPECT_FALSE(PuzzleFormatDue(true, false, own, ctx.programDir));
  EXPECT_FALSE(PuzzleFormatDue(false, false, "doc.zpf", ctx.programDir));
  EXPECT_FALSE(PuzzleFormatDue(true, true, "doc.zpf", ctx.programDir));
  EXPECT_FALSE(ApplyPuzzleFormat(state, ctx, d.host, true)); // appending keeps the format
  EXPECT_TRUE(ApplyPuzzleFormat(state, ctx, d.host, false));
  EXPECT_EQ(41, state.format.puzzle.targetGivens);
  EXPECT_FALSE(ApplyPuzzleFormat(state, ctx, d.host, false)); // already current
}
