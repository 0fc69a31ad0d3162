// Drawing surface of the print engine: a printer page, a PDF page or the
// preview picture.
//
// Coordinates and lengths are device pixels (printer pixels). The origin is
// the device's: the printable corner on a printer or PDF page, the paper
// corner on the preview picture. Text is Shift-JIS bytes; colours are
// 0x00BBGGRR values. A font is selected by face, cell height and style and
// may be turned by an escapement in tenths of a degree, counted
// counter-clockwise as seen on the page, about the text's reference point.
// The reference point of a text is the top-left corner of its first
// character cell in the text's own (unturned) frame.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zenpa::platform {

// A font as the print engine selects it.
struct FontSpec {
  std::string face; // face name, Shift-JIS, as the format stores it
  int height = 0;   // cell height (ascent + descent) in device pixels
  bool bold = false;
  bool italic = false;
  bool underline = false;
  int escapement = 0; // tenths of a degree, counter-clockwise; -2700 reads upwards

  friend bool operator==(const FontSpec &, const FontSpec &) = default;
};

// A rectangle in device pixels; right and bottom are exclusive.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  friend bool operator==(const Rect &, const Rect &) = default;
};

enum class PenStyle { Solid, Dotted };

// Measuring with the selected font. A width is the sum of the natural
// advances of the characters, unturned; the height is the font's cell height.
class FontMetrics {
public:
  virtual ~FontMetrics() = default;
  virtual int TextWidth(std::string_view sjis) = 0;
  virtual int TextHeight(std::string_view sjis) = 0;
};

class Canvas : public FontMetrics {
public:
  virtual void SetFont(const FontSpec &font) = 0;
  virtual FontSpec Font() const = 0;
  virtual void SetTextColor(std::uint32_t bgr) = 0;

  // Text with its natural advances, reference point at (x, y), unclipped.
  virtual void DrawText(int x, int y, std::string_view sjis) = 0;

  // Text placed glyph by glyph: the character whose first byte is byte i
  // stands at x plus the advances of all bytes before i. `advances` holds one
  // entry per byte of `sjis`. Nothing is drawn outside `clip`.
  virtual void DrawTextAdvances(int x, int y, std::string_view sjis, std::span<const int> advances,
                                const Rect &clip) = 0;

  virtual void SetPen(std::uint32_t bgr, PenStyle style) = 0;
  virtual void DrawLine(int x1, int y1, int x2, int y2) = 0;
  // Outline of r with the pen; the inside is left untouched.
  virtual void DrawRect(const Rect &r) = 0;
  virtual void FillRect(const Rect &r, std::uint32_t bgr) = 0;
};

} // namespace zenpa::platform
