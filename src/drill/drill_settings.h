// The rules that turn what was typed into the もこさん panel's number boxes
// into usable values for the record's drill options. Each box is an
// edit with an up-down: the typed text is taken when it is a usable number,
// otherwise the up-down's position is taken and written back as text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zenpa::drill {

// A number box as the panel shows it: the typed text (ASCII digits) and the
// position of its up-down.
struct NumberBox {
  std::string text;
  int position = 0;
};

// Up-down ranges of the three boxes.
constexpr int kMinDigits = 4, kSpinMaxDigits = 33;
constexpr int kMinSheets = 1, kSpinMaxSheets = 99;
constexpr int kMinHints = 0, kMaxHints = 9;

// Largest digit count taken from a typed value. The frame of a sheet stays
// aligned up to three-digit counts (the time box shows them in two columns
// and the row numbers leave no room for a false cell), and the text of one
// sheet grows with the square of n, so larger values are cut to this.
constexpr int kMaxDigits = 999;

// Decimal integer with an optional sign, nothing else; nullopt otherwise.
std::optional<int> ParseInteger(std::string_view text);

// Digit count: a typed number of at least 4 is used (above 33 as typed, up to
// kMaxDigits); anything else gives the up-down's position.
int TakeDigitCount(NumberBox &box);

// Sheet count: below 1 becomes 1; not a number gives the position.
int TakeSheetCount(NumberBox &box);

// Hint count: above 9 becomes 9; not a number gives the position.
int TakeHintCount(NumberBox &box);

} // namespace zenpa::drill
