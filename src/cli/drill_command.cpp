#include "cli/drill_command.h"

#include "base/file_io.h"
#include "base/sjis.h"
#include "drill/drill_settings.h"
#include "drill/drill_writer.h"
#include "drill/random_source.h"
#include "platform/text_memo.h"
#include "settings/print_format.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <random>
#include <string>

namespace zenpa::cli {
namespace {

constexpr const char *kUsage =
    "Usage: zenpa drill [-n DIGITS] [--sheets N] [--sub] [--hints H] [--hint-digit]\n"
    "                   [--answers] [--seed S] [-o FILE] [--utf8]\n\n"
    "Writes もこさん number-pyramid worksheets as Shift-JIS text with CR LF line ends,\n"
    "each sheet followed by a page-break line.\n\n"
    "  -n DIGITS     top digits per sheet, 4..999 (default 10)\n"
    "  --sheets N    number of sheets, 1..999 (default 1)\n"
    "  --sub         subtraction sheets (default addition)\n"
    "  --hints H     hint cells per row, 0..9 (default 0)\n"
    "  --hint-digit  show every cell holding the digit H instead\n"
    "  --answers     an answer sheet after each sheet\n"
    "  --seed S      seed of the random digits (default: from the system)\n"
    "  -o FILE       write to FILE instead of standard output\n"
    "  --utf8        write UTF-8 instead of Shift-JIS\n";

struct DrillRequest {
  settings::PrintFormat format; // the drill options; sheets go at the end
  std::optional<unsigned long long> seed;
  std::string outputPath;
  bool utf8 = false;
  bool help = false;
};

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

// Takes the value of option args[i] into `target`; false with a message when
// it is missing or out of range.
bool TakeNumber(const Args &args, std::size_t &i, long long lo, long long hi, long long &target) {
  const std::string &name = args[i];
  const auto value = i + 1 < args.size() ? WholeNumber(args[++i], lo, hi) : std::nullopt;
  if (value) {
    target = *value;
    return true;
  }
  std::fprintf(stderr, "zenpa drill: %s needs a whole number from %lld to %lld\n", name.c_str(), lo,
               hi);
  return false;
}

bool TakeInt(const Args &args, std::size_t &i, int lo, int hi, int &target) {
  long long value = 0;
  if (!TakeNumber(args, i, lo, hi, value))
    return false;
  target = static_cast<int>(value);
  return true;
}

// One option at args[i]; false with a message on a bad one.
bool TakeOption(const Args &args, std::size_t &i, DrillRequest &request) {
  settings::DrillOptions &s = request.format.drill;
  const std::string &arg = args[i];
  if (arg == "-n")
    return TakeInt(args, i, drill::kMinDigits, drill::kMaxDigits, s.digits);
  if (arg == "--sheets")
    return TakeInt(args, i, 1, 999, s.sheets);
  if (arg == "--hints")
    return TakeInt(args, i, drill::kMinHints, drill::kMaxHints, s.hint);
  if (arg == "--seed") {
    long long seed = 0;
    if (!TakeNumber(args, i, 0, INT64_MAX, seed))
      return false;
    request.seed = static_cast<unsigned long long>(seed);
    return true;
  }
  if (arg == "-o" && i + 1 < args.size()) {
    request.outputPath = args[++i];
    return true;
  }
  if (arg == "--sub")
    s.operation = settings::DrillOperation::Subtraction;
  else if (arg == "--hint-digit")
    s.hintByDigit = true;
  else if (arg == "--answers")
    s.appendAnswer = true;
  else if (arg == "--utf8")
    request.utf8 = true;
  else if (arg == "--help" || arg == "-h")
    request.help = true;
  else {
    std::fprintf(stderr, "zenpa drill: unknown or incomplete option '%s'\n%s", arg.c_str(), kUsage);
    return false;
  }
  return true;
}

std::optional<DrillRequest> ParseRequest(const Args &args) {
  DrillRequest request;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (!TakeOption(args, i, request))
      return std::nullopt;
  }
  return request;
}

// Lines with CR LF ends, converted line by line so the line ends stay bytes.
std::string RenderText(std::vector<std::string> lines, bool utf8) {
  if (utf8) {
    for (std::string &line : lines)
      line = base::SjisToUtf8(line);
  }
  return base::JoinLines(lines);
}

} // namespace

int RunDrill(const Args &args) {
  const auto request = ParseRequest(args);
  if (!request)
    return 2;
  if (request->help) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  drill::SeededRandom rng(request->seed ? *request->seed : std::random_device{}());
  platform::TextMemo memo;
  drill::Generate(memo, request->format, rng, [] { return true; });
  const std::string text = RenderText(memo.Lines(), request->utf8);
  if (request->outputPath.empty()) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
  }
  const base::IoResult result = base::WriteFileAtomic(request->outputPath, text);
  if (result.ok)
    return 0;
  std::fprintf(stderr, "zenpa drill: cannot write %s: %s\n", request->outputPath.c_str(),
               base::SjisToUtf8(result.error).c_str());
  return 1;
}

} // namespace zenpa::cli
