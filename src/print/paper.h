// The papers the program keeps as its own when no printer is installed: A3,
// B4 (JIS), A4, B5 (JIS), A5 and the Japanese postcard, each upright and
// turned, as the paper list shows them. Papers are named by their Windows
// paper codes, the numbers the format file stores. Sizes are whole
// millimetres, width × height as the paper stands; orientations are the
// format's (platform::kPortrait, platform::kLandscape).
#pragma once

#include <span>
#include <string>

#include "platform/printer.h"
#include "settings/print_format.h"

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

// The list's index of the format's paper.
int PaperIndexOf(int code, int orientation);

// A paper-edge cut after the paper changed size: it moves with the edge,
// so the usable length stays, but never below 0. A cut of 0 stays 0.
int CutAfterPaperChange(int cutMm, int oldSizeMm, int newSizeMm);

// Choosing a list entry without a printer: the format takes its code and
// orientation, and the paper-edge cuts follow the change of size.
void ChoosePaper(settings::PrintFormat &format, const PaperEntry &entry);

// Writes the format's paper into the printer. A postcard code the printer
// answers with a paper 100 mm on neither side is tried once more with the
// other postcard code.
void ApplyPaperToPrinter(platform::Printer &printer, int code, int orientation);

} // namespace zenpa::print
