// The papers the program keeps as its own when no printer is installed: A3,
// B4 (JIS), A4, B5 (JIS), A5 and the Japanese postcard, each upright and
// turned, as the paper list shows them. Papers are named by their Windows
// paper codes, the numbers the format file stores. Sizes are whole
// millimetres, width × height as the paper stands; orientations are the
// format's (platform::kPortrait, platform::kLandscape).
#pragma once

#include <span>
#include <string>

namespace zenpa::print {

inline constexpr int kPaperA4 = 9;
inline constexpr int kPaperPostcard = 43;
// A second code for the Japanese postcard; it stands for kPaperPostcard.
inline constexpr int kPaperPostcardAlt = 263;

// One entry of the paper list.
struct PaperEntry {
  const char *name; // "Ａ４", "葉書" (UTF-8; PaperCaption gives Shift-JIS)
  int widthMm = 0;
  int heightMm = 0;
  int code = kPaperA4;
  int orientation = 0;
};

// The list in its order: the six papers upright, then the six turned.
std::span<const PaperEntry> PaperList();

// The entry of a paper code in an orientation: 263 is the postcard, a code
// not in the list is A4, any orientation but landscape is upright.
const PaperEntry &PaperOf(int code, int orientation);

// The entry's text in the list, "Ａ４縦 210 x 297 mm" (Shift-JIS).
std::string PaperCaption(const PaperEntry &entry);

} // namespace zenpa::print
