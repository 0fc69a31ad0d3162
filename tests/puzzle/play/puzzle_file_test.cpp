// Puzzle files: reading their rows in every form, writing them back, and the
// load and save commands over them.
#include "puzzle/play/puzzle_file_commands.h"
#include "puzzle/play/puzzle_file_reader.h"
#include "puzzle/play/puzzle_file_writer.h"

#include "base/file_io.h"
#include "base/sjis.h"
#include "puzzle/play/pattern_text.h"
#include "puzzle/play/support/puzzle_file_desk.h"
#include "settings/format_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>

using zenpa::base::Sj;
using zenpa::testing::TempDir;
using namespace zenpa::play;
using Lines = std::vector<std::string>;

namespace {

const Lines &kRows = zenpa::testing::kSampleRows;

// The answer of kRows, row by row.
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

Lines Repeated(const Lines &rows, int times) {
  Lines lines;
  for (int i = 0; i < times; ++i)
    lines.insert(lines.end(), rows.begin(), rows.end());
  return lines;
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

struct Desk : zenpa::testing::PuzzleDocDesk {
  TempDir dir;
  PuzzleReadContext ctx{memo, host, writer, {}};

  std::string File(const std::string &name, const Lines &lines) {
    EXPECT_TRUE(zenpa::base::WriteLines(dir.Path(name), lines).ok);
    return dir.Path(name);
  }
  Lines Messages() const {
    Lines texts;
    for (const auto &m : host.messages)
      texts.push_back(m.text);
    return texts;
  }
};

} // namespace

TEST(PuzzleFileReading, EmptyCellsAsDotZeroOrSpacedReadTheSame) {
  Lines spaced;
  for (const std::string &row : kRows) {
    std::string s = " ";
    for (char c : row)
      s += std::string(" ") + c;
    spaced.push_back(s);
  }
  for (const Lines &rows : {kRows, Replaced(kRows, '.', '0'), Replaced(kRows, '.', '-'),
                            Replaced(kRows, '.', '_'), spaced}) {
    SCOPED_TRACE(rows[0]);
    const PuzzleFileContent content = Read(rows);
    ASSERT_EQ(1u, content.grids.size());
    EXPECT_EQ(DigitsOf(kRows), content.grids[0].givens);
    EXPECT_EQ(30, content.grids[0].givenCount);
    EXPECT_FALSE(content.unreadableCells);
  }
}

TEST(PuzzleFileReading, CommentTitleShortAndOverlongLinesAreSkipped) {
  Lines lines = {"T=Title line", "C=comment"};
  lines.insert(lines.end(), kRows.begin(), kRows.begin() + 4);
  lines.insert(lines.end(), {"C=between two rows 123456789", "short",
                             "123456789123456789", // 18 bytes: not a row
                             Sj("１２３４５６７８９")});
  lines.insert(lines.end(), kRows.begin() + 4, kRows.end());
  const PuzzleFileContent content = Read(lines);
  EXPECT_EQ(std::vector{DigitsOf(kRows)}, GivensOf(content));
  EXPECT_EQ(0, content.leftoverRows);
}

TEST(PuzzleFileReading, AddressLineHoldsNineRowsAlsoAsLastLine) {
  std::string all;
  for (const std::string &row : kRows)
    all += row;
  // The two rows before it start a grid that the address line's rows finish.
  const PuzzleFileContent content = Read({kRows[0], kRows[1], "A=" + all});
  ASSERT_EQ(1u, content.grids.size());
  EXPECT_EQ(2, content.leftoverRows);
  const PuzzleFileContent alone = Read({"C=x", "A=" + all});
  EXPECT_EQ(std::vector{DigitsOf(kRows)}, GivensOf(alone));
  EXPECT_EQ(0, alone.leftoverRows);
}

TEST(PuzzleFileReading, TabSwitchesTheRestOfTheFileToSeparatedCells) {
  // Before the tab, a comma row is plain text; from the tab on, rows are cells.
  const Lines lines = {"5\t3\t\t\t7\t\t\t\t", "6,,,1,9,5,,,", ",9,8,,,,,6,",
                       "8,,,,6,,,,3",         "4,,,8,,3,,,1", "7 , , , , 2, , , ,6",
                       ",6,,,,,2,8,",         ",,,4,1,9,,,5", ",,,,8,,,7,9"};
  EXPECT_EQ(std::vector{DigitsOf(kRows)}, GivensOf(Read(lines)));
  EXPECT_EQ(".........", RebuildSeparatedRow(",,,,,,,,"));
  // In a CSV file eight commas are an empty row; in a plain file they are
  // nine commas short of a row.
  const PuzzleFileContent csv = Read(Lines(9, ",,,,,,,,"), PuzzleDialect::Csv);
  ASSERT_EQ(1u, csv.grids.size());
  EXPECT_EQ(0, csv.grids[0].givenCount);
  EXPECT_EQ(Sj("　"), csv.grids[0].cells[40]);
  EXPECT_EQ(0u, Read(Lines(9, ",,,,,,,,")).grids.size());
}

TEST(PuzzleFileReading, UnreadableCellsAndJunkNeverBreakTheGrid) {
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
  const auto row = ReadCandidateRow(" 1 2 3 4 5 ");
  ASSERT_TRUE(row.has_value());
  EXPECT_EQ(3, (*row)[2]);
  EXPECT_EQ(kUnreadableCell, (*row)[5]);
  EXPECT_EQ(kUnreadableCell, (*row)[8]);
  EXPECT_EQ((Lines{"a", "b", "", "c", "d"}), SplitFileLines("a\r\nb\n\nc\rd\r\n"));
}

TEST(PuzzleFileReading, FileWithMissingRowsAndBadCellsReportsBoth) {
  Desk d;
  Lines lines = kRows;
  lines[0] = "53..7...?";
  lines.insert(lines.end(), kRows.begin(), kRows.begin() + 3);
  EXPECT_EQ(ReadOutcome::Read, ReadPuzzleFile(d.ctx, d.File("a.nbp", lines)));
  EXPECT_EQ((Lines{MissingDataMessage(), DataErrorMessage()}), d.Messages());
  // Title, grid with "Ｅ" in row 1, clue line and page break.
  EXPECT_EQ(Sj("┃５│３│　┃　│７│　┃　│　│Ｅ┃"), d.memo.Line(2));
}

TEST(PuzzleFileReading, FullGridIsWrittenOnlyWithAnswersAndWithoutClueLine) {
  PuzzleFileContent content;
  content.grids.resize(1);
  content.grids[0].givenCount = 81;
  content.grids[0].cells.fill(Sj("５"));
  Desk without;
  EXPECT_TRUE(WriteReadGrids(without.ctx, content, "f.nbp"));
  EXPECT_EQ(0, without.memo.LineCount());
  Desk with;
  with.options.appendAnswer = with.options.printHowToPlay = true;
  EXPECT_TRUE(WriteReadGrids(with.ctx, content, "f.nbp"));
  EXPECT_EQ(21, with.memo.LineCount()); // title, 19 grid lines, page break
}

TEST(PuzzleFileWriting, TwoGridsMakeTwentyLinesAndReadBack) {
  Desk d;
  const std::vector<GridDigits> grids = {DigitsOf(kRows), GridDigits{}};
  for (const GridDigits &g : grids)
    d.writer.WritePuzzleBlock(g);
  // 44 lines in the document, no answer appended: the answer given is not
  // the puzzle's.
  const Lines plain = PuzzleFileLines(d.memo, PuzzleDialect::Plain, std::string(81, '1'));
  ASSERT_EQ(20u, plain.size());
  EXPECT_EQ("", plain[9]);
  EXPECT_EQ(grids, GivensOf(Read(plain)));
  const Lines csv = PuzzleFileLines(d.memo, PuzzleDialect::Csv, "");
  ASSERT_EQ(20u, csv.size());
  EXPECT_EQ("5,3,,,7,,,,", csv[0]);
  EXPECT_EQ(",,,,,,,,", csv[10]);
  EXPECT_EQ(grids, GivensOf(Read(csv, PuzzleDialect::Csv)));
  // The dialect follows the first three letters of the extension.
  EXPECT_EQ(PuzzleDialect::Csv, DialectOfFile("q.Csvx"));
  EXPECT_EQ(PuzzleDialect::Plain, DialectOfFile("q.cs"));
  EXPECT_EQ(PuzzleDialect::Plain, DialectOfFile("csv.nbp"));
}

TEST(PuzzleFileWriting, LoneGridFillingTheDocumentIsWritten) {
  Desk d;
  d.memo.SetLines(GridBlockLines(GivenCells(DigitsOf(kRows))));
  const Lines plain = PuzzleFileLines(d.memo, PuzzleDialect::Plain, "");
  ASSERT_EQ(10u, plain.size());
  EXPECT_EQ("000419005", plain[7]);
  // A grid cut off before its ninth row is not a grid.
  Lines cut = d.memo.Lines();
  cut.resize(16);
  d.memo.SetLines(cut);
  EXPECT_TRUE(PuzzleFileLines(d.memo, PuzzleDialect::Plain, "").empty());
}

TEST(PuzzleFileWriting, CompletedAnswerFollowsInShortDocumentsInTheirDialect) {
  Desk d;
  d.writer.WritePuzzleBlock(DigitsOf(kRows));
  const Lines lines = PuzzleFileLines(d.memo, PuzzleDialect::Plain, kAnswer);
  ASSERT_EQ(19u, lines.size());
  EXPECT_EQ("534678912", lines[10]);
  // In a CSV file the answer is CSV too, so that it reads back as a grid.
  const Lines csv = PuzzleFileLines(d.memo, PuzzleDialect::Csv, kAnswer);
  ASSERT_EQ(19u, csv.size());
  EXPECT_EQ("5,3,4,6,7,8,9,1,2", csv[10]);
  const PuzzleFileContent back = Read(csv, PuzzleDialect::Csv);
  ASSERT_EQ(2u, back.grids.size());
  EXPECT_EQ(81, back.grids[1].givenCount);
  EXPECT_EQ(kAnswer[80] - '0', back.grids[1].givens[80]);
  // 534... fits the givens 53..7....; swapping two digits breaks a given.
  std::string wrong = kAnswer;
  std::swap(wrong[0], wrong[1]);
  EXPECT_EQ(10u, PuzzleFileLines(d.memo, PuzzleDialect::Plain, wrong).size());
  wrong[0] = 'x';
  EXPECT_EQ(10u, PuzzleFileLines(d.memo, PuzzleDialect::Plain, wrong).size());
}

TEST(PuzzleFileCommands, OnlyAModifiedDocumentThatIsReplacedAsks) {
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

// Loading empties the document, applies the format and takes the last
// file's name; appending keeps text, name and modified state.
TEST(PuzzleFileCommands, LoadReplacesOrAppends) {
  Desk d;
  const std::string a = d.File("a.nbp", Repeated(kRows, 2));
  const std::string b = d.File("b.csv", Lines(9, ",,,,,,,1,"));
  d.memo.SetLines({"old text"});
  d.memo.SetModified(true);
  EXPECT_EQ(0, LoadPuzzleFiles(d.ctx, {}, false).filesRead); // nothing chosen
  EXPECT_EQ((Lines{"old text"}), d.memo.Lines());
  int linesWhenFormatApplied = -1;
  const PuzzleLoadResult r = LoadPuzzleFiles(d.ctx, {a, d.dir.Path("none.nbp"), b}, false,
                                             [&] { linesWhenFormatApplied = d.memo.LineCount(); });
  EXPECT_EQ(0, linesWhenFormatApplied);
  EXPECT_EQ(2, r.filesRead);
  EXPECT_EQ(d.dir.Path("b.txt"), r.documentName);
  EXPECT_EQ(3 * 22, d.memo.LineCount());
  EXPECT_FALSE(d.memo.Modified());
  EXPECT_EQ(1u, d.host.messages.size()); // the missing file

  d.memo.SetModified(true);
  const PuzzleLoadResult appended = LoadPuzzleFiles(d.ctx, {a}, true);
  EXPECT_EQ("", appended.documentName);
  EXPECT_EQ(5 * 22, d.memo.LineCount());
  EXPECT_TRUE(d.memo.Modified());
}

TEST(PuzzleFileCommands, SaveNamesTheDocumentOrReportsTheFailure) {
  Desk d;
  d.writer.WritePuzzleBlock(GridDigits{5});
  EXPECT_EQ(d.dir.Path("out.txt"), SavePuzzleFile(d.memo, d.host, d.dir.Path("out.csv"), ""));
  EXPECT_EQ("5,,,,,,,,\r\n", d.dir.Read("out.csv").substr(0, 11));
  EXPECT_EQ(std::nullopt, SavePuzzleFile(d.memo, d.host, d.dir.Path("no/such/dir/x.nbp"), ""));
  ASSERT_EQ(1u, d.host.messages.size());
  EXPECT_FALSE(d.host.messages[0].text.empty());
}

// The puzzle format is due only when switched on, replacing the document and
// not already current; applied, it becomes the current format.
TEST(PuzzleFileCommands, PuzzleFormatIsAppliedWhenDue) {
  TempDir dir;
  zenpa::platform::ScriptedHost host;
  zenpa::settings::FormatState state;
  zenpa::settings::LoadContext ctx;
  ctx.programDir = dir.Dir();
  const std::string own = PuzzleFormatPath(ctx.programDir);
  EXPECT_FALSE(PuzzleFormatDue(true, false, "doc.zpf", ctx.programDir)); // no such file yet
  EXPECT_FALSE(ApplyPuzzleFormat(state, ctx, host, false));
  zenpa::settings::PrintFormat puzzleFormat = state.format;
  puzzleFormat.puzzle.targetGivens = 41;
  ASSERT_TRUE(zenpa::settings::Savezpf(own, puzzleFormat, {}, host));
  EXPECT_TRUE(PuzzleFormatDue(true, false, "/elsewhere/nbpzpf.zpf", ctx.programDir));
  EXPECT_FALSE(PuzzleFormatDue(true, false, own, ctx.programDir));
  EXPECT_FALSE(PuzzleFormatDue(false, false, "doc.zpf", ctx.programDir));
  EXPECT_FALSE(PuzzleFormatDue(true, true, "doc.zpf", ctx.programDir));
  EXPECT_FALSE(ApplyPuzzleFormat(state, ctx, host, true)); // appending keeps the format
  EXPECT_TRUE(ApplyPuzzleFormat(state, ctx, host, false));
  EXPECT_EQ(41, state.format.puzzle.targetGivens);
  EXPECT_FALSE(ApplyPuzzleFormat(state, ctx, host, false)); // already current
}
