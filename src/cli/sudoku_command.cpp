#include "cli/sudoku_command.h"

#include "base/sjis.h"
#include "cli/option_values.h"
#include "cli/sudoku_batch.h"
#include "cli/sudoku_convert_command.h"
#include "cli/sudoku_generate_command.h"
#include "puzzle/engine/bitboard_solver.h"
#include "puzzle/engine/grader.h"
#include "puzzle/engine/trial.h"
#include "puzzle/play/grid_text.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>

namespace zenpa::cli {
namespace {

struct SudokuOptions {
  int threads = 1;
  int limit = 2;
  bool step = false;
  bool utf8 = false;
  std::vector<std::string> files;
};

// Text in the chosen encoding with its line end: Shift-JIS lines end in
// CR LF like the documents, UTF-8 lines in LF.
std::string Line(const SudokuOptions &options, const std::string &sjis) {
  return options.utf8 ? base::SjisToUtf8(sjis) + "\n" : sjis + "\r\n";
}

void Prepare(puzzle::Engine &e, const PuzzleLine &line) {
  e.Contradiction = false;
  e.RestartRequest = false;
  e.StepMode = false;
  e.StepKey = puzzle::kKeyNone;
  e.Observer = nullptr;
  puzzle::LoadPuzzle(e, line.digits);
}

const char *const kRepeatedGiven = "a given repeats in its row, column or block\n";

// Why a puzzle cannot be graded, worded for the command line.
std::string FaultText(puzzle::PuzzleFault fault) {
  switch (fault) {
  case puzzle::PuzzleFault::TooFewGivens:
    return "too few givens (at least 16 are needed)\n";
  case puzzle::PuzzleFault::Complete:
    return "the puzzle is already complete\n";
  case puzzle::PuzzleFault::BadAnswer:
    return "the filled grid is not a correct answer\n";
  case puzzle::PuzzleFault::Broken:
  case puzzle::PuzzleFault::None:
    break;
  }
  return kRepeatedGiven;
}

PuzzleOutput Grade(puzzle::Engine &e, const PuzzleLine &line, const SudokuOptions &options) {
  Prepare(e, line);
  const puzzle::PuzzleFault fault = puzzle::CheckPuzzle(e, false);
  if (fault != puzzle::PuzzleFault::None)
    return {"", Where(line) + FaultText(fault)};
  if (puzzle::Solve(e) == puzzle::SolveResult::Contradiction)
    return {"", Where(line) + "the puzzle has no answer\n"};
  const puzzle::GradeLabels labels =
      puzzle::GradeOf(e.ClueText, e.Level, e.LevelSub, e.BlockUniqueHUsed);
  return {Line(options, std::to_string(e.Level) + "\t" + labels.hardest + "\t" + e.ClueText + "\t" +
                            labels.difficulty),
          ""};
}

// Keeps the text of every step the solve shows.
class StepRecorder : public puzzle::StepObserver {
public:
  explicit StepRecorder(const puzzle::Engine &e) : e_(e) {}
  void ShowStatus(const std::string &, const std::string &) override {
    if (e_.StepNo == lastStep_)
      return;
    lastStep_ = e_.StepNo;
    steps.push_back(e_.StepText);
  }
  std::vector<std::string> steps;

private:
  const puzzle::Engine &e_;
  int lastStep_ = -1;
};

// Takes the first answer of the trial search.
class FirstAnswer : public puzzle::TrialListener {
public:
  bool StopRequested() override { return !text.empty(); }
  void Answer(const puzzle::TrialAnswer &answer, const puzzle::Engine &) override {
    text = answer.text;
  }
  std::string text;
};

// The techniques first; when they get stuck and the puzzle has answers, the
// first answer of the trial search.
std::string SolvedText(puzzle::Engine &e, const SudokuOptions &options, bool hasAnswer) {
  const puzzle::SolveResult result = puzzle::Solve(e);
  e.StepMode = false;
  if (result == puzzle::SolveResult::Contradiction)
    return Line(options, "-\t" + base::Sj("問題が異常です。"));
  if (result == puzzle::SolveResult::Solved)
    return Line(options, puzzle::GridText(e.CellGrid));
  if (!hasAnswer)
    return Line(options, "-\t" + base::Sj("解けませんでした。"));
  FirstAnswer first;
  puzzle::RunTrialSearch(e, first);
  if (first.text.empty())
    return Line(options, "-\t" + base::Sj("解けませんでした。"));
  return Line(options, first.text);
}

// A puzzle with exactly one answer takes it from the fast solver; the
// techniques and the trial search decide the rest (the '-' reasons, which of
// several answers comes first) and show the steps.
PuzzleOutput Solve(puzzle::Engine &e, const PuzzleLine &line, const SudokuOptions &options) {
  const puzzle::BitboardCount fast = puzzle::CountBitboardAnswers(line.digits, 2);
  if (fast.repeatedGiven)
    return {"", Where(line) + kRepeatedGiven};
  if (fast.count == 1 && !options.step) {
    std::string text(81, '0');
    for (int i = 0; i < 81; ++i)
      text[i] = static_cast<char>('0' + fast.first[i]);
    return {Line(options, text), ""};
  }
  Prepare(e, line);
  StepRecorder recorder(e);
  if (options.step) {
    e.StepMode = true;
    e.StepNo = 0;
    e.PlayerSteps = 0;
    e.StepTarget = puzzle::kNoStepTarget;
    e.Observer = &recorder;
  }
  const std::string answer = SolvedText(e, options, fast.count > 0);
  e.Observer = nullptr;
  PuzzleOutput output;
  output.failed = answer.front() == '-'; // "-", a tab and the reason: no answer
  for (const std::string &step : recorder.steps)
    output.out += Line(options, step);
  output.out += answer;
  return output;
}

PuzzleOutput Count(puzzle::Engine &, const PuzzleLine &line, const SudokuOptions &options) {
  const puzzle::BitboardCount fast = puzzle::CountBitboardAnswers(line.digits, options.limit);
  if (fast.repeatedGiven)
    return {"", Where(line) + kRepeatedGiven};
  return {Line(options, std::to_string(fast.count)), ""};
}

PuzzleOutput Show(puzzle::Engine &, const PuzzleLine &line, const SudokuOptions &options) {
  PuzzleOutput output;
  for (const std::string &text : play::GridBlockLines(play::GivenCells(line.digits)))
    output.out += Line(options, text);
  output.out += Line(options, "");
  return output;
}

using Job = PuzzleOutput (*)(puzzle::Engine &, const PuzzleLine &, const SudokuOptions &);

struct Subcommand {
  std::string_view name;
  Job job;
};

// Puzzle-line subcommands; the puzzle-making and file-conversion ones get
// their own lines here.
constexpr Subcommand kSubcommands[] = {
    {"grade", Grade},
    {"solve", Solve},
    {"count", Count},
    {"show", Show},
};

void PrintUsage(std::FILE *to) {
  std::fprintf(to, "Usage: zenpa sudoku grade|solve|count|show [options] [FILE...]\n"
                   "       zenpa sudoku generate [options] (see zenpa sudoku generate --help)\n"
                   "       zenpa sudoku convert|import (see zenpa sudoku convert --help)\n"
                   "Puzzles are lines of 81 characters: 1-9 givens, 0 or . open cells.\n"
                   "Without FILE the lines come from standard input.\n\n"
                   "  grade          LEVEL, hardest technique, clues and difficulty per puzzle\n"
                   "  solve          the answer as 81 digits, '-' and the reason without one\n"
                   "  count          the number of answers, at most the limit\n"
                   "  show           the puzzle as grid text\n\n"
                   "  -j N           work with N threads\n"
                   "  --limit N      count: stop counting at N answers (default 2)\n"
                   "  --step         solve: print each step before the answer\n"
                   "  --utf8         write UTF-8 instead of Shift-JIS\n");
}

constexpr std::string_view kCommand = "zenpa sudoku";
constexpr int kMaxThreads = 256;
constexpr int kMaxLimit = 1000000;

// Reads the options after the subcommand; false, with a message, on a usage error.
bool ParseOptions(const Args &args, SudokuOptions &options) {
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string &arg = args[i];
    if (arg == "--step" || arg == "--utf8") {
      (arg == "--step" ? options.step : options.utf8) = true;
      continue;
    }
    if (arg == "-j" || arg == "--limit") {
      const auto value =
          TakeWholeNumber(kCommand, args, i, 1, arg == "-j" ? kMaxThreads : kMaxLimit);
      if (!value)
        return false;
      (arg == "-j" ? options.threads : options.limit) = static_cast<int>(*value);
      continue;
    }
    if (arg.size() > 1 && arg[0] == '-') {
      UnknownOption(kCommand, arg);
      return false;
    }
    options.files.push_back(arg);
  }
  return true;
}

} // namespace

int RunSudoku(const Args &args, StandardOutput &out) {
  if (args.empty() || args[0] == "--help" || args[0] == "-h") {
    PrintUsage(args.empty() ? stderr : stdout);
    return args.empty() ? 2 : 0;
  }
  if (args[0] == "generate")
    return RunSudokuGenerate(Args(args.begin() + 1, args.end()), out);
  if (args[0] == "convert" || args[0] == "import")
    return RunSudokuConvert(args, out);
  const Subcommand *command = nullptr;
  for (const Subcommand &candidate : kSubcommands) {
    if (candidate.name == args[0])
      command = &candidate;
  }
  if (command == nullptr)
    Complain(kCommand, "unknown command '" + args[0] + "'");
  SudokuOptions options;
  if (command == nullptr || !ParseOptions(args, options)) {
    PrintUsage(stderr);
    return 2;
  }
  // Results are written as each block is done, stopping when standard
  // output fails; 1 when any puzzle failed.
  bool failed = false;
  const auto job = [&](puzzle::Engine &e, const PuzzleLine &line) {
    return command->job(e, line, options);
  };
  const bool written = RunBatch(options.files, options.threads, job, [&](const PuzzleOutput &r) {
    if (!out.Write(r.out))
      return false;
    std::fwrite(r.err.data(), 1, r.err.size(), stderr);
    failed = failed || r.failed || !r.err.empty();
    return true;
  });
  return written && !failed ? 0 : 1;
}

} // namespace zenpa::cli
