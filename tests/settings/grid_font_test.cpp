#include "settings/grid_font.h"

#include "base/sjis.h"
#include "platform/recording_canvas.h"

#include <gtest/gtest.h>

namespace zenpa::settings {
namespace {

// A face named "Proportional" draws the ruled lines narrower than digits.
class FaceCanvas : public platform::RecordingCanvas {
public:
  int TextWidth(std::string_view sjis) override {
    const int width = RecordingCanvas::TextWidth(sjis);
    const bool lines = sjis.find(base::Sj("─")) != std::string_view::npos;
    return Font().face == "Proportional" && lines ? width - 3 : width;
  }
};

TEST(GridFontTest, ComparesRuleAndDigitRowsInTheFaceAndRestoresTheFont) {
  FaceCanvas canvas;
  platform::FontSpec before;
  before.face = "Body";
  before.height = 33;
  canvas.SetFont(before);
  EXPECT_TRUE(GridMisaligned(canvas, "Proportional", 60));
  EXPECT_FALSE(GridMisaligned(canvas, "Fixed", 60));
  EXPECT_EQ(before, canvas.Font());
}

} // namespace
} // namespace zenpa::settings
