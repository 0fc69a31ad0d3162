#include "settings/grid_font.h"

#include "base/sjis.h"
#include "platform/recording_canvas.h"

#include <gtest/gtest.h>

namespace zenpa::settings {
namespace {

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
