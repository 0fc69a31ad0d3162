#include "print/render.h"

#include "base/colour.h"
#include "base/sjis.h"
#include "base/tabs.h"
#include "base/units.h"
#include "print/page_fill.h"
#include "print/render_composer.h"

#include <algorithm>

namespace zenpa::print {
namespace {

constexpr std::uint32_t kStripColourEdges = 0xF7F7F7; // unprintable strips with paper edges
constexpr std::uint32_t kStripColour = 0xEFEFEF;      // unprintable strips otherwise
constexpr std::uint32_t kPaperColour = 0xFFFFFF;
constexpr std::uint32_t kPaperOutline = 0x808080;
constexpr std::uint32_t kEdgeLineGrey = 0xC0C0C0; // paper-edge lines not printed
constexpr int kTurnedDown = -2700;                // escapement of turned text
constexpr int kHeaderTopMm = 4;

} // namespace

Composer::Composer(const RenderInput &in, const RunOptions &run, SheetOutput &out)
    : in_(in), f_(in.format), g_(in.geometry), run_(run), out_(out),
      fill_(PageLineLimit(in.format, in.geometry), in.format.lineSpacing) {
  if (!IsPreviewRun(run_.kind)) {
    shiftX_ = g_.offX;
    shiftY_ = g_.offY;
  }
  baseHeight_ = PtToPix(f_.fontSize, g_.dpi, in_.ratio);
  baseTextH_ = TextH(baseHeight_, in_.ratio);
  run_.copies = std::max(1, run_.copies);
}

RunResult Composer::Run() {
  RunResult result;
  for (int copy = 1; copy <= run_.copies && !finished_; ++copy) {
    pageNo_ = 1;
    pageOpen_ = false;
    justFilled_ = false;
    if (!RunCopy(copy))
      break;
    result.pages = pageNo_ - 1;
  }
  result.sheetsDrawn = sheetsDrawn_;
  return result;
}

// False when a preview's sheet is complete and the run can stop.
bool Composer::RunCopy(int copy) {
  std::string expanded;
  for (int i = 0; i < in_.lines.Count(); ++i) {
    std::string_view line = in_.lines.Line(i);
    if (f_.tabsOn) { // marks, breaks and text all see the expanded line
      expanded = base::ExpandTabs(line, f_.tabWidth);
      line = expanded;
    }
    if (!HandleLine(line, copy))
      return false;
  }
  // An empty document still has its one (empty) page.
  if (in_.lines.Count() == 0 && !OpenPage(copy))
    return false;
  if (pageOpen_)
    ClosePage();
  return !finished_;
}

bool Composer::HandleLine(std::string_view line, int copy) {
  const bool isBreak = in_.marks.IsPageBreakLine(line);
  if (isBreak && justFilled_) { // a break right after a full page adds no page
    justFilled_ = false;
    return true;
  }
  if (!pageOpen_ && !OpenPage(copy))
    return false;
  if (isBreak) {
    justFilled_ = false;
    ClosePage();
    return true;
  }
  in_.marks.ReadPMark(line, mark_);
  if (mark_.markIsActive && !f_.scaleLineBlank) {
    SelectMark();
    return true; // takes no line
  }
  const std::string_view text = mark_.markIsActive ? std::string_view() : line;
  if (!fill_.Fits(PrintedScale(f_, mark_, text), mark_.markLineSpacing)) {
    // The line no longer fits below the lines before it: it starts the next page.
    ClosePage();
    if (!OpenPage(copy))
      return false;
    in_.marks.ReadPMark(line, mark_);
  }
  if (mark_.markIsActive)
    SelectMark();
  TakeLine(text);
  return true;
}

// Selects the font and colour a mark line just set.
void Composer::SelectMark() {
  if (!drawing_)
    return;
  Select(
      {mark_.markFont, Percent(baseHeight_, mark_.markScale), f_.bold, f_.italic, f_.underline, 0});
  SetColour(base::ColourFromText(mark_.markColorText));
}

// Draws a line (text, or the blank line of a mark) and moves down by its
// size and spacing; ends the page when it is full.
void Composer::TakeLine(std::string_view text) {
  const int scale = PrintedScale(f_, mark_, text);
  const int spacing = mark_.markLineSpacing;
  if (f_.puzzle.miniclue && (text == PuzzleGridTop() || text == PuzzleGridBottom()))
    gridScale_ = scale; // the reduced clue line is placed by the grid's width
  if (drawing_) {
    if (!text.empty())
      DrawTextLine(text, scale);
    u_ += LineUnits(scale, spacing);
  }
  if (f_.puzzle.minitext && text == PuzzleGridBottom())
    mark_.markScale = f_.reducePercent; // the how-to-play block below the grid is reduced
  justFilled_ = fill_.Take(scale, spacing);
  if (justFilled_)
    ClosePage();
}

// Starts page pageNo_: resets fonts and marks, and when the page is drawn
// begins its sheet and draws the header. False when a preview is complete.
bool Composer::OpenPage(int copy) {
  pageOpen_ = true;
  fill_.StartPage();
  mark_ = in_.marks.ResetState();
  drawing_ = false;
  const bool selected = IsPageSelected(run_.selection, pageNo_);
  if (selected && !BeginSheetFor(copy))
    return false;
  if (!drawing_)
    return true;
  Select(BaseFont(100));
  SetColour(f_.textColor);
  const bool pouch = IsPouchRun(run_.kind);
  PageSide side = PageSide::Single;
  if (pouch)
    side = pageNo_ % 2 == 1 ? PageSide::PouchLeft : PageSide::PouchRight;
  if (!pouch && run_.selection.duplex && run_.selection.evenPass)
    side = PageSide::DuplexEven;
  place_ = PlacePage(f_, g_, in_.widestWidth, in_.widestBytes, side);
  if (g_.headerLines > 0)
    DrawHeader();
  u_ = g_.headerLines * f_.lineSpacing / 100.0;
  return true;
}

// Counts the sheet of the selected page pageNo_ and decides whether it is
// drawn. False when a preview's sheet was complete before this one.
bool Composer::BeginSheetFor(int copy) {
  const int key = SheetKeyOf(pageNo_, IsPouchRun(run_.kind));
  if (key != sheetKey_ || copy != sheetCopy_) {
    sheetKey_ = key;
    sheetCopy_ = copy;
    ++sheets_;
    const bool preview = IsPreviewRun(run_.kind);
    if (preview && sheets_ > run_.wantedSheet) {
      finished_ = true;
      return false;
    }
    if (!preview || sheets_ == run_.wantedSheet) {
      out_.StartSheet(sheets_);
      ++sheetsDrawn_;
      font_ = {};
      DrawSheetDecorations();
    }
  }
  drawing_ = !IsPreviewRun(run_.kind) || sheets_ == run_.wantedSheet;
  return true;
}

void Composer::ClosePage() {
  if (drawing_)
    DrawPageNumbers();
  pageOpen_ = false;
  drawing_ = false;
  ++pageNo_;
}

platform::FontSpec Composer::BaseFont(int percent) const {
  return {f_.fontName, Percent(baseHeight_, percent), f_.bold, f_.italic, f_.underline, 0};
}

void Composer::Select(const platform::FontSpec &font) {
  if (font == font_)
    return;
  font_ = font;
  Canvas().SetFont(font);
}

void Composer::SetColour(std::uint32_t colour) {
  colour_ = colour;
  Canvas().SetTextColor(colour);
}

platform::Rect Composer::Shifted(platform::Rect r) const {
  return {r.left - Ox(), r.top - Oy(), r.right - Ox(), r.bottom - Oy()};
}

void Composer::DrawHeader() {
  const bool mirrored = place_.even && !f_.alignHeader;
  const std::string text = HeaderText(f_, in_.header, pageNo_, mirrored);
  Select(BaseFont(f_.smallHeader ? f_.reducePercent : 100));
  const int width = Canvas().TextWidth(text);
  const int y = std::max(g_.offY, base::MmToPix(kHeaderTopMm, g_.dpi));
  Canvas().DrawText(HeaderX(place_, f_.alignHeader, width) - Ox(), y - Oy(), text);
  Select(BaseFont(100));
}

// The bottom or the turned right-side page number, on the page's last line.
void Composer::DrawPageNumbers() {
  if (!f_.pageNumberOn || f_.pageNumberPos == settings::PageNumberPos::Top)
    return;
  const std::string text = PageNumberText(f_, pageNo_);
  const platform::FontSpec restore = font_;
  const std::uint32_t colour = colour_;
  Select(BaseFont(f_.smallHeader ? f_.reducePercent : 100));
  SetColour(f_.textColor);
  if (f_.pageNumberPos == settings::PageNumberPos::Right) {
    DrawTurnedNumber(text);
  } else {
    const int h = TextH(Canvas().TextHeight(text), in_.ratio);
    const int y = g_.offY + g_.printH -
                  static_cast<int>(base::RoundHalfAway(static_cast<double>(h) * in_.ratio.num /
                                                       std::max(1, in_.ratio.den)));
    const int x = FooterX(place_, f_.alignHeader, Canvas().TextWidth(text));
    Canvas().DrawText(x - Ox(), y - Oy(), text);
  }
  Select(restore);
  SetColour(colour);
}

// Reads upwards at the right edge, centred on the middle of the cut paper.
void Composer::DrawTurnedNumber(const std::string &text) {
  platform::FontSpec turned = font_;
  turned.escapement = kTurnedDown;
  Select(turned);
  const int w = Canvas().TextWidth(text);
  const int h = Canvas().TextHeight(text);
  const int ym = (g_.offY + g_.printH + g_.bottomLimit - g_.cutBottom) / 2;
  Canvas().DrawText(place_.numberRight - w - Ox(), ym + h / 2 - Oy(), text);
}

void Composer::DrawSheetDecorations() {
  const std::uint32_t frameColour = f_.frameInTextColor ? f_.textColor : f_.frameColor;
  if (IsPreviewRun(run_.kind)) {
    DrawPageView();
    if (!f_.paperEdgeOn)
      return;
    if (f_.paperEdgeLine) {
      DrawPaperEdgeLines(frameColour, platform::PenStyle::Solid);
    } else {
      DrawPaperEdgeLines(kEdgeLineGrey, platform::PenStyle::Dotted);
    }
    return;
  }
  if (f_.framePrinted)
    DrawFrame();
  if (f_.paperEdgeOn && f_.paperEdgeLine) {
    DrawPaperEdgeLines(frameColour, platform::PenStyle::Dotted);
  }
}

// The preview's paper: white, outlined in grey, with the strips shaded that
// take no print: the printer's left and top offsets, and at the right and
// bottom what lies beyond the right inset and the bottom strip past the
// printable area (with paper edges, the paper that is cut away).
void Composer::DrawPageView() {
  platform::Canvas &c = Canvas();
  const std::uint32_t strip = f_.paperEdgeOn ? kStripColourEdges : kStripColour;
  c.FillRect({0, 0, g_.paperW, g_.paperH}, kPaperColour);
  c.FillRect({0, 0, g_.offX, g_.paperH}, strip);
  c.FillRect({0, 0, g_.paperW, g_.offY}, strip);
  c.FillRect({g_.offX + g_.printW + g_.rightInset, 0, g_.paperW, g_.paperH}, strip);
  c.FillRect({0, g_.offY + g_.printH + g_.bottomStrip, g_.paperW, g_.paperH}, strip);
  c.SetPen(kPaperOutline, platform::PenStyle::Solid);
  c.DrawRect({0, 0, g_.paperW, g_.paperH});
}

// Lines along the cut right and bottom paper edges, paperRight and
// paperBottom millimetres inside the physical edges.
void Composer::DrawPaperEdgeLines(std::uint32_t colour, platform::PenStyle style) {
  const int x = g_.offX + g_.rightInset + g_.printW;
  const int y = g_.offY + g_.bottomLimit - g_.cutBottom + g_.printH;
  const int top = IsPreviewRun(run_.kind) ? 0 : g_.offY;
  const int left = IsPreviewRun(run_.kind) ? 0 : g_.offX;
  Canvas().SetPen(colour, style);
  Canvas().DrawLine(x - Ox(), top - Oy(), x - Ox(), y - Oy());
  Canvas().DrawLine(x - Ox(), y - Oy(), left - Ox(), y - Oy());
}

// The frame, placed from the physical paper edge in millimetres.
void Composer::DrawFrame() {
  const settings::FrameRect &r = f_.frameRect;
  const int left = base::MmToPix(r.left, g_.dpi);
  const int top = base::MmToPix(r.top, g_.dpi);
  platform::Rect rect{left, top, left + base::MmToPix(r.width, g_.dpi),
                      top + base::MmToPix(r.height, g_.dpi)};
  Canvas().SetPen(f_.frameInTextColor ? f_.textColor : f_.frameColor, platform::PenStyle::Solid);
  Canvas().DrawRect(Shifted(rect));
}

RunResult RenderRun(const RenderInput &in, const RunOptions &run, SheetOutput &out) {
  Composer composer(in, run, out);
  return composer.Run();
}

} // namespace zenpa::print
