// Measuring text for the page layout: widths and heights of Shift-JIS text in
// printer pixels with a given face and cell height. The desktop measures
// with the printer's (or PDF's) real fonts; CellMeasurer is a deterministic
// stand-in for tests and benchmarks.
#pragma once

#include <string>
#include <string_view>

namespace zenpa::print {

struct FontChoice {
  std::string face;    // Shift-JIS face name
  int pixelHeight = 0; // cell height in printer pixels
  bool bold = false;
  bool italic = false;
  bool underline = false;
};

class TextMeasurer {
public:
  virtual ~TextMeasurer() = default;
  virtual int TextWidth(const FontChoice &font, std::string_view text) = 0;
  virtual int TextHeight(const FontChoice &font, std::string_view text) = 0;
};

// Every byte is half a cell wide (so a double-byte character is one cell);
// the text height is the cell height.
class CellMeasurer : public TextMeasurer {
public:
  int TextWidth(const FontChoice &font, std::string_view text) override {
    return static_cast<int>(text.size()) * font.pixelHeight / 2;
  }
  int TextHeight(const FontChoice &font, std::string_view) override { return font.pixelHeight; }
};

} // namespace zenpa::print
