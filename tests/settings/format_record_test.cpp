#include "settings/grid_font.h"
#include "settings/print_format.h"

#include <gtest/gtest.h>

#include <tuple>

#include "base/sjis.h"
#include "base/units.h"
#include "platform/recording_canvas.h"
#include "settings/support/format_samples.h"

namespace zenpa::settings {
namespace {

FormatEnvironment FineEnvironment() {
  FormatEnvironment env;
  env.dpi = 600;
  env.offsetLeft = 100;
  env.offsetTop = 400; // wider than 15 mm at 600 dpi
  env.clientWidth = 1000;
  env.windowFrame = 16;
  return env;
}

// A fresh record follows the printer's offsets; a reset sets the page, the
// font and the frame as a fresh record has them and keeps the rest.
TEST(FormatRecord, StartAndResetFollowThePrinterAndItsOffsets) {
  EXPECT_EQ(StartFormat(FormatEnvironment{}), PrintFormat{});
  const FormatEnvironment env = FineEnvironment();
  const PrintFormat fresh = StartFormat(env);
  const auto page = [](const PrintFormat &r) {
    return std::tie(r.topMargin, r.leftMargin, r.windowWidth, r.editorWidth, r.linesPerPage,
                    r.lineSpacing, r.charSpacing, r.fontName, r.fontSize, r.tabWidth, r.paperSize,
                    r.frameColor, r.frameInTextColor);
  };
  EXPECT_EQ(std::make_tuple(400, base::MmToPix(23, 600), 1016, 995),
            std::tie(fresh.topMargin, fresh.leftMargin, fresh.windowWidth, fresh.editorWidth));
  const PrintFormat changed = testing::EveryFieldChanged();
  PrintFormat f = changed;
  ResetFormat(f, env);
  PrintFormat expected = fresh;
  expected.leftMargin = env.offsetLeft;
  EXPECT_EQ(page(expected), page(f));
  EXPECT_EQ(std::tie(changed.pageNumberLeft, changed.frameRect, changed.puzzle, changed.drill),
            std::tie(f.pageNumberLeft, f.frameRect, f.puzzle, f.drill));
}

// Boxes 1..17 as digits.
std::string Boxes(const TechniqueOptions &t) {
  std::string out;
  for (int box = kBoxBlockUnique; box <= kBoxHiddenQuad; ++box)
    out += t.boxes[box] ? '1' : '0';
  return out;
}

// "Check all" checks the techniques up to Remote Pair, the extra panel's
// only while that panel is shown; closing the panel clears them.
TEST(FormatRecord, CheckAllTakesTheTechniquesOfTheShownPanels) {
  TechniqueOptions t;
  t.SetAllBoxes(false);
  EXPECT_EQ("00000000000000000", Boxes(t));
  t.SetAllBoxes(true);
  EXPECT_EQ("11111111111110000", Boxes(t));
  t.SetExtraPanelVisible(true);
  t.SetAllBoxes(true);
  EXPECT_EQ("11111111111111111", Boxes(t));
  t.SetExtraPanelVisible(false);
  EXPECT_EQ("11111111111110000", Boxes(t));
}

// A face named "Proportional" draws the ruled lines narrower than digits.
struct FaceCanvas : platform::RecordingCanvas {
  int TextWidth(std::string_view sjis) override {
    const bool lines = sjis.find(base::Sj("─")) != std::string_view::npos;
    return RecordingCanvas::TextWidth(sjis) - (Font().face == "Proportional" && lines ? 3 : 0);
  }
};

TEST(GridFontTest, ComparesRuleAndDigitRowsInTheFaceAndRestoresTheFont) {
  FaceCanvas canvas;
  canvas.SetFont({"Body", 33});
  EXPECT_TRUE(GridMisaligned(canvas, "Proportional", 60));
  EXPECT_FALSE(GridMisaligned(canvas, "Fixed", 60));
  EXPECT_EQ((platform::FontSpec{"Body", 33}), canvas.Font());
}

} // namespace
} // namespace zenpa::settings
