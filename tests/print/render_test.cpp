#include "print/render.h"

#include "print/layout.h"
#include "print/render_text.h"
#include "print/support/print_samples.h"

#include "base/sjis.h"
#include "base/units.h"
#include "platform/printer.h"
#include "platform/recording_canvas.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <random>

namespace zenpa::print {
namespace {

using base::Sj;
using platform::CanvasOp;
using platform::RecordingCanvas;

// Keeps each sheet of a run on its own recording canvas.
class RecordingSheets : public SheetOutput {
public:
  void StartSheet(int sheet) override {
    started.push_back(sheet);
    sheets.emplace_back();
  }
  platform::Canvas &SheetCanvas() override { return sheets.back(); }

  std::vector<int> started;
  std::deque<RecordingCanvas> sheets;
};

// A document on the virtual A4 printer (2976 × 4210, offsets 43) with the
// format's 12-point font: 60-pixel cells, single-byte characters 22 wide.
class RenderTest : public ::testing::Test {
protected:
  RenderTest() { format.fontName = "F"; }

  RecordingSheets &Render(const std::vector<std::string> &lines, RunKind kind = RunKind::NomalPrint,
                          PageSelection selection = {}, int copies = 1, int wanted = 1) {
    const int cell = PtToPix(format.fontSize, 360, ratio);
    geometry =
        ComputeGeometry(format, platform::VirtualPrinterMetrics(210, 297), TextH(cell, ratio));
    marks = std::make_unique<MarkReader>(MarkRulesOf(format), std::vector<std::string>{"F", "G"});
    printed = std::make_unique<PrintedLines>(lines);
    RenderInput in{format, geometry, *marks, *printed, ratio, widest, 1, {"doc", "2026/12/06"}};
    out = RecordingSheets();
    result = RenderRun(in, RunOptions{kind, selection, copies, wanted}, out);
    return out;
  }

  // Calls of one kind on one sheet, in order.
  std::vector<CanvasOp> OpsOf(int sheet, CanvasOp::Kind kind) const {
    std::vector<CanvasOp> ops;
    for (const CanvasOp &op : out.sheets.at(sheet).Ops())
      if (op.kind == kind)
        ops.push_back(op);
    return ops;
  }
  // Text calls of one sheet, in order.
  std::vector<CanvasOp> Texts(int sheet) const { return out.sheets.at(sheet).TextOps(); }
  // The document lines drawn on each sheet (text calls with advances).
  std::vector<std::vector<std::string>> Bodies() const {
    std::vector<std::vector<std::string>> all(out.sheets.size());
    for (std::size_t i = 0; i < all.size(); ++i) {
      for (const CanvasOp &op : out.sheets[i].TextOps())
        if (op.kind == CanvasOp::Kind::TextAdvances)
          all[i].push_back(op.text);
    }
    return all;
  }

  settings::PrintFormat format;
  PageGeometry geometry;
  CellRatio ratio;
  int widest = 22;
  std::unique_ptr<MarkReader> marks;
  std::unique_ptr<PrintedLines> printed;
  RecordingSheets out;
  RunResult result;
};

using testing::kBreak;

TEST_F(RenderTest, LinesStandAtTheMarginsShiftedToThePrintableCorner) {
  format.underline = true; // underlined lines keep their places
  Render({"ab", "cd"});
  std::vector<CanvasOp> t = Texts(0);
  ASSERT_EQ(2u, t.size());
  EXPECT_TRUE(t[0].font.underline);
  // No header: the first line at the top margin (213), the next one pitch lower.
  EXPECT_EQ(326 - 43, t[0].x);
  EXPECT_EQ(213 + 60 - 43, t[1].y);
  EXPECT_EQ((platform::Rect{0, 0, 2890, 4124}), t[0].rect);
  // The preview draws the same page in paper coordinates.
  Render({"ab"}, RunKind::NomalPrView);
  EXPECT_EQ(326, Texts(0)[0].x);
  EXPECT_EQ((platform::Rect{43, 43, 2933, 4167}), Texts(0)[0].rect);
  // Cells 72 high, em 60: the baseline moves up (72 - 60) / 3 = 4 em units.
  ratio = {72, 60};
  Render({"a", "b"}, RunKind::NomalPrView);
  t = Texts(0);
  EXPECT_EQ(72, t[0].font.height);
  EXPECT_EQ(213 - 4, t[0].y);
  EXPECT_EQ(60 + 213 - 4, t[1].y);
}

TEST_F(RenderTest, HeaderStandsRightOnOddAndLeftOnEvenDuplexPages) {
  format.pageNumberOn = true;
  format.printFileName = true;
  Render({"x"}, RunKind::NomalPrint);
  std::vector<CanvasOp> t = Texts(0);
  ASSERT_EQ(2u, t.size());
  EXPECT_EQ("doc (1) ", t[0].text);
  EXPECT_EQ(43 + 2890 - 8 * 22 - 43, t[0].x); // right-aligned in the printable area
  EXPECT_EQ(57 - 43, t[0].y);                 // 4 mm from the paper top, not the margin
  EXPECT_EQ(2 * 60 + 213 - 43, t[1].y);       // after the header and its gap

  format.duplex = true;
  Render({"x", kBreak, "y"}, RunKind::NomalPrint, {1, 0, true, true});
  t = Texts(0);
  EXPECT_EQ(" (2) doc", t[0].text);
  EXPECT_EQ(0, t[0].x); // from the right inset: the outer edge of a back page
}

// An aligned header ends with the widest line; a small one is reduced.
TEST_F(RenderTest, AlignedAndSmallHeaders) {
  format.printDate = true;
  format.alignHeader = true;
  widest = 10 * 22;
  Render({"x"}, RunKind::NomalPrView);
  // The header "2026/12/06　 " is 11 half-width and one full-width character wide.
  EXPECT_EQ(326 + 220 - (11 * 22 + 60), Texts(0)[0].x);
  format.alignHeader = false;
  format.smallHeader = true;
  format.reducePercent = 50;
  Render({"x"}, RunKind::NomalPrView);
  EXPECT_EQ(30, Texts(0)[0].font.height);
  EXPECT_EQ(60, Texts(0)[1].font.height);
}

// A footer numbers every page from the padded start, centred; a number at
// the right is turned at the right edge.
TEST_F(RenderTest, PageNumbersAtTheBottomAndRight) {
  format.pageNumberOn = true;
  format.pageNumberPos = settings::PageNumberPos::Bottom;
  format.pageNumberStart = "001";
  Render({"a", kBreak, "b", kBreak, "c"}, RunKind::NomalPrView, {}, 1, 3);
  const CanvasOp number = Texts(0).at(1);
  EXPECT_EQ(" (003) ", number.text);
  EXPECT_EQ(43 + 4124 - 60, number.y);
  EXPECT_EQ(43 + 2890 / 2 - 7 * 22 / 2, number.x); // centred on the paper

  format.pageNumberStart = "0";
  Render({"a", kBreak, "b", kBreak, "c"}, RunKind::NomalPrint);
  EXPECT_EQ(" (2) ", Texts(2)[1].text);

  format.pageNumberPos = settings::PageNumberPos::Right;
  Render({"a"}, RunKind::NomalPrView);
  const CanvasOp right = Texts(0)[1];
  EXPECT_EQ(" (0) ", right.text);
  EXPECT_EQ(-2700, right.font.escapement);
  EXPECT_EQ(43 + 2890 - 5 * 22, right.x);
  EXPECT_EQ((43 + 4124 + 43) / 2 + 30, right.y);
}

// A document of numbered lines with size, spacing, indent and colour marks
// and page breaks strewn between them.
std::vector<std::string> MarkedDocument(std::mt19937 &random) {
  static const std::vector<std::string> marks = {
      "p++++++++++", "p+++",   "p+",     "p-",    "p----",        "p----------",  "p=", "p= %100",
      "p= %50",      "p- %20", "p+ m50", "p= %=", "p+++ $0000FF", "p-- %30 m-20", "\f"};
  std::vector<std::string> doc;
  const int count = 20 + static_cast<int>(random() % 180);
  for (int i = 1; i <= count; ++i) {
    if (random() % 6 == 0)
      doc.push_back(marks[random() % marks.size()]);
    doc.push_back("L" + std::to_string(i));
  }
  return doc;
}

// Over generated marked documents: the run composes the pages the layout counted, every line prints
// once, in order, and on each page the lines stand one below another inside the printable height.
TEST_F(RenderTest, MarkedDocumentsPrintEveryLineOnceWithoutOverprinting) {
  format.scaleMarksOn = true;
  std::mt19937 random(20261207);
  for (int run = 0; run < 150; ++run) {
    format.scaleLineBlank = random() % 2 == 0;
    format.linesPerPage = std::vector<int>{0, 3, 7, 40, 300}[random() % 5];
    format.pageNumberOn = random() % 2 == 0;
    const std::vector<std::string> doc = MarkedDocument(random);
    const int counted = testing::LayoutOf(format, doc, ratio).pagination.pageCount;
    Render(doc);
    ASSERT_EQ(counted, result.pages) << "document " << run;
    std::vector<std::string> printed;
    for (const RecordingCanvas &sheet : out.sheets) {
      int bottom = 0; // of the line above
      for (const CanvasOp &op : sheet.TextOps()) {
        if (op.kind != CanvasOp::Kind::TextAdvances)
          continue;
        ASSERT_LE(bottom, op.y) << op.text << " overprints the line above, document " << run;
        if (bottom > 0) { // only a page's first line may be taller than the page
          ASSERT_LE(op.y + op.font.height, geometry.printH) << op.text << ", document " << run;
        }
        bottom = op.y + op.font.height;
        printed.push_back(op.text);
      }
    }
    std::vector<std::string> expected;
    std::copy_if(doc.begin(), doc.end(), std::back_inserter(expected),
                 [](const std::string &l) { return l[0] == 'L'; });
    ASSERT_EQ(expected, printed) << "document " << run;
  }
}

TEST_F(RenderTest, ExtremeFormatsNeitherHangNorLeaveThePage) {
  format.charSpacing = 0;   // -100 %: characters stand on top of each other
  format.lineSpacing = 1;   // -99 %
  format.leftMargin = 5000; // beyond the paper: the clip keeps the text off it
  format.pairHalfWidth = true;
  const std::string longLine(10000, 'a');
  Render({longLine, longLine});
  std::vector<CanvasOp> t = Texts(0);
  ASSERT_EQ(2u + 2 * 5000u, t.size()); // each line and its 5,000 pairs
  EXPECT_EQ(0, t[0].advances[0]);      // width 22 less a whole average width
  EXPECT_EQ(t[0].y + 1, t[5001].y);    // one hundredth of a line apart
}

TEST_F(RenderTest, EvenPassMirrorsTheRightMarginAndShiftsTheBack) {
  format.duplex = true;
  format.evenPageShift = 2;
  Render({"1", kBreak, "2"}, RunKind::NomalPrView, {1, 0, true, true});
  // The front's right margin: right inset + printable width - right end of the widest line.
  const int remainRight = 43 + 2890 - (22 + 326 - 43);
  EXPECT_EQ(remainRight + 0 + base::MmToPix(2, 360), Texts(0)[0].x);
  format.backRightToLeft = true;
  format.paperEdgeOn = true;
  format.paperRight = 10; // right limit 43 + 142
  Render({"1", kBreak, "2"}, RunKind::NomalPrView, {1, 0, true, true});
  EXPECT_EQ(185, Texts(0)[0].rect.left); // clip runs from the right limit
}

// Pouch binding puts pairs of pages on one sheet, each page numbered at
// the centre of its half.
TEST_F(RenderTest, PouchBindingPutsPairsOfPagesOnOneSheet) {
  format.pouchBinding = true;
  format.pageNumberOn = true;
  format.pageNumberPos = settings::PageNumberPos::Bottom;
  std::vector<std::string> doc = {"1", kBreak, "2", kBreak, "3", kBreak, "4", kBreak, "5"};
  Render(doc, RunKind::Fukurotoji);
  EXPECT_EQ((std::vector<std::vector<std::string>>{{"1", "2"}, {"3", "4"}, {"5"}}), Bodies());
  // The fold lies half way across the usable paper; the odd page is clipped a millimetre before it.
  const int fold = 43 + (43 + 2890 - 43) / 2;
  EXPECT_EQ(fold - 14 - 43, Texts(0)[0].rect.right);
  // The even page mirrors the odd one's right margin inside its half.
  const int half = 2890 / 2 - 14, rightEnd = 22 + 326 - 43;
  EXPECT_EQ(fold + 14 + (half - rightEnd) - 43, Texts(0)[2].x);
  const std::vector<CanvasOp> t = Texts(0); // page 1, its number, page 2, its number
  EXPECT_EQ(" (1) ", t[1].text);
  EXPECT_EQ(fold / 2 - 5 * 22 / 2 - 43, t[1].x);
  EXPECT_EQ((fold + 2976) / 2 - 5 * 22 / 2 - 43, t[3].x);
}

TEST_F(RenderTest, SizeMarkPlacesLaterLinesAtTheNewHeight) {
  format.scaleMarksOn = true;
  format.tabsOn = true; // tabs expand before the mark and the text are read
  format.tabWidth = 4;
  Render({"p+\t$0000FF", "a\tb", "b"}, RunKind::NomalPrView);
  std::vector<CanvasOp> t = Texts(0);
  ASSERT_EQ(2u, t.size()); // the mark line takes no line
  EXPECT_EQ("a   b", t[0].text);
  EXPECT_EQ(66, t[0].font.height);
  EXPECT_EQ(0x0000FFu, t[0].color);
  EXPECT_EQ(66 + 213, t[1].y);
  format.scaleLineBlank = true; // the mark now prints as an empty line
  Render({"p+ m100 %50", "a", "b"}, RunKind::NomalPrView);
  t = Texts(0);
  // The mark's own empty line already takes the new spacing of 150 %.
  EXPECT_EQ(static_cast<int>(base::RoundHalfAway(66 * 1.5)) + 213, t[0].y);
  EXPECT_EQ(326 + base::MmToPix(10, 360), t[0].x);
  EXPECT_EQ(66 * 3 + 213, t[1].y);
  // The mark's state ends with the page.
  format.scaleLineBlank = false;
  format.linesPerPage = 1;
  Render({"p-- F", "a", "b"});
  EXPECT_EQ(54, Texts(0)[0].font.height);
  EXPECT_EQ(60, Texts(1)[0].font.height);
}

TEST_F(RenderTest, PairedHalfWidthCharactersAreDrawnTurned) {
  format.pairHalfWidth = true;
  Render({Sj("漢ab(")}, RunKind::NomalPrView);
  std::vector<CanvasOp> t = Texts(0);
  ASSERT_EQ(2u, t.size());
  EXPECT_EQ(Sj("漢") + "  (", t[0].text); // the pair is blanked in the line
  EXPECT_EQ("ab", t[1].text);
  EXPECT_EQ(-2700, t[1].font.escapement);
  // Centred on the pair's place: 44 wide, 60 high, after the 60-wide kanji.
  EXPECT_EQ(326 + 60 + 22 - 30, t[1].x);
  EXPECT_EQ(213 + 22 + 30, t[1].y);
}

TEST_F(RenderTest, ReducedTitleAndClueStayOverTheGrid) {
  format.puzzle.minititle = true;
  format.puzzle.miniclue = true;
  const std::string clue = std::string(32, ' ') + "-clue 25";
  Render({format.puzzle.title, clue, "x"}, RunKind::NomalPrView);
  std::vector<CanvasOp> t = Texts(0);
  // 19 full-width cells: 1140 wide at 60, 912 at 48; less half a 48-pixel blank.
  const int d = 1140 - 912 - 18 / 2;
  EXPECT_EQ(326 + d / 2, t[0].x);
  EXPECT_EQ(326 + d, t[1].x);
  // The clue line starts right below the title, 48 high.
  EXPECT_EQ(48 + 213, t[1].y);
  EXPECT_EQ(48 + 48 + 213, t[2].y); // and the line after it below the clue

  // The block below the grid is reduced and stacked under the grid, with
  // the reduced clue line's end under the grid's right edge.
  format.puzzle.minititle = false;
  format.puzzle.minitext = true;
  Render({Sj("┗━┷━┷━┻━┷━┷━┻━┷━┷━┛"), clue, "x", "y"}, RunKind::NomalPrView);
  t = Texts(0);
  EXPECT_EQ(48, t[2].font.height);
  EXPECT_EQ(326 + 1140 - 912 - 18 / 2, t[1].x);
  EXPECT_EQ(60 + 213, t[1].y);
  EXPECT_EQ(60 + 48 * 2 + 213, t[3].y);
}

// Printed sheets carry the frame and the dotted paper-edge lines.
TEST_F(RenderTest, PrintedSheetsCarryTheFrameAndEdgeLines) {
  format.paperEdgeOn = true;
  format.paperRight = 10;  // 142 pixels
  format.paperBottom = 10; // 141 pixels
  format.framePrinted = true;
  format.frameRect = {10, 10, 100, 50};
  format.paperEdgeLine = true;
  Render({"a", kBreak, "b"}, RunKind::NomalPrint);
  for (int sheet : {0, 1}) {
    const std::vector<CanvasOp> rects = OpsOf(sheet, CanvasOp::Kind::Rect);
    const std::vector<CanvasOp> lines = OpsOf(sheet, CanvasOp::Kind::Line);
    ASSERT_EQ(1u, rects.size());
    EXPECT_EQ((platform::Rect{142 - 43, 142 - 43, 1559 - 43, 851 - 43}), rects[0].rect);
    ASSERT_EQ(2u, lines.size());
    EXPECT_EQ(2976 - 142 - 43, lines[0].x); // 10 mm inside the right paper edge
    EXPECT_EQ(platform::PenStyle::Dotted, lines[0].pen);
  }
}

TEST(PageNumberTest, PadsToTheStartTextWhenItBeginsWithZero) {
  // Longer numbers are not cut; "0" numbers pages from 0; no number counts as 1. The field is
  // rewritten in its padded form; the text has the brackets around it.
  EXPECT_EQ((std::vector<std::string>{"010", "1000", "14", "2", "3", "007", "12"}),
            (std::vector<std::string>{PaddedPageNumber("001", 10), PaddedPageNumber("001", 1000),
                                      PaddedPageNumber("5", 10), PaddedPageNumber("0", 3),
                                      PaddedPageNumber("abc", 3), NormalizedPageNumberStart("007"),
                                      NormalizedPageNumberStart(" 12 ")}));
  settings::PrintFormat f;
  f.pageNumberStart = "001";
  EXPECT_EQ(" (010) ", PageNumberText(f, 10));
  f.pageNumberLeft = "-";
  f.pageNumberRight = "-";
  EXPECT_EQ("-002-", PageNumberText(f, 2));
}

// The header of odd page 3 and even page 4 for each combination of its parts;
// "D" stands for the date, "N" for the page number, "F" for the file name.
TEST(HeaderTextTest, PartsStandFromTheOuterEdge) {
  const std::string sp = Sj("　"), date = "2026/12/06";
  const struct {
    std::string parts;
    settings::PageNumberPos pos;
    std::string brackets, odd, even;
  } cases[] = {
      {"DNF", settings::PageNumberPos::Top, "", date + sp + "doc (3) ", " (4) doc" + sp + date},
      // The blank between name and number is added only when missing.
      {"NF", settings::PageNumberPos::Top, "[]", "doc[3] ", " [4]doc"},
      // A number at the bottom or the right is not in the header.
      {"NF", settings::PageNumberPos::Bottom, "", "doc ", " doc"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.parts + " " + c.brackets);
    settings::PrintFormat f;
    f.printDate = c.parts.find('D') != std::string::npos;
    f.pageNumberOn = c.parts.find('N') != std::string::npos;
    f.printFileName = c.parts.find('F') != std::string::npos;
    f.pageNumberPos = c.pos;
    if (!c.brackets.empty()) {
      f.pageNumberLeft = c.brackets.substr(0, 1);
      f.pageNumberRight = c.brackets.substr(1);
    }
    const HeaderSource source{"doc", date};
    EXPECT_EQ(c.odd, HeaderText(f, source, 3, false));
    EXPECT_EQ(c.even, HeaderText(f, source, 4, true));
  }
  // The name drops its directory, and its extension unless asked.
  EXPECT_EQ("doc.txt", HeaderFileName("/home/u/doc.txt", true));
  EXPECT_EQ(Sj("文書"), HeaderFileName(Sj("/tmp/文書.txt"), false));
}

// Advances with a canvas whose single-byte characters are 15 wide and
// double-byte ones 40.
TEST(AdvancesTest, SpacingAndPairs) {
  platform::RecordingCanvas canvas;
  canvas.SetFont({"f", 40});
  const std::string noPair = Sj("･+-=* <>｢｣()[]{}");
  EXPECT_EQ((std::vector<int>{15, 15, 0, 40}),
            ComputeAdvances(canvas, Sj("ab漢"), 100, 0, noPair).advances);
  // "ab": width 30 over 2 bytes; 150 % adds round(7.5) = 8 to each byte. A
  // double-byte character: the lead byte carries 2 × extra, the trail its width.
  EXPECT_EQ((std::vector<int>{23, 23}), ComputeAdvances(canvas, "ab", 150, 0, noPair).advances);
  EXPECT_EQ((std::vector<int>{20, 40}), ComputeAdvances(canvas, Sj("漢"), 150, 0, noPair).advances);
  // Pairs take adjacent pairable characters two at a time; half-width
  // katakana listed there (｢｣) stay unpaired too.
  LineAdvances a = ComputeAdvances(canvas, Sj("12漢abc(de)f"), 100, 0, noPair);
  EXPECT_EQ((std::vector<std::size_t>{0, 4, 8}), FindPairs(a.kinds));
  LineAdvances kana = ComputeAdvances(canvas, Sj("｢｣ｱｲ"), 100, 0, noPair);
  EXPECT_EQ(std::vector<std::size_t>{2}, FindPairs(kana.kinds));

  // A fixed pitch puts half- and full-width characters on one grid: ten
  // full-width characters of 40, halved, per cell; characters centred.
  const int cell = FixedPitchCell(canvas, 100);
  EXPECT_EQ(20, cell);
  LineAdvances halves = ComputeAdvances(canvas, "abX", 100, cell, noPair);
  LineAdvances full = ComputeAdvances(canvas, Sj("ａX"), 100, cell, noPair);
  EXPECT_EQ(2, halves.shift);
  // "X" stands at the start of the third cell plus its centring in both lines.
  EXPECT_EQ(42, halves.shift + AdvanceBefore(halves.advances, 2));
  EXPECT_EQ(42, full.shift + AdvanceBefore(full.advances, 2));
  EXPECT_EQ(60, halves.shift + AdvanceBefore(halves.advances, 3)); // three whole cells
  // The cell follows the character spacing: a full-width character takes
  // two cells of 30, centred 10 pixels in.
  EXPECT_EQ(30, FixedPitchCell(canvas, 150));
  LineAdvances spaced = ComputeAdvances(canvas, Sj("漢漢"), 150, 30, noPair);
  EXPECT_EQ(10, spaced.shift);
  EXPECT_EQ(60, AdvanceBefore(spaced.advances, 2));
}

} // namespace
} // namespace zenpa::print
