// The lines of a format file as one table: for every setting line its
// comment text (whose first six bytes are the key readers look for), which
// part of the file it belongs to, how its value is written and how a read
// value is checked and applied. Used by format_file.cpp only.
#pragma once

#include "settings/format_file.h"
#include "settings/print_format.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zenpa::settings::detail {

// Parts of the file, in writing order; each is written under its own condition.
enum class Group {
  Main,           // print settings, every file
  Puzzle,         // puzzle, assist and game options
  Conditions,     // the flag of the puzzle conditions menu
  ConditionsBody, // written only while that menu is shown
  Record,         // the flag of the auto-record panel
  RecordBody,     // written only while that panel is shown
  Drill,          // drill options
  ReadOnly,       // keys of older files and alternative keys: read, never written
};

// Why reading stopped at a line.
enum class LineError { None, NotANumber, OutOfRange, TooManySlots, NotText };

// What a load carries from one line to the next.
struct ReadState {
  const LoadContext &ctx;
  int slotsRead = 0; // how-to-play lines met so far
};

struct LineSpec {
  std::string comment; // Shift-JIS text after the comma
  Group group;
  bool inPuzzleFile; // also written to a file named "nbpzpf..."
  std::function<std::string(PrintFormat &, const SaveContext &)> value;
  std::function<LineError(PrintFormat &, std::string_view, ReadState &)> apply;
  // For the few lines whose comment carries current values.
  std::function<std::string(const PrintFormat &, const SaveContext &)> liveComment;
  std::string nextLine; // a comment-only line written after this one, if any
};

inline constexpr std::size_t kKeyBytes = 6;

// Every line in writing order.
const std::vector<LineSpec> &LineTable();

// The line with the given key, or nullptr.
const LineSpec *FindLine(std::string_view key);

// The puzzle title and how-to-play lines, and the line written again at the
// end of a puzzle format.
const LineSpec &TitleSpec();
const LineSpec &HowToPlaySpec();
const LineSpec &HowToPlayReduceLine();

// Values as the file holds them (format_values.cpp).

inline constexpr long long kSpinMin = -32768; // spinner fields hold 16-bit values
inline constexpr long long kSpinMax = 32767;

// Numbers: blanks around them are allowed, anything else is not a number.
std::optional<long long> ParseInteger(std::string_view text);
std::optional<double> ParseDecimal(std::string_view text);

// A spinner value: a number within 16 bits, clamped to lo..hi.
LineError ReadSpin(std::string_view text, int lo, int hi, int &out);

// Four numbers separated by blanks: left, top, width, height in mm.
LineError ReadFrame(std::string_view text, FrameRect &frame);

std::string FlagText(bool on);

// Points with at most one decimal ("12", "10.5").
std::string FontSizeText(double points);

// A text as written: a comma would end the value early, so it becomes the
// full-width comma.
std::string TextValue(std::string_view text);

// At most maxBytes, never ending inside a double-byte character.
std::string CutText(std::string_view text, std::size_t maxBytes);

} // namespace zenpa::settings::detail
