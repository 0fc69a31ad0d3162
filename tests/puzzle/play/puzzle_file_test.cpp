#include "puzzle/play/puzzle_file_reader.h"
#include "puzzle/play/puzzle_file_writer.h"

#include "base/file_io.h"
#include "base/sjis.h"
#include "puzzle/engine/engine.h"
#include "puzzle/play/pattern_text.h"
#include "puzzle/play/support/puzzle_file_desk.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>

using zenpa::base::Sj;
using zenpa::editor::InsertionPlace;
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
  for (std::size_t r = 0; r < 9; ++r)
    for (std::size_t c = 0; c < 9; ++c)
      g[9 * r + c] = rows[r][c] >= '1' && rows[r][c] <= '9' ? rows[r][c] - '0' : 0;
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

struct Desk : zenpa::testing::PuzzleDocDesk {
  PuzzleReadContext ctx{memo, host, writer, {}};

  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const auto &m : host.messages)
      texts.push_back(m.text);
    return texts;
  }
};

} // namespace

TEST(PuzzleFileReading, EmptyCellsAsDotZeroOrSpacedReadTheSame) {
  const GridDigits expected = DigitsOf(kRows);
  Lines spaced;
  for (const std::string &row : kRows) {
    std::string s = "  ";
    for (char c : row)
      s += std::string(1, c) + " ";
    spaced.push_back(s.substr(0, s.size() - 1));
  }
  for (const Lines &rows : {kRows, Replaced(kRows, '.', '0'), Replaced(kRows, '.', '-'),
                            Replaced(kRows, '.', '_'), spaced}) {
    const PuzzleFileContent content = ReadPuzzleLines(rows, PuzzleDialect::Plain);
    ASSERT_EQ(1u, content.grids.size()) << rows[0];
    EXPECT_EQ(expected, content.grids[0].givens) << rows[0];
    EXPECT_EQ(30, content.grids[0].givenCount);
    EXPECT_FALSE(content.unreadableCells);
  }
}

TEST(PuzzleFileReading, CommentTitleShortAndOverlongLinesAreSkipped) {
  Lines lines = {"T=Title line", "C=comment"};
  lines.insert(lines.end(), kRows.begin(), kRows.begin() + 4);
  lines.push_back("C=between two rows 123456789");
  lines.push_back("short");
  lines.push_back("123456789123456789"); // 18 bytes: not a row
  lines.push_back(Sj("１２３４５６７８９"));
  lines.insert(lines.end(), kRows.begin() + 4, kRows.end());
  const PuzzleFileContent content = ReadPuzzleLines(lines, PuzzleDialect::Plain);
  ASSERT_EQ(1u, content.grids.size());
  EXPECT_EQ(DigitsOf(kRows), content.grids[0].givens);
  EXPECT_EQ(0, content.leftoverRows);
}

TEST(PuzzleFileReading, AddressLineHoldsNineRowsAlsoAsLastLine) {
  std::string all;
  for (const std::string &row : kRows)
    all += row;
  const PuzzleFileContent content =
      ReadPuzzleLines({kRows[0], kRows[1], "A=" + all}, PuzzleDialect::Plain);
  // The two rows before it start a grid that the address line's rows finish.
  ASSERT_EQ(1u, content.grids.size());
  EXPECT_EQ(2, content.leftoverRows);
  const PuzzleFileContent alone = ReadPuzzleLines({"C=x", "A=" + all}, PuzzleDialect::Plain);
  ASSERT_EQ(1u, alone.grids.size());
  EXPECT_EQ(DigitsOf(kRows), alone.grids[0].givens);
  EXPECT_EQ(0, alone.leftoverRows);
}

TEST(PuzzleFileReading, TabSwitchesTheRestOfTheFileToSeparatedCells) {
  // Before the tab, a comma row is plain text; from the tab on, rows are cells.
  Lines lines = {"5\t3\t\t\t7\t\t\t\t", "6,,,1,9,5,,,", ",9,8,,,,,6,",
                 "8,,,,6,,,,3",         "4,,,8,,3,,,1", "7 , , , , 2, , , ,6",
                 ",6,,,,,2,8,",         ",,,4,1,9,,,5", ",,,,8,,,7,9"};
  const PuzzleFileContent content = ReadPuzzleLines(lines, PuzzleDialect::Plain);
  ASSERT_EQ(1u, content.grids.size());
  EXPECT_EQ(DigitsOf(kRows), content.grids[0].givens);
  EXPECT_EQ("53..7....", RebuildSeparatedRow("5\t3\t\t\t7\t\t\t\t"));
  EXPECT_EQ(".........", RebuildSeparatedRow(",,,,,,,,"));
}

TEST(PuzzleFileReading, CsvFileTakesEightCommaRowsAsEmptyRows) {
  const Lines lines(9, ",,,,,,,,");
  const PuzzleFileContent csv = ReadPuzzleLines(lines, PuzzleDialect::Csv);
  ASSERT_EQ(1u, csv.grids.size());
  EXPECT_EQ(0, csv.grids[0].givenCount);
  EXPECT_EQ(Sj("　"), csv.grids[0].cells[40]);
  // The same lines in a plain file are nine commas short of a row each.
  EXPECT_EQ(0u, ReadPuzzleLines(lines, PuzzleDialect::Plain).grids.size());
}

TEST(PuzzleFileReading, UnreadableCellsAndJunkNeverBreakTheGrid) {
  Lines lines = kRows;
  lines[2] = ".98.x..6.";
  lines.insert(lines.begin() + 5, std::string(100000, '7'));
  lines.insert(lines.begin() + 1, std::string("\x00\x01\xff\x80\xa0\x7f\x1b\x05\x02", 9));
  const PuzzleFileContent content = ReadPuzzleLines(lines, PuzzleDialect::Plain);
  ASSERT_EQ(1u, content.grids.size());
  EXPECT_TRUE(content.unreadableCells);
  EXPECT_EQ(Sj("Ｅ"), content.grids[0].cells[9]); // the binary line became row 2
  EXPECT_EQ(1, content.leftoverRows);
}

TEST(PuzzleFileReading, SpacedRowThatRunsOutOfCellsIsAnError) {
  // Nine bytes once trimmed, but only five cells: the four missing ones are
  // unreadable rather than silently empty.
  const auto row = ReadCandidateRow(" 1 2 3 4 5 ");
  ASSERT_TRUE(row.has_value());
  EXPECT_EQ(3, (*row)[2]);
  EXPECT_EQ(kUnreadableCell, (*row)[5]);
  EXPECT_EQ(kUnreadableCell, (*row)[8]);
}

TEST(PuzzleFileReading, LinesEndInCrLfLfOrCr) {
  EXPECT_EQ((Lines{"a", "b", "", "c", "d"}), SplitFileLines("a\r\nb\n\nc\rd\r\n"));
  EXPECT_EQ((Lines{}), SplitFileLines(""));
}

TEST(PuzzleFileReading, FileWithMissingRowsAndBadCellsReportsBoth) {
  TempDir dir;
  const std::string path = dir.Path("a.nbp");
  Lines lines = kRows;
  lines[0] = "53..7...?";
  lines.insert(lines.end(), kRows.begin(), kRows.begin() + 3);
  ASSERT_TRUE(zenpa::base::WriteLines(path, lines).ok);
  Desk d;
  EXPECT_EQ(ReadOutcome::Read, ReadPuzzleFile(d.ctx, path));
  EXPECT_EQ((std::vector<std::string>{MissingDataMessage(), DataErrorMessage()}), d.Messages());
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
  with.options.appendAnswer = true;
  with.options.printHowToPlay = true;
  EXPECT_TRUE(WriteReadGrids(with.ctx, content, "f.nbp"));
  EXPECT_EQ(21, with.memo.LineCount()); // title, 19 grid lines, page break
}

TEST(PuzzleFileWriting, TwoGridsMakeTwentyLinesAndReadBack) {
  Desk d;
  const GridDigits first = DigitsOf(kRows);
  GridDigits second{};
  second[80] = 4;
  d.writer.WritePuzzleBlock(first);
  d.writer.WritePuzzleBlock(second);
  const Lines plain = PuzzleFileLines(d.memo, PuzzleDialect::Plain, std::string(81, '1'));
  ASSERT_EQ(20u, plain.size()); // 44 lines in the document: no answer appended
  EXPECT_EQ("", plain[9]);
  EXPECT_EQ((std::vector<GridDigits>{first, second}),
            GivensOf(ReadPuzzleLines(plain, PuzzleDialect::Plain)));
  const Lines csv = PuzzleFileLines(d.memo, PuzzleDialect::Csv, "");
  ASSERT_EQ(20u, csv.size());
  EXPECT_EQ(",,,,,,,,", csv[10]);
  EXPECT_EQ((std::vector<GridDigits>{first, second}),
            GivensOf(ReadPuzzleLines(csv, PuzzleDialect::Csv)));
}

TEST(PuzzleFileWriting, LoneGridFillingTheDocumentIsWritten) {
  Desk d;
  d.memo.SetLines(GridBlockLines(GivenCells(DigitsOf(kRows))));
  ASSERT_EQ(19, d.memo.LineCount());
  const Lines plain = PuzzleFileLines(d.memo, PuzzleDialect::Plain, "");
  ASSERT_EQ(10u, plain.size());
  EXPECT_EQ("000419005", plain[7]);
  // A grid cut off before its ninth row is not a grid.
  Lines cut = d.memo.Lines();
  cut.resize(16);
  d.memo.SetLines(cut);
  EXPECT_TRUE(PuzzleFileLines(d.memo, PuzzleDialect::Plain, "").empty());
}

TEST(PuzzleFileWriting, DialectFollowsTheFirstThreeLettersOfTheExtension) {
  EXPECT_EQ(PuzzleDialect::Csv, DialectOfFile("q.Csvx"));
  EXPECT_EQ(PuzzleDialect::Plain, DialectOfFile("q.cs"));
  EXPECT_EQ(PuzzleDialect::Plain, DialectOfFile("csv.nbp"));
  EXPECT_EQ(PuzzleDialect::Plain, DialectOfFile("csv"));
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
  const PuzzleFileContent back = ReadPuzzleLines(csv, PuzzleDialect::Csv);
  ASSERT_EQ(2u, back.grids.size());
  EXPECT_EQ(81, back.grids[1].givenCount);
  EXPECT_EQ(kAnswer[80] - '0', back.grids[1].givens[80]);

  // The answer of another puzzle is not written.
  std::string other(81, '1');
  EXPECT_EQ(10u, PuzzleFileLines(d.memo, PuzzleDialect::Plain, other).size());
  // 534... fits the givens 53..7....; swapping two digits breaks a given.
  std::string wrong = kAnswer;
  std::swap(wrong[0], wrong[1]);
  EXPECT_EQ(10u, PuzzleFileLines(d.memo, PuzzleDialect::Plain, wrong).size());
  wrong[0] = 'x';
  EXPECT_EQ(10u, PuzzleFileLines(d.memo, PuzzleDialect::Plain, wrong).size());
}
