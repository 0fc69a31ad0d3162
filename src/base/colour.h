// Colours are 32-bit values in the 0x00BBGGRR form. Files write them as "$"
// followed by six hexadecimal digits, blue, green, red: pure red is "$0000FF".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zenpa::base {

using Colour = std::uint32_t;

constexpr Colour RGB(int r, int g, int b) {
  return static_cast<Colour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(Colour c) { return c & 0xFF; }
constexpr int GreenOf(Colour c) { return (c >> 8) & 0xFF; }
constexpr int BlueOf(Colour c) { return (c >> 16) & 0xFF; }

// "$BBGGRR", upper-case hexadecimal.
std::string ColourToText(Colour c);

// "$" + hexadecimal digits; a value that does not begin with "$" is read as a
// decimal integer; 0 when neither reads. Only the low 24 bits are kept.
Colour ColourFromText(std::string_view text);

} // namespace zenpa::base
