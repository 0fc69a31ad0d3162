#include "cli/drill_command.h"

#include "base/file_io.h"
#include "base/sjis.h"
#include "cli/option_values.h"
#include "cli/stderr_host.h"
#include "drill/drill_settings.h"
#include "drill/drill_writer.h"
#include "drill/random_source.h"
#include "platform/text_memo.h"
#include "settings/print_format.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
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
    "  --utf8        write UTF-8 instead of Shift-JIS\n\n"
    "Standard output is written sheet by sheet, whatever its size. A file (-o)\n"
    "is made whole before it replaces the old one, so requests whose file would\n"
    "pass 512 MB are refused.\n";

struct DrillRequest {
  settings::PrintFormat format; // the drill options; sheets go at the end
  std::optional<unsigned long long> seed;
  std::string outputPath;
  bool utf8 = false;
  bool help = false;
};

constexpr std::string_view kCommand = "zenpa drill";

// One option at args[i]; false with a message on a bad one.
bool TakeOption(const Args &args, std::size_t &i, DrillRequest &request) {
  settings::DrillOptions &s = request.format.drill;
  const std::string &arg = args[i];
  if (arg == "-n")
    return TakeInt(kCommand, args, i, drill::kMinDigits, drill::kMaxDigits, s.digits);
  if (arg == "--sheets")
    return TakeInt(kCommand, args, i, 1, 999, s.sheets);
  if (arg == "--hints")
    return TakeInt(kCommand, args, i, drill::kMinHints, drill::kMaxHints, s.hint);
  if (arg == "--seed") {
    const auto seed = TakeWholeNumber(kCommand, args, i, 0, INT64_MAX);
    if (seed)
      request.seed = static_cast<unsigned long long>(*seed);
    return seed.has_value();
  }
  if (arg == "-o") {
    if (i + 1 < args.size())
      request.outputPath = args[++i];
    if (request.outputPath.empty())
      Complain(kCommand, "-o needs a file name");
    return !request.outputPath.empty();
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
    UnknownOption(kCommand, arg);
    std::fputs(kUsage, stderr);
    return false;
  }
  return true;
}

// The largest file a request may ask for (a file is made whole in memory
// before it replaces the old one): 999 sheets of the widest pyramid with
// answers would be about 12 GB.
constexpr std::uint64_t kMegabyte = 1024 * 1024;
constexpr std::uint64_t kMaxOutputBytes = 512 * kMegabyte;

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

// Writes the sheets one by one, each with its answer sheet when asked: to
// standard output as soon as each is made, or into the text for the file.
// Every sheet of a request has the same size, so the first one tells how
// large the whole file would be; a file over the limit is refused before
// anything is written.
int WriteSheets(const DrillRequest &request, drill::RandomSource &rng, StandardOutput &out,
                std::string &fileText) {
  settings::PrintFormat one = request.format;
  one.drill.sheets = 1;
  const int sheets = request.format.drill.sheets;
  for (int sheet = 0; sheet < sheets && !out.Failed(); ++sheet) {
    platform::TextMemo memo;
    drill::Generate(memo, one, rng, [] { return true; });
    const std::string text = RenderText(memo.Lines(), request.utf8);
    const std::uint64_t total = text.size() * static_cast<std::uint64_t>(sheets);
    if (sheet == 0 && !request.outputPath.empty() && total > kMaxOutputBytes) {
      Complain(kCommand, "the file would be " + std::to_string(total / kMegabyte) +
                             " MB, more than the limit of " +
                             std::to_string(kMaxOutputBytes / kMegabyte) +
                             " MB; ask for fewer sheets or digits");
      return 2;
    }
    if (sheet == 0)
      fileText.reserve(request.outputPath.empty() ? 0 : total);
    if (request.outputPath.empty())
      out.WriteNow(text);
    else
      fileText += text;
  }
  return 0;
}

} // namespace

int RunDrill(const Args &args, StandardOutput &out) {
  const auto request = ParseRequest(args);
  if (!request)
    return 2;
  if (request->help) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  drill::SeededRandom rng(request->seed ? *request->seed : std::random_device{}());
  std::string text;
  const int status = WriteSheets(*request, rng, out, text);
  if (status != 0 || request->outputPath.empty())
    return status;
  const base::IoResult result = base::WriteFileAtomic(request->outputPath, text);
  if (result.ok)
    return 0;
  std::fprintf(stderr, "zenpa drill: cannot write %s: %s\n", request->outputPath.c_str(),
               std::strerror(result.errorNumber));
  return 1;
}

} // namespace zenpa::cli
