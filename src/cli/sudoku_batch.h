// Batches of puzzles for `zenpa sudoku`: puzzle lines read from files or
// standard input block by block, checked, and worked on by several threads
// (one engine each) with the results written in input order as each block is
// done.
//
// A puzzle line holds 81 characters row by row: "1".."9" givens, "0" or "."
// open cells. Empty lines and lines starting with "#" are skipped.
//
// Only the reading and one quick pass that finds where each line of a block
// starts run on one thread; trimming, checking and parsing a line run in the
// threads with the work on it, so that a batch scales with the threads.
#pragma once

#include "puzzle/engine/engine.h"
#include "puzzle/engine/solver.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zenpa::cli {

// Longest puzzle line read: a longer one (a file of zeros without line ends,
// say) stops its input with an error at its line number.
constexpr std::size_t kMaxLineBytes = 1 << 20;

struct PuzzleLine {
  std::string_view source; // file name, or "-" for standard input
  int lineNumber = 0;      // 1-based
  puzzle::PuzzleDigits digits{};
  std::string error; // why the line is not a puzzle; empty when it is
};

// Parses one line; an error text (English) when it is not a puzzle.
PuzzleLine ParsePuzzleLine(std::string_view text);

// What one line gives: text for standard output and for standard error.
// The command fails when any puzzle has error text or failed set (a puzzle
// that got no answer). Skipped lines give nothing.
struct PuzzleOutput {
  std::string out;
  std::string err;
  bool failed = false;
};

using PuzzleJob = std::function<PuzzleOutput(puzzle::Engine &, const PuzzleLine &)>;

// Hands one result on in input order; false stops the batch (standard
// output failed).
using PuzzleSink = std::function<bool(const PuzzleOutput &)>;

// Runs job on every good line of the files (standard input when none is
// named, or for "-") with the given number of threads, each with its own
// engine, and hands the results to sink in input order. The input is read and
// worked on a block of lines at a time, so memory stays bounded whatever its
// size. Bad lines give their error; a file that cannot be read, or a line
// longer than kMaxLineBytes, gives one error and ends that file. False when
// sink stopped the batch.
bool RunBatch(const std::vector<std::string> &files, int threads, const PuzzleJob &job,
              const PuzzleSink &sink);

// The whole of one input ("-": standard input) for a command that works on
// all of it at once. Reading stops at a line longer than kMaxLineBytes; the
// error then reads "name:line: " and why (line 0 when the file cannot be
// opened), and the bytes are empty.
struct WholeInput {
  std::string bytes;
  std::string error;
};
WholeInput ReadWholeInput(const std::string &name);

// "name:line: " in front of a diagnostic.
std::string Where(const PuzzleLine &line);

} // namespace zenpa::cli
