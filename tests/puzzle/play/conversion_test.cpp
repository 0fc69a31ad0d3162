// Puzzle text in other forms: converting the grid at the caret, importing
// pasted text as a puzzle block, and reading the generator's patterns.
#include "puzzle/play/conversion.h"
#include "puzzle/play/pattern_text.h"

#include "base/sjis.h"
#include "puzzle/play/puzzle_file_reader.h"
#include "puzzle/play/support/desk.h"

#include <gtest/gtest.h>

#include <algorithm>

using zenpa::base::Sj;
using zenpa::editor::InsertionPlace;
using zenpa::platform::Answer;
using zenpa::testing::Lines;
using namespace zenpa::play;

namespace {

const GridDigits kSample = zenpa::testing::DigitsFromText(
    "530070000600195000098000060800060003400803001700020006060000280000419005000080079");

struct Desk : zenpa::testing::PuzzleDesk {
  ImportContext imports{memo, host, writer, false, InsertionPlace::AtEnd};
};

} // namespace

// Each form lays out rows its own way, and every form reads back as the
// same grid (the command line checks the plain and spaced-block rows);
// Shift and Ctrl choose the grid button's form.
TEST(Conversion, EveryFormLaysOutItsRowsAndReadsBack) {
  AddressEndpoints ends;
  ends.second = "http://other.example/sudoku/?";
  struct Case {
    ConversionForm form;
    std::size_t lines;
    int index;
    std::string line;
  };
  const Case cases[] = {
      {ConversionForm::Grid9x9S, 9, 1, "6 0 0 1 9 5 0 0 0 "},
      {ConversionForm::Csv, 9, 8, ",,,,8,,,7,9"},
      {ConversionForm::Tab, 9, 0, "5\t3\t\t\t7\t\t\t\t"},
      {ConversionForm::Address2, 1, 0,
       ends.second + ".53--7----/.6--195---/.-98----6-/.8---6---3/.4--8-3--1/.7---2---6/"
                     ".-6----28-/.---419--5/.----8--79/"},
  };
  for (const Case &c : cases) {
    const Lines lines = SplitFileLines(ConvertDigits(kSample, c.form, ends));
    ASSERT_EQ(c.lines, lines.size()) << c.line;
    EXPECT_EQ(c.line, lines[c.index]);
  }
  for (int f = 0; f <= static_cast<int>(ConversionForm::Address2); ++f) {
    const ConversionForm form = static_cast<ConversionForm>(f);
    SCOPED_TRACE(FormMarker(form));
    const ImportedGrid grid = ReadImportText(ConvertDigits(kSample, form, {}));
    EXPECT_FALSE(grid.unreadable);
    EXPECT_EQ(30, grid.givenCount);
    EXPECT_EQ(GivenCells(kSample), grid.cells);
  }
  const ConversionForm buttons[] = {ConversionForm::Grid9x9, ConversionForm::Grid9x9S,
                                    ConversionForm::Grid9x9C, ConversionForm::OneLine};
  for (int held = 0; held < 4; ++held)
    EXPECT_EQ(buttons[held], GridButtonForm(held % 2 == 1, held / 2 == 1)) << held;
  EXPECT_EQ(ConversionForm::Address2, FormOfName("url2"));
  EXPECT_EQ(std::nullopt, FormOfName("9X9"));
}

TEST(Conversion, GridAtCaretIsReadAndScrolledIntoView) {
  Desk d;
  EXPECT_EQ(std::nullopt, ConvertGridAtCaret(d.memo, ConversionForm::Grid9x9, {}));
  for (int i = 0; i < 30; ++i)
    d.memo.InsertLine(0, "text");
  d.writer.WritePuzzleBlock(kSample);
  d.memo.SetCaret({35, 0});
  EXPECT_EQ(ConvertDigits(kSample, ConversionForm::OneLine, {}),
            ConvertGridAtCaret(d.memo, ConversionForm::OneLine, {}).value_or(""));
  EXPECT_EQ(29, d.memo.FirstVisibleLine()); // top border at 31
}

// Tab-separated text is marked CSV; a comment line is left out; full-width
// digits are cells.
TEST(Import, MarkerCommentLineAndFullWidthDigits) {
  const std::string rows = ConvertDigits(kSample, ConversionForm::Grid9x9, {});
  EXPECT_EQ("CSV", ReadImportText(ConvertDigits(kSample, ConversionForm::Tab, {})).marker);
  EXPECT_EQ("9x9", ReadImportText(rows).marker);
  EXPECT_EQ(GivenCells(kSample), ReadImportText("C=12345\r\n" + rows).cells);
  const ImportedGrid wide =
      ReadImportText(Sj("５３００７００００") + "\r\n" + std::string(72, '.'));
  EXPECT_EQ(81, wide.cellCount);
  EXPECT_EQ(Sj("５"), wide.cells[0]);
  EXPECT_EQ(Sj("７"), wide.cells[4]);
}

// Short or faulty text still makes a block, and the messages say what was
// wrong.
TEST(Import, FaultsAreReportedAndTheGridKeptAsFarAsRead) {
  std::string unreadable = ConvertDigits(kSample, ConversionForm::Grid9x9, {});
  unreadable[2] = 'x';
  const std::string missing = MissingDataMessage(), error = DataErrorMessage();
  const struct {
    std::string text;
    Lines messages;
    int lines, line;
    std::string shown;
  } cases[] = {
      // Title, top border, two rows with their separators.
      {"530070000\r\n6001", {missing}, 6, 4, Sj("┃６│　│　┃１│　│　┃　│　│　┃")},
      {"53x070000\r\n", {missing, error}, 4, 2, Sj("┃５│３│Ｅ┃　│７│　┃　│　│　┃")},
      {unreadable, {error}, 22, 20, ClueLine("30")},
      {std::string(81, '4'), {}, 22, 20, ClueLine("81")}, // a full grid too
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.text.substr(0, 12));
    Desk d;
    EXPECT_TRUE(ImportGrid(d.imports, c.text));
    EXPECT_EQ(c.messages, d.Texts());
    ASSERT_EQ(c.lines, d.memo.LineCount());
    EXPECT_EQ(c.shown, d.memo.Line(c.line));
  }
}

// Replacing a document asks first; appending at the caret says where.
TEST(Import, QuestionsGuardTheDocument) {
  Desk d;
  d.memo.SetLines({"keep me"});
  d.host.answers.push_back(Answer::Cancel);
  EXPECT_FALSE(ImportGrid(d.imports, std::string(81, '0')));
  EXPECT_EQ((Lines{"keep me"}), d.memo.Lines());
  EXPECT_TRUE(ImportGrid(d.imports, std::string(81, '0'))); // OK empties the document
  EXPECT_EQ(22, d.memo.LineCount());
  d.imports.append = true;
  d.imports.place = InsertionPlace::AtCaret;
  EXPECT_TRUE(ImportGrid(d.imports, std::string(81, '0')));
  EXPECT_EQ(44, d.memo.LineCount());
  EXPECT_EQ((Lines{Sj("数独作成（新規）"), Sj("数独作成（新規）"), Sj("数独作成(挿入)")}),
            d.Texts(true));
  EXPECT_EQ(Sj("ここに数独を挿入します"), d.LastMessage());
}

// Patterns as nine rows (digits, ".", "0", "-", "_", spaced or full-width),
// CSV rows or an address; a cell marked open in the test below is open.
TEST(PatternText, FormsOfPatternsAndTheirFaults) {
  std::string spaced = "1 . 3 0 5 - 7 _ 9\r\n", csv, address = "http://h/sudoku/?";
  for (int r = 0; r < 9; ++r) {
    spaced += r < 8 ? ".........\r\n" : "";
    csv += "1,,,,,,,,\r\n"; // eight separators: ninth cell empty
    address += r == 4 ? ".----5----/" : ".---------/";
  }
  struct Case {
    std::string text;
    PatternFault fault;
    long open;
    int openCell, givenCell;
  };
  const Case cases[] = {
      {spaced, PatternFault::None, 81 - 5, 1, 0},
      {Sj("１２３４５６７８９") + "\r\n" + std::string(72, '.'), PatternFault::None, 72, 9, 8},
      {csv, PatternFault::None, 72, 10, 9},
      {address, PatternFault::None, 80, 0, 40},
      {"http://h/sudoku/?.----------/", PatternFault::BadCharacter, -1, 0, 0}, // a tenth cell
      {"123", PatternFault::TooShort, -1, 0, 0},
      {"12x", PatternFault::BadCharacter, -1, 0, 0},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.text.substr(0, 20));
    const PatternReading p = ReadPattern(c.text);
    EXPECT_EQ(c.fault, p.fault);
    if (c.open < 0)
      continue;
    EXPECT_EQ(c.open, std::count(p.open.begin(), p.open.end(), true));
    EXPECT_TRUE(p.open[c.openCell]);
    EXPECT_FALSE(p.open[c.givenCell]);
  }
  EXPECT_EQ(Sj("パターンデータにエラーがあります"),
            PatternFaultMessage(PatternFault::BadCharacter));
}
