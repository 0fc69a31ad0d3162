#include "puzzle/play/conversion.h"

#include "base/sjis.h"
#include "puzzle/play/puzzle_file_reader.h"
#include "puzzle/play/support/puzzle_file_desk.h"
#include "puzzle/support/puzzle_maker.h"

#include <gtest/gtest.h>

using zenpa::base::Sj;
using zenpa::editor::InsertionPlace;
using zenpa::platform::Answer;
using namespace zenpa::play;
using Lines = std::vector<std::string>;

namespace {

GridDigits Sample() {
  return zenpa::testing::DigitsFromText(
      "530070000600195000098000060800060003400803001700020006060000280000419005000080079");
}

struct Desk : zenpa::testing::PuzzleDocDesk {
  ImportContext ctx{memo, host, writer, false, InsertionPlace::AtEnd};
};

} // namespace

TEST(Conversion, GridFormsLayOutRowsAndBlocks) {
  const AddressEndpoints ends;
  const std::string one = ConvertDigits(Sample(), ConversionForm::OneLine, ends);
  EXPECT_EQ("530070000", one.substr(0, 9));

  const Lines c = SplitFileLines(ConvertDigits(Sample(), ConversionForm::Grid9x9C, ends));
  ASSERT_EQ(11u, c.size());
  EXPECT_EQ("530 070 000", c[0]);
  EXPECT_EQ("", c[3]);
  EXPECT_EQ("000 080 079", c[10]);

  const Lines plain = SplitFileLines(ConvertDigits(Sample(), ConversionForm::Grid9x9, ends));
  ASSERT_EQ(9u, plain.size());
  EXPECT_EQ("600195000", plain[1]);
  const Lines s = SplitFileLines(ConvertDigits(Sample(), ConversionForm::Grid9x9S, ends));
  EXPECT_EQ("6 0 0 1 9 5 0 0 0 ", s[1]);
}

TEST(Conversion, SeparatedFormsLeaveEmptyFieldsAndNoTrailingSeparator) {
  const AddressEndpoints ends;
  const Lines csv = SplitFileLines(ConvertDigits(Sample(), ConversionForm::Csv, ends));
  ASSERT_EQ(9u, csv.size());
  EXPECT_EQ("5,3,,,7,,,,", csv[0]);
  EXPECT_EQ(",,,,8,,,7,9", csv[8]);
  const Lines tab = SplitFileLines(ConvertDigits(Sample(), ConversionForm::Tab, ends));
  EXPECT_EQ("5\t3\t\t\t7\t\t\t\t", tab[0]);
}

TEST(Conversion, AddressOfEmptyGridAndSecondEndpoint) {
  AddressEndpoints ends;
  std::string expected = ends.first;
  for (int r = 0; r < 9; ++r)
    expected += ".---------/";
  EXPECT_EQ(expected, ConvertDigits(GridDigits{}, ConversionForm::Address, ends));
  ends.second = "http://other.example/sudoku/?";
  const std::string second = ConvertDigits(Sample(), ConversionForm::Address2, ends);
  EXPECT_EQ("http://other.example/sudoku/?.53--7----/.6--195---/", second.substr(0, 51));
  EXPECT_EQ(ends.second.size() + 99, second.size());
}

TEST(Conversion, ButtonsAndNamesChooseForms) {
  EXPECT_EQ(ConversionForm::Grid9x9, GridButtonForm(false, false));
  EXPECT_EQ(ConversionForm::Grid9x9S, GridButtonForm(true, false));
  EXPECT_EQ(ConversionForm::Grid9x9C, GridButtonForm(false, true));
  EXPECT_EQ(ConversionForm::OneLine, GridButtonForm(true, true));
  EXPECT_EQ(ConversionForm::Address2, FormOfName("url2"));
  EXPECT_EQ(std::nullopt, FormOfName("9X9"));
  EXPECT_EQ("RUPINA", FormMarker(ConversionForm::Address2));
  EXPECT_EQ("1gyo", FormMarker(ConversionForm::OneLine));
}

TEST(Conversion, GridAtCaretIsReadAndScrolledIntoView) {
  Desk d;
  EXPECT_EQ(std::nullopt, ConvertGridAtCaret(d.memo, ConversionForm::Grid9x9, {}));
  for (int i = 0; i < 30; ++i)
    d.memo.InsertLine(0, "text");
  d.writer.WritePuzzleBlock(Sample());
  d.memo.SetCaret({35, 0});
  const auto text = ConvertGridAtCaret(d.memo, ConversionForm::OneLine, {});
  ASSERT_TRUE(text.has_value());
  EXPECT_EQ(ConvertDigits(Sample(), ConversionForm::OneLine, {}), *text);
  EXPECT_EQ(29, d.memo.FirstVisibleLine()); // top border at 31
}

class ImportRoundTrip : public ::testing::TestWithParam<ConversionForm> {};

TEST_P(ImportRoundTrip, EveryFormReadsBackAsTheSameGrid) {
  const ImportedGrid grid = ReadImportText(ConvertDigits(Sample(), GetParam(), {}));
  EXPECT_FALSE(grid.unreadable);
  EXPECT_EQ(30, grid.givenCount);
  EXPECT_EQ(GivenCells(Sample()), grid.cells);
}

INSTANTIATE_TEST_SUITE_P(AllForms, ImportRoundTrip,
                         ::testing::Values(ConversionForm::Grid9x9, ConversionForm::Grid9x9S,
                                           ConversionForm::Grid9x9C, ConversionForm::OneLine,
                                           ConversionForm::Csv, ConversionForm::Tab,
                                           ConversionForm::Address, ConversionForm::Address2));

TEST(Import, MarkerCommentLineAndFullWidthDigits) {
  EXPECT_EQ("CSV", ReadImportText(ConvertDigits(Sample(), ConversionForm::Tab, {})).marker);
  EXPECT_EQ("9x9", ReadImportText(ConvertDigits(Sample(), ConversionForm::Grid9x9, {})).marker);
  const std::string text = "C=12345\r\n" + ConvertDigits(Sample(), ConversionForm::Grid9x9, {});
  EXPECT_EQ(GivenCells(Sample()), ReadImportText(text).cells);
  const ImportedGrid wide =
      ReadImportText(Sj("５３００７００００") + "\r\n" + std::string(72, '.'));
  EXPECT_EQ(81, wide.cellCount);
  EXPECT_EQ(Sj("５"), wide.cells[0]);
  EXPECT_EQ(Sj("７"), wide.cells[4]);
}

// Short or faulty text still makes a block, and the messages say what was wrong.
TEST(Import, FaultsAreReportedAndTheGridKeptAsFarAsRead) {
  std::string unreadable = ConvertDigits(Sample(), ConversionForm::Grid9x9, {});
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
    EXPECT_TRUE(ImportGrid(d.ctx, c.text));
    Lines messages;
    for (const auto &m : d.host.messages)
      messages.push_back(m.text);
    EXPECT_EQ(c.messages, messages);
    ASSERT_EQ(c.lines, d.memo.LineCount());
    EXPECT_EQ(c.shown, d.memo.Line(c.line));
  }
}

TEST(Import, QuestionsGuardTheDocument) {
  Desk d;
  d.memo.SetLines({"keep me"});
  d.host.answers.push_back(Answer::Cancel);
  EXPECT_FALSE(ImportGrid(d.ctx, std::string(81, '0')));
  EXPECT_EQ((Lines{"keep me"}), d.memo.Lines());
  EXPECT_EQ(Sj("数独作成（新規）"), d.host.messages[0].caption);

  EXPECT_TRUE(ImportGrid(d.ctx, std::string(81, '0'))); // OK empties the document
  EXPECT_EQ(22, d.memo.LineCount());

  d.ctx.append = true;
  d.ctx.place = InsertionPlace::AtCaret;
  EXPECT_TRUE(ImportGrid(d.ctx, std::string(81, '0')));
  EXPECT_EQ(Sj("ここに数独を挿入します"), d.host.messages.back().text);
  EXPECT_EQ(Sj("数独作成(挿入)"), d.host.messages.back().caption);
  EXPECT_EQ(44, d.memo.LineCount());
}
