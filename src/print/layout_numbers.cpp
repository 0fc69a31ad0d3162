#include "print/layout_numbers.h"

#include <limits>

namespace zenpa::print {

std::optional<int> ReadInteger(std::string_view t) {
  std::size_t i = t.find_first_not_of(' ');
  if (i == std::string_view::npos) {
    return std::nullopt;
  }
  const bool negative = t[i] == '-';
  if (t[i] == '-' || t[i] == '+') {
    ++i;
  }
  if (i == t.size()) {
    return std::nullopt;
  }
  long long value = 0;
  for (; i < t.size(); ++i) {
    if (t[i] < '0' || t[i] > '9') {
      return std::nullopt;
    }
    value = value * 10 + (t[i] - '0');
    if (value > std::numeric_limits<int>::max()) {
      return std::nullopt;
    }
  }
  return static_cast<int>(negative ? -value : value);
}

} // namespace zenpa::print
