#include "settings/grid_font.h"

#include "base/sjis.h"

namespace zenpa::settings {

bool GridMisaligned(platform::Canvas &canvas, const std::string &face, int height) {
  const platform::FontSpec held = canvas.Font();
  platform::FontSpec font;
  font.face = face;
  font.height = height;
  canvas.SetFont(font);
  const int rule = canvas.TextWidth(base::Sj("┠─┼─┼─╂"));
  const int digits = canvas.TextWidth(base::Sj("┠１│２│３┃"));
  canvas.SetFont(held);
  return rule != digits;
}

} // namespace zenpa::settings
