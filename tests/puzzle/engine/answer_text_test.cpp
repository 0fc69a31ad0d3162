#include "puzzle/engine/answer_text.h"

#include "base/sjis.h"
#include "platform/text_memo.h"
#include "puzzle/support/grid_text.h"

#include <gtest/gtest.h>

#include <tuple>

namespace zenpa::puzzle {
namespace {

using testing::GridFromPuzzle;
using testing::GridFromTokens;

const char *kSolved = "534678912672195348198342567859761423426853791713924856"
                      "961537284287419635345286179";

std::vector<std::string> Utf8(const std::vector<std::string> &lines) {
  std::vector<std::string> out;
  for (const std::string &l : lines)
    out.push_back(base::SjisToUtf8(l));
  return out;
}

// A document whose lines are appended in order.
struct Document {
  platform::TextMemo memo;
  TextOutput out;
  Document() {
    out.insertLine = [this](const std::string &line) { memo.InsertLine(memo.LineCount(), line); };
    out.puzzleTitle = base::Sj("☆タイトル");
  }
};

// Placed cells and full cells keep their width; eight or nine candidates
// show eight without a separator.
TEST(CandidateListTest, CellsKeepTheirWidth) {
  Engine e;
  e.CellGrid = GridFromPuzzle(kSolved);
  e.CellGrid(4, 2) = kAllCandidates; // row 2 has one open cell again
  const std::vector<std::string> lines = CandidateListLines(e, false);
  ASSERT_EQ(11u, lines.size());
  // The full cell lost the placed digits of its row, column and block.
  EXPECT_EQ((std::vector<std::string>{
                " 5       3       4      |6       7       8      |9       1       2      ",
                " 6       7       2      |1       9       5      |3       4       8      ",
                " -----------------------+-----------------------+-----------------------"}),
            (std::vector<std::string>{lines[0], lines[1], lines[7]}));
  e.CellGrid = FreshGrid();
  e.CellGrid(2, 1) = CellFromText("12345678");
  e.CellGrid(3, 1) = CellFromText("1234567");
  EXPECT_EQ(" 12345678123456781234567|123456781234567812345678123456781234567812345678",
            CandidateListLines(e, false)[0]);
}

TEST(CandidateListTest, RepeatedPruningFollowsNewSingles) {
  // Row 1: 1..7 placed, cells 8 and 9 open; column 9 holds 8 in row 9, so
  // cell (9,1) drops to 9 and, followed up, cell (8,1) drops to 8.
  const std::string position = "1 2 3 4 5 6 7 89 89 / / / / / / / / . . . . . . . . 8";
  Engine once;
  once.CellGrid = GridFromTokens(position);
  const std::vector<std::string> single = CandidateListLines(once, false);
  EXPECT_EQ("89 9", CandidateText(once.ListGrid(8, 1)) + " " + CandidateText(once.ListGrid(9, 1)));

  Engine repeated;
  repeated.CellGrid = GridFromTokens(position);
  CandidateListLines(repeated, true);
  EXPECT_EQ("8", CandidateText(repeated.ListGrid(8, 1)));
  EXPECT_EQ(GridFromTokens(position), repeated.CellGrid); // only the list is pruned
  EXPECT_EQ(" 1       2       3      |4       5       6      |7       89      9      ", single[0]);
}

// The list replaces the first eleven lines of the hint text. (Under Tab it
// goes into the document: tests/puzzle/play.)
TEST(CandidateListTest, GoesToTheHintText) {
  Document doc;
  platform::TextMemo hint({"old 0", "old 1", "keep 11", "keep 12"});
  doc.out.hintText = &hint;
  for (int i = 2; i < 11; ++i)
    hint.InsertLine(i, "old");
  Engine e;
  itiran(e, doc.out);
  EXPECT_EQ((std::tuple{13, 0, std::string("keep 11")}),
            std::tuple(hint.LineCount(), doc.memo.LineCount(), hint.Line(11)));
  EXPECT_EQ(" 123456781234567812345678123456781234567812345678123456781234567812345678",
            hint.Line(0));
}

TEST(AnswerGridTest, WritesTitleFrameAndDigitsThenTheCompactForms) {
  Document doc;
  Engine e;
  e.CellGrid = GridFromPuzzle(kSolved);
  e.OpenCount = 0;
  kotaetuke(e, doc.out);
  kotae1txt(e, doc.out);
  kotae9txt(e, doc.out);
  const std::vector<std::string> lines = Utf8(doc.memo.Lines());
  ASSERT_EQ(30u, lines.size());
  EXPECT_EQ((std::vector<std::string>{
                "☆タイトル", "┏━┯━┯━┳━┯━┯━┳━┯━┯━┓", "┃５│３│４┃６│７│８┃９│１│２┃",
                "┠─┼─┼─╂─┼─┼─╂─┼─┼─┨", "┣━┿━┿━╋━┿━┿━╋━┿━┿━┫", "┃３│４│５┃２│８│６┃１│７│９┃",
                "┗━┷━┷━┻━┷━┷━┻━┷━┷━┛", kSolved, "５３４６７８９１２", "３４５２８６１７９"}),
            (std::vector<std::string>{lines[0], lines[1], lines[2], lines[3], lines[7], lines[18],
                                      lines[19], lines[20], lines[21], lines[29]}));
}

// Open cells are blank and the list follows; suppressed output writes
// nothing, and under Tab only the list is written.
TEST(AnswerGridTest, OpenCellsAreBlankAndTheListFollows) {
  Document doc;
  platform::TextMemo hint;
  doc.out.hintText = &hint;
  doc.out.titleLine = false;
  Engine e;
  e.CellGrid = GridFromPuzzle(kSolved);
  e.CellGrid(1, 1) = CellFromText("58");
  e.OpenCount = 1;
  kotaetuke(e, doc.out);
  ASSERT_EQ(19, doc.memo.LineCount());
  EXPECT_EQ("┃　│３│４┃６│７│８┃９│１│２┃", base::SjisToUtf8(doc.memo.Line(1)));
  EXPECT_EQ(11, hint.LineCount());

  Document other;
  other.out.suppressed = true;
  kotaetuke(e, other.out);
  kotae1txt(e, other.out);
  kotae9txt(e, other.out);
  const int suppressed = other.memo.LineCount();
  other.out.suppressed = false;
  e.StepKey = kKeyTab;
  kotaetuke(e, other.out); // the empty line and the list only
  EXPECT_EQ(std::pair(0, 12), std::pair(suppressed, other.memo.LineCount()));
}

} // namespace
} // namespace zenpa::puzzle
