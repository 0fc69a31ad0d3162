#include "puzzle/play/assist_board.h"
#include "puzzle/play/assist_state.h"

#include "base/digits.h"
#include "base/sjis.h"
#include "platform/text_memo.h"
#include "puzzle/play/grid_text.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

using namespace zenpa::play;

namespace {

struct FakeDocument : AssistDocument {
  void MoveCaretTo(BoardCellPos cell) override { caret = cell; }
  void TypeKey(char key) override { typed += key; }
  std::optional<BoardCellPos> caret;
  std::string typed;
};

// A board at U = 20 whose top-left cell is a given and the rest open.
struct Board {
  Board() {
    BoardCells cells{};
    cells[0] = {BoardCellKind::Given, 5};
    state.SetCells(cells);
  }
  BoardPoint CentreOf(int column, int row) const {
    const BoardPoint corner = geometry.CellCorner({column, row});
    return {corner.x + geometry.unit, corner.y + geometry.unit};
  }
  BoardGeometry geometry = GeometryFor(20, BoardSize::Big);
  AssistState state;
  FakeDocument doc;
};

} // namespace

TEST(AssistBoard, UnitFollowsTheFontWithinItsBounds) {
  struct Case {
    int font;
    BoardSize size;
    int unit;
  };
  for (const Case c : {Case{20, BoardSize::Small, 19}, Case{40, BoardSize::Small, 36},
                       Case{40, BoardSize::Big, 40}, Case{4, BoardSize::Big, 19},
                       Case{5000, BoardSize::Big, kMaxBoardUnit}}) {
    EXPECT_EQ(c.unit, GeometryFor(c.font, c.size).unit) << c.font;
  }
  EXPECT_EQ(365, GeometryFor(20, BoardSize::Big).BoardSide());
}

TEST(AssistBoard, PointsHitTheirCellsAndTheMarginNone) {
  const BoardGeometry g{20};
  const std::pair<BoardPoint, std::optional<BoardCellPos>> cases[] = {
      {{1, 50}, std::nullopt},           {{50, 0}, std::nullopt},
      {{2 + 18 * 20, 50}, std::nullopt}, {{-300, -300}, std::nullopt},
      {{2, 2}, BoardCellPos{0, 0}},      {{41, 2 + 18 * 20 - 1}, BoardCellPos{0, 8}},
      {{42, 2}, BoardCellPos{1, 0}},
  };
  for (const auto &[at, cell] : cases)
    EXPECT_EQ(cell, g.CellAt(at.x, at.y)) << at.x << "," << at.y;
}

// The palette opens right and below the pointer when it fits; shades of
// black and white stay visible.
TEST(AssistBoard, PalettePlaceAndShades) {
  EXPECT_EQ((BoardPoint{10, 20}), PalettePlace({10, 20}, {100, 50}, {400, 400}));
  EXPECT_EQ((BoardPoint{250, 330}), PalettePlace({350, 380}, {100, 50}, {400, 400}));
  EXPECT_EQ((BoardPoint{0, 0}), PalettePlace({30, 30}, {100, 50}, {60, 40}));
  EXPECT_EQ((std::array{0x505050u, 0xAFAFAFu, 0x3050F0u}),
            (std::array{Shade(0x000000, 0x50), Shade(0xFFFFFF, 0x50), Shade(0x1030D0, 0x20)}));
}

TEST(AssistBoard, ReadsTheCellsOfTheDocumentGrid) {
  GridDigits digits{};
  digits[0] = 7;
  std::vector<std::string> lines = GridBlockLines(GivenCells(digits));
  std::string &row2 = lines[3];
  row2.replace(RowIndentOf(row2).size() + 2 + 4 * 2, 2, zenpa::base::CircledDigit(4));
  row2.replace(2 + 4 * 3, 2, zenpa::base::Sj("◇"));
  lines.resize(8); // rows past the end read empty
  zenpa::platform::TextMemo memo;
  memo.SetLines(lines);
  const BoardCells cells = ReadBoardCells(memo, 0);
  EXPECT_EQ((BoardCell{BoardCellKind::Given, 7}), cells[0]);
  EXPECT_EQ((BoardCell{BoardCellKind::Player, 4}), cells[9 + 2]);
  EXPECT_EQ((BoardCell{BoardCellKind::MarkR, 0}), cells[9 + 3]);
  EXPECT_EQ((BoardCell{}), cells[80]);
}

// A left click on a given moves the caret there, the margin does nothing;
// palette digits go to the document and close it unless Ctrl is held; in
// continuous hint input right presses toggle notes and type nothing. Cursor
// keys wrap and move the caret.
TEST(AssistState, ClicksPaletteCursorKeysAndErasing) {
  Board b;
  EXPECT_TRUE(b.state.Click(b.geometry, b.CentreOf(0, 0), true, false, b.doc).onCell);
  EXPECT_FALSE(b.state.PaletteOpen());
  EXPECT_EQ((BoardCellPos{0, 0}), b.doc.caret);
  EXPECT_FALSE(b.state.Click(b.geometry, b.CentreOf(4, 4), false, false, b.doc).openPalette);
  b.doc.caret.reset();
  EXPECT_FALSE(b.state.Click(b.geometry, {1, 1}, true, false, b.doc).onCell);
  EXPECT_EQ(std::nullopt, b.doc.caret);
  EXPECT_EQ((BoardCellPos{4, 4}), b.state.Cursor());

  b.state.Click(b.geometry, b.CentreOf(1, 1), true, false, b.doc);
  EXPECT_FALSE(b.state.PressPalette(7, false, false, true, b.doc));
  EXPECT_TRUE(b.state.PressPalette(0, false, true, false, b.doc));
  EXPECT_EQ("70", b.doc.typed);
  EXPECT_EQ(0, b.state.Notes({1, 1}));
  b.state.Click(b.geometry, b.CentreOf(2, 1), true, false, b.doc);
  for (const int digit : {1, 3, 9, 3})
    EXPECT_TRUE(b.state.PressPalette(digit, true, false, true, b.doc)) << digit;
  EXPECT_EQ(0b100000001, b.state.Notes({2, 1}));
  EXPECT_FALSE(b.state.PressPalette(5, true, false, false, b.doc));
  EXPECT_EQ("70", b.doc.typed);

  b.state.PutCursor({0, 0});
  b.state.MoveCursor(CursorKey::Left, b.doc);
  b.state.MoveCursor(CursorKey::Up, b.doc);
  EXPECT_EQ((BoardCellPos{8, 8}), b.doc.caret);
  b.state.MoveCursor(CursorKey::Right, b.doc);
  EXPECT_EQ((BoardCellPos{0, 8}), b.state.Cursor());

  // Erasing with the right button toggles the layer shown: the hints or the
  // notes.
  zenpa::puzzle::Grid hints;
  hints(2, 2) = zenpa::puzzle::CellFromText("268");
  b.state.SetHints(hints);
  b.state.PutCursor({1, 1});
  b.state.PressPalette(4, true, false, true, b.doc);
  b.state.SetHintLayerShown(true);
  b.state.PressPalette(0, true, false, true, b.doc);
  EXPECT_EQ(0b010100010, b.state.ErasedHints({1, 1}));
  b.state.PressPalette(0, true, false, true, b.doc);
  EXPECT_EQ(0, b.state.ErasedHints({1, 1}));
  EXPECT_EQ(0b1000, b.state.Notes({1, 1}));
  b.state.SetHintLayerShown(false);
  b.state.PressPalette(0, true, false, true, b.doc);
  EXPECT_EQ(0, b.state.Notes({1, 1}));
}
