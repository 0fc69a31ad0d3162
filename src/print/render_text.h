// Texts and per-byte advance arrays of printed lines: page numbers, the
// header line, character spacing, fixed pitch and paired half-width
// characters.
//
// Texts are Shift-JIS bytes. Widths and advances are printer pixels measured
// with the font selected on the given FontMetrics. An advance array has one
// entry per byte: the character whose first byte is byte i stands at the
// line's x plus the advances of the bytes before i.
#pragma once

#include "platform/canvas.h"
#include "settings/print_format.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zenpa::print {

// The page-number start as a number: its text read as an integer, 1 when it
// is not one.
int PageNumberStartValue(std::string_view start);

// The number printed on page `page` (from 1): start − 1 + page, padded on the
// left with "0" to the length of the start text when that begins with "0".
std::string PaddedPageNumber(std::string_view start, int page);

// The start text as the field shows it after a run: the number, padded as
// above.
std::string NormalizedPageNumberStart(std::string_view start);

// pageNumberLeft + padded number + pageNumberRight.
std::string PageNumberText(const settings::PrintFormat &format, int page);

// The document's name as the header prints it: without directory, and
// without extension unless withExtension.
std::string HeaderFileName(std::string_view path, bool withExtension);

// Today's date in the short form "yyyy/mm/dd".
std::string TodayShortDate();

// What the header of one page shows besides the format's switches.
struct HeaderSource {
  std::string fileName; // as HeaderFileName gives it, or the override text
  std::string date;     // short date text
};

// The header line of `page`. `mirrored` puts the page number first (even
// pages without aligned headers); otherwise it stands last, at the outer
// edge.
std::string HeaderText(const settings::PrintFormat &format, const HeaderSource &source, int page,
                       bool mirrored);

// Kind of each byte of a printed line.
enum ByteKind : std::uint8_t {
  kLeadByte = 0,   // first byte of a double-byte character
  kSingleByte = 1, // single-byte character that may be paired
  kTrailByte = 2,  // second byte of a double-byte character
  kNoPairByte = 3, // single-byte character listed in noPairChars
};

struct LineAdvances {
  std::vector<int> advances;       // one per byte
  std::vector<std::uint8_t> kinds; // ByteKind, one per byte
  int extra = 0;                   // character spacing added per byte, pixels
  int shift = 0;                   // offset of the first glyph from the line's x (fixed pitch)
};

// Width of the half-width cell of fixed-pitch printing: a tenth of the width
// of "┗━┷━┷━┻━┷━" with character spacing, halved (round(w × cs / 100 / 20)).
int FixedPitchCell(platform::FontMetrics &metrics, int charSpacing);

// Advances of `text`. Without fixed pitch (fixedCell 0) every byte gets
// extra = round(width(text) × (charSpacing − 100) / 100 / bytes): a
// double-byte character advances by its width + 2 × extra (the lead byte
// carries 2 × extra, the trail byte the width), a single-byte one by its
// width + extra. With fixed pitch every character is centred in cells of
// fixedCell per byte, so that all lines share one grid of half-width cells.
LineAdvances ComputeAdvances(platform::FontMetrics &metrics, std::string_view text, int charSpacing,
                             int fixedCell, std::string_view noPairChars);

// Start bytes of the pairs of adjacent pairable single-byte characters,
// taken left to right, two at a time.
std::vector<std::size_t> FindPairs(const std::vector<std::uint8_t> &kinds);

// Sum of advances[0 .. end).
int AdvanceBefore(const std::vector<int> &advances, std::size_t end);

} // namespace zenpa::print
