#include "drill/drill_settings.h"

#include <algorithm>
#include <charconv>

namespace zenpa::drill {
namespace {

// The up-down's position, kept inside its range, written back as the text.
int TakePosition(NumberBox &box, int lo, int hi) {
  const int value = std::clamp(box.position, lo, hi);
  box.text = std::to_string(value);
  return value;
}

// A typed value, changed to `value` in the box when it was corrected.
int Take(NumberBox &box, int typed, int value) {
  if (value != typed)
    box.text = std::to_string(value);
  return value;
}

} // namespace

std::optional<int> ParseInteger(std::string_view text) {
  // from_chars takes a leading "-" but not "+".
  if (text.size() > 1 && text.front() == '+' && text[1] != '-')
    text.remove_prefix(1);
  int value = 0;
  const char *end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc{} || stop != end)
    return std::nullopt;
  return value;
}

int TakeDigitCount(NumberBox &box) {
  const auto typed = ParseInteger(box.text);
  if (!typed || *typed < kMinDigits)
    return TakePosition(box, kMinDigits, kSpinMaxDigits);
  return Take(box, *typed, std::min(*typed, kMaxDigits));
}

int TakeSheetCount(NumberBox &box) {
  const auto typed = ParseInteger(box.text);
  if (!typed)
    return TakePosition(box, kMinSheets, kSpinMaxSheets);
  return Take(box, *typed, std::max(*typed, kMinSheets));
}

int TakeHintCount(NumberBox &box) {
  const auto typed = ParseInteger(box.text);
  if (!typed)
    return TakePosition(box, kMinHints, kMaxHints);
  return Take(box, *typed, std::min(*typed, kMaxHints));
}

} // namespace zenpa::drill
