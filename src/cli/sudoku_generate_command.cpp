#include "cli/sudoku_generate_command.h"

#include "base/file_io.h"
#include "base/sjis.h"
#include "cli/option_values.h"
#include "platform/text_memo.h"
#include "puzzle/engine/solver.h"
#include "puzzle/play/generator_grid.h"
#include "puzzle/play/generator_settings.h"
#include "puzzle/play/puzzle_block.h"
#include "puzzle/play/puzzle_file_writer.h"
#include "settings/print_format.h"

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <map>
#include <mutex>
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

constexpr std::string_view kCommand = "zenpa sudoku generate";
constexpr std::string_view kSymmetries = "none, 90, 180, four, lr, ud, x, slash, backslash";
constexpr std::string_view kFormats = "81, nbp, text";
constexpr int kMaxCount = 1000000;
constexpr int kMaxThreads = 64;

std::string TechniqueChoices() {
  std::string choices;
  for (int box = 1; box <= puzzle::kBoxHiddenQuad; ++box)
    choices += (box > 1 ? ", " : "") + std::string(kTechniqueNames[box]);
  return choices;
}

int TechniqueBox(const std::string &name) {
  int box = 1;
  while (box < puzzle::kBoxHiddenQuad && name != kTechniqueNames[box])
    ++box;
  return box;
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

// Ticks the technique named after args[i]; the first one clears the others.
bool TakeTechnique(const Args &args, std::size_t &i, GenerateOptions &o) {
  const auto name = TakeChoice(kCommand, args, i, TechniqueChoices());
  if (!name)
    return false;
  if (!o.techniqueGiven)
    o.puzzle.techniques.boxes.fill(false);
  o.techniqueGiven = true;
  o.puzzle.techniques.boxes[static_cast<std::size_t>(TechniqueBox(*name))] = true;
  return true;
}

bool TakeFormat(const Args &args, std::size_t &i, GenerateOptions &o) {
  const auto name = TakeChoice(kCommand, args, i, kFormats);
  if (name)
    o.format = *name == "81"    ? OutputFormat::Line81
               : *name == "nbp" ? OutputFormat::Nbp
                                : OutputFormat::Text;
  return name.has_value();
}

// One option at args[i] (with its value); false with a message on a bad one.
bool TakeOption(const Args &args, std::size_t &i, GenerateOptions &o) {
  const std::string &arg = args[i];
  settings::PuzzleOptions &p = o.puzzle;
  if (arg == "--required" || arg == "--utf8") {
    (arg == "--utf8" ? o.utf8 : p.techniques.mustUseHardest) = true;
    return true;
  }
  if (arg == "-n")
    return TakeInt(kCommand, args, i, 1, kMaxCount, o.count);
  if (arg == "-j")
    return TakeInt(kCommand, args, i, 1, kMaxThreads, o.threads);
  const settings::NumberRange givens = settings::kTargetGivensRange;
  if (arg == "--clues")
    return TakeInt(kCommand, args, i, givens.min, givens.max, p.targetGivens);
  if (arg == "--min" || arg == "--max") {
    o.windowGiven = true;
    return TakeInt(kCommand, args, i, 0, 81, arg == "--min" ? p.lowerGivens : p.upperGivens);
  }
  if (arg == "--trials")
    return TakeInt(kCommand, args, i, settings::kTrialsRange.min, settings::kTrialsRange.max,
                   p.attempts);
  if (arg == "--seed") {
    const auto seed = TakeWholeNumber(kCommand, args, i, 0, 4294967295LL);
    o.seed = static_cast<unsigned>(seed.value_or(0));
    return o.seeded = seed.has_value();
  }
  if (arg == "--symmetry") {
    const auto name = TakeChoice(kCommand, args, i, kSymmetries);
    p.symmetry = name ? static_cast<int>(*play::SymmetryFromName(*name)) : p.symmetry;
    return name.has_value();
  }
  if (arg == "--technique")
    return TakeTechnique(args, i, o);
  if (arg == "--format")
    return TakeFormat(args, i, o);
  UnknownOption(kCommand, arg);
  return false;
}

bool ParseOptions(const Args &args, GenerateOptions &o) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (!TakeOption(args, i, o))
      return false;
  }
  if (!o.windowGiven)
    o.puzzle.lowerGivens = o.puzzle.upperGivens = o.puzzle.targetGivens;
  // The condition panel is open (repeat mode): the ticked boxes limit the
  // safe solve and, with --required, gate the grader.
  o.puzzle.techniques.conditionsPanelShown = true;
  if (o.puzzle.lowerGivens <= o.puzzle.upperGivens)
    return true;
  Complain(kCommand, "--min must not be greater than --max");
  return false;
}

// Makes puzzles until one passes the acceptance test; returns its digits, or
// nothing when stopped first.
std::optional<puzzle::PuzzleDigits> MakeAccepted(const play::GeneratorSettings &s,
                                                 puzzle::Engine &e, play::Random &rng,
                                                 const std::atomic<bool> &stop) {
  play::GeneratorStatus status;
  play::GeneratorEnv env{rng, status};
  const play::RemovalSettings removal{s.options.targetGivens, s.options.attempts,
                                      play::SymmetryOf(s.options)};
  while (!stop) {
    const puzzle::Grid solution = play::CompleteGrid(env);
    const play::RemovalResult r = play::RemovalTrials(e, solution, removal, env);
    const puzzle::PuzzleDigits digits = puzzle::GridDigits(r.puzzle);
    puzzle::LoadPuzzle(e, digits);
    e.Contradiction = false;
    puzzle::Solve(e);
    if (!e.Contradiction && play::Accepts(e.Options, s, e.Level, e.LevelSub, r.clues, r.success))
      return digits;
  }
  return std::nullopt;
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

// Finished puzzles waiting for their turn in the output order. The workers
// put them in; the writer takes them out one by one in order, so only those
// made ahead of their turn are held.
class Finished {
public:
  void Put(int index, std::string text) {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      waiting_.emplace(index, std::move(text));
      ++made_;
    }
    ready_.notify_one();
  }
  // Waits a moment for puzzle `index`; nothing when it is not made yet.
  std::optional<std::string> Take(int index) {
    std::unique_lock<std::mutex> lock(mutex_);
    ready_.wait_for(lock, std::chrono::milliseconds(50), [&] { return waiting_.count(index) > 0; });
    const auto found = waiting_.find(index);
    if (found == waiting_.end())
      return std::nullopt;
    std::string text = std::move(found->second);
    waiting_.erase(found);
    return text;
  }
  int Made() {
    const std::lock_guard<std::mutex> lock(mutex_);
    return made_;
  }
  std::atomic<bool> stop{false}; // the output failed: make no more

private:
  std::mutex mutex_;
  std::condition_variable ready_;
  std::map<int, std::string> waiting_;
  int made_ = 0;
};

// Thread t makes puzzles t, t + threads, ... with its own engine, settings and
// generator.
void Worker(const GenerateOptions &o, int t, Finished &finished) {
  settings::PuzzleOptions options = o.puzzle;
  const play::GeneratorSettings generator{options, false, {}};
  puzzle::Engine e;
  e.Options = options.techniques;
  const unsigned base =
      o.seeded ? o.seed
               : static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count());
  play::Random rng(base + 7919u * static_cast<unsigned>(t));
  for (int i = t; i < o.count; i += o.threads) {
    const auto digits = MakeAccepted(generator, e, rng, finished.stop);
    if (!digits)
      return;
    finished.Put(i, Format(o, *digits));
  }
}

// Writes each puzzle as soon as its turn comes, so that an interrupted run
// keeps what it made. A terminal on standard error shows the progress after
// the first second.
void WriteInOrder(const GenerateOptions &o, Finished &finished, StandardOutput &out) {
  const bool progress = ::isatty(STDERR_FILENO) == 1;
  const auto start = std::chrono::steady_clock::now();
  bool shown = false;
  for (int next = 0; next < o.count && !out.Failed();) {
    if (const std::optional<std::string> text = finished.Take(next)) {
      out.WriteNow(*text);
      ++next;
      continue;
    }
    if (!progress || std::chrono::steady_clock::now() - start < std::chrono::seconds(1))
      continue;
    std::fprintf(stderr, "\rgenerated %d/%d", finished.Made(), o.count);
    shown = true;
  }
  if (shown)
    std::fprintf(stderr, "\rgenerated %d/%d\n", finished.Made(), o.count);
}

} // namespace

int RunSudokuGenerate(const Args &args, StandardOutput &out) {
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
    PrintUsage(stdout);
    return 0;
  }
  GenerateOptions o;
  if (!ParseOptions(args, o)) {
    PrintUsage(stderr);
    return 2;
  }
  Finished finished;
  std::vector<std::thread> workers;
  for (int t = 0; t < o.threads; ++t)
    workers.emplace_back(Worker, std::cref(o), t, std::ref(finished));
  WriteInOrder(o, finished, out);
  finished.stop = true;
  for (std::thread &w : workers)
    w.join();
  return 0;
}

} // namespace zenpa::cli
