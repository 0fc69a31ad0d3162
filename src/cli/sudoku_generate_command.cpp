#include "cli/sudoku_generate_command.h"

#include "base/file_io.h"
#include "base/sjis.h"
#include "platform/text_memo.h"
#include "puzzle/engine/solver.h"
#include "puzzle/play/generator_grid.h"
#include "puzzle/play/generator_settings.h"
#include "puzzle/play/puzzle_block.h"
#include "puzzle/play/puzzle_file_writer.h"
#include "settings/print_format.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <thread>

namespace zenpa::cli {
namespace {

enum class OutputFormat { Line81, Nbp, Text };

struct GenerateOptions {
  int count = 1;
  int threads = 1;
  bool seeded = false;
  unsigned seed = 0;
  bool utf8 = false;
  bool windowGiven = false;
  OutputFormat format = OutputFormat::Line81;
  settings::PuzzleOptions puzzle; // the generator's numbers and technique switches
  bool techniqueGiven = false;
};

// Command-line names of the technique boxes 1..17.
constexpr const char *kTechniqueNames[] = {
    "",           "block-unique", "line-unique",  "cell-unique",   "localization",
    "naked-pair", "hidden-pair",  "naked-triple", "hidden-triple", "x-wing",
    "swordfish",  "skyscraper",   "xy-wing",      "remote-pair",   "2-string-kite",
    "empty-rect", "naked-quad",   "hidden-quad"};

std::optional<int> TechniqueBox(const std::string &name) {
  for (int box = 1; box <= puzzle::kBoxHiddenQuad; ++box) {
    if (name == kTechniqueNames[box])
      return box;
  }
  return std::nullopt;
}

std::optional<long> Number(const std::string &text, long lo, long hi) {
  char *end = nullptr;
  const long value = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || value < lo || value > hi)
    return std::nullopt;
  return value;
}

void PrintUsage(std::FILE *to) {
  std::fprintf(to,
               "Usage: zenpa sudoku generate [options]\n"
               "  -n COUNT            puzzles to make (default 1)\n"
               "  --clues N           givens aimed at, %d..%d (default 32)\n"
               "  --min N --max N     accepted clue counts (default: exactly --clues)\n"
               "  --symmetry NAME     none, 90, 180, four, lr, ud, x, slash, backslash\n"
               "  --technique NAME    tick a technique (repeatable); with --required only the\n"
               "                      hardest ticked one is accepted as the hardest used:\n"
               "                      block-unique line-unique cell-unique localization\n"
               "                      naked-pair hidden-pair naked-triple hidden-triple x-wing\n"
               "                      swordfish skyscraper xy-wing remote-pair 2-string-kite\n"
               "                      empty-rect naked-quad hidden-quad\n"
               "  --trials T          removal trials per complete grid, %d..%d (default 6)\n"
               "  --seed S            reproducible output (for a given -j)\n"
               "  -j THREADS          work with THREADS threads\n"
               "  --format 81|nbp|text  81-character lines, a puzzle file, or document text\n"
               "  --utf8              text format in UTF-8 instead of Shift-JIS\n",
               settings::kTargetGivensRange.min, settings::kTargetGivensRange.max,
               settings::kTrialsRange.min, settings::kTrialsRange.max);
}

bool ApplyValue(GenerateOptions &o, const std::string &arg, const std::string &value) {
  std::optional<long> n;
  if (arg == "-n" && (n = Number(value, 1, 1000000)))
    return o.count = static_cast<int>(*n), true;
  if (arg == "-j" && (n = Number(value, 1, 64)))
    return o.threads = static_cast<int>(*n), true;
  if (arg == "--clues" &&
      (n = Number(value, settings::kTargetGivensRange.min, settings::kTargetGivensRange.max)))
    return o.puzzle.targetGivens = static_cast<int>(*n), true;
  if (arg == "--min" && (n = Number(value, 0, 81)))
    return o.windowGiven = true, o.puzzle.lowerGivens = static_cast<int>(*n), true;
  if (arg == "--max" && (n = Number(value, 0, 81)))
    return o.windowGiven = true, o.puzzle.upperGivens = static_cast<int>(*n), true;
  if (arg == "--trials" &&
      (n = Number(value, settings::kTrialsRange.min, settings::kTrialsRange.max)))
    return o.puzzle.attempts = static_cast<int>(*n), true;
  if (arg == "--seed" && (n = Number(value, 0, 4294967295L)))
    return o.seeded = true, o.seed = static_cast<unsigned>(*n), true;
  if (arg == "--symmetry") {
    const auto s = play::SymmetryFromName(value);
    return s && (o.puzzle.symmetry = static_cast<int>(*s), true);
  }
  if (arg == "--technique") {
    const auto box = TechniqueBox(value);
    if (!box)
      return false;
    if (!o.techniqueGiven)
      o.puzzle.techniques.boxes.fill(false);
    o.techniqueGiven = true;
    o.puzzle.techniques.boxes[static_cast<std::size_t>(*box)] = true;
    return true;
  }
  if (arg == "--format") {
    if (value == "81" || value == "nbp" || value == "text") {
      o.format = value == "81"    ? OutputFormat::Line81
                 : value == "nbp" ? OutputFormat::Nbp
                                  : OutputFormat::Text;
      return true;
    }
  }
  return false;
}

bool ParseOptions(const Args &args, GenerateOptions &o) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string &arg = args[i];
    if (arg == "--required" || arg == "--utf8") {
      (arg == "--utf8" ? o.utf8 : o.puzzle.techniques.mustUseHardest) = true;
      continue;
    }
    if (i + 1 >= args.size() || !ApplyValue(o, arg, args[i + 1]))
      return false;
    ++i;
  }
  if (!o.windowGiven)
    o.puzzle.lowerGivens = o.puzzle.upperGivens = o.puzzle.targetGivens;
  // The condition panel is open (repeat mode): the ticked boxes limit the
  // safe solve and, with --required, gate the grader.
  o.puzzle.techniques.conditionsPanelShown = true;
  return o.puzzle.lowerGivens <= o.puzzle.upperGivens;
}

// Makes puzzles until one passes the acceptance test; returns its digits.
puzzle::PuzzleDigits MakeAccepted(const play::GeneratorSettings &s, puzzle::Engine &e,
                                  play::Random &rng) {
  play::GeneratorStatus status;
  play::GeneratorEnv env{rng, status};
  const play::RemovalSettings removal{s.options.targetGivens, s.options.attempts,
                                      play::SymmetryOf(s.options)};
  for (;;) {
    const puzzle::Grid solution = play::CompleteGrid(env);
    const play::RemovalResult r = play::RemovalTrials(e, solution, removal, env);
    const puzzle::PuzzleDigits digits = puzzle::GridDigits(r.puzzle);
    puzzle::LoadPuzzle(e, digits);
    e.Contradiction = false;
    puzzle::Solve(e);
    if (!e.Contradiction && play::Accepts(e.Options, s, e.Level, e.LevelSub, r.clues, r.success))
      return digits;
  }
}

std::string Line81(const puzzle::PuzzleDigits &digits) {
  std::string line;
  for (int d : digits)
    line += d == 0 ? '.' : static_cast<char>('0' + d);
  return line + "\n";
}

// One grid as a puzzle file holds it: nine rows and an empty line.
std::string NbpText(const puzzle::PuzzleDigits &digits) {
  std::vector<std::string> lines = play::PuzzleFileRows(digits, play::PuzzleDialect::Plain);
  lines.emplace_back();
  return base::JoinLines(lines);
}

std::string DocumentText(const puzzle::PuzzleDigits &digits, bool utf8) {
  platform::TextMemo memo;
  const settings::PrintFormat format;
  play::PuzzleBlockWriter writer(memo, format);
  writer.WritePuzzleBlock(digits);
  std::string text;
  for (const std::string &line : memo.Lines())
    text += utf8 ? base::SjisToUtf8(line) + "\n" : line + "\r\n";
  return text;
}

std::string Format(const GenerateOptions &o, const puzzle::PuzzleDigits &digits) {
  switch (o.format) {
  case OutputFormat::Nbp:
    return NbpText(digits);
  case OutputFormat::Text:
    return DocumentText(digits, o.utf8);
  case OutputFormat::Line81:
    break;
  }
  return Line81(digits);
}

// Thread t makes puzzles t, t + threads, ... with its own engine, settings and
// generator.
void Worker(const GenerateOptions &o, int t, std::vector<std::string> &out,
            std::atomic<int> &done) {
  settings::PuzzleOptions options = o.puzzle;
  const play::GeneratorSettings generator{options, false, {}};
  puzzle::Engine e;
  e.Options = options.techniques;
  const unsigned base =
      o.seeded ? o.seed
               : static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count());
  play::Random rng(base + 7919u * static_cast<unsigned>(t));
  for (int i = t; i < o.count; i += o.threads) {
    out[static_cast<std::size_t>(i)] = Format(o, MakeAccepted(generator, e, rng));
    ++done;
  }
}

// Runs the workers; shows progress on standard error after the first second.
std::vector<std::string> Generate(const GenerateOptions &o) {
  std::vector<std::string> out(static_cast<std::size_t>(o.count));
  std::atomic<int> done{0};
  std::vector<std::thread> workers;
  for (int t = 0; t < o.threads; ++t)
    workers.emplace_back(Worker, std::cref(o), t, std::ref(out), std::ref(done));
  const auto start = std::chrono::steady_clock::now();
  bool shown = false;
  while (done.load() < o.count) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    if (std::chrono::steady_clock::now() - start < std::chrono::seconds(1))
      continue;
    std::fprintf(stderr, "\rgenerated %d/%d", done.load(), o.count);
    shown = true;
  }
  for (std::thread &w : workers)
    w.join();
  if (shown)
    std::fprintf(stderr, "\rgenerated %d/%d\n", o.count, o.count);
  return out;
}

} // namespace

int RunSudokuGenerate(const Args &args) {
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
    PrintUsage(stdout);
    return 0;
  }
  GenerateOptions o;
  if (!ParseOptions(args, o)) {
    PrintUsage(stderr);
    return 2;
  }
  for (const std::string &text : Generate(o))
    std::fwrite(text.data(), 1, text.size(), stdout);
  return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace zenpa::cli
