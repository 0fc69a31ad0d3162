#include "cli/option_values.h"

#include <cstdio>
#include <exception>

namespace zenpa::cli {
namespace {

std::optional<long long> WholeNumber(const std::string &text, long long lo, long long hi) {
  std::size_t used = 0;
  try {
    const long long value = std::stoll(text, &used);
    if (used == text.size() && value >= lo && value <= hi)
      return value;
  } catch (const std::exception &) {
  }
  return std::nullopt;
}

// True when text is one of the choices "a, b, c".
bool IsChoice(std::string_view choices, std::string_view text) {
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = choices.find(", ", start);
    if (choices.substr(start, comma - start) == text)
      return true;
    if (comma == std::string_view::npos)
      return false;
    start = comma + 2;
  }
}

} // namespace

void Complain(std::string_view command, const std::string &text) {
  std::fprintf(stderr, "%.*s: %s\n", static_cast<int>(command.size()), command.data(),
               text.c_str());
}

std::optional<long long> TakeWholeNumber(std::string_view command, const Args &args, std::size_t &i,
                                         long long lo, long long hi) {
  const std::string &name = args[i];
  const auto value = i + 1 < args.size() ? WholeNumber(args[++i], lo, hi) : std::nullopt;
  if (!value)
    Complain(command, name + " needs a whole number from " + std::to_string(lo) + " to " +
                          std::to_string(hi));
  return value;
}

bool TakeInt(std::string_view command, const Args &args, std::size_t &i, long long lo, long long hi,
             int &target) {
  const auto value = TakeWholeNumber(command, args, i, lo, hi);
  if (value)
    target = static_cast<int>(*value);
  return value.has_value();
}

std::optional<std::string> TakeChoice(std::string_view command, const Args &args, std::size_t &i,
                                      std::string_view choices) {
  const std::string &name = args[i];
  if (i + 1 < args.size() && IsChoice(choices, args[i + 1]))
    return args[++i];
  i += i + 1 < args.size() ? 1 : 0;
  Complain(command, name + " needs one of " + std::string(choices));
  return std::nullopt;
}

void UnknownOption(std::string_view command, const std::string &arg) {
  Complain(command, "unknown option '" + arg + "'");
}

} // namespace zenpa::cli
