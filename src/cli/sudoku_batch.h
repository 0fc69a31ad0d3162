// Batches of puzzles for `zenpa sudoku`: puzzle lines read from files or
// standard input, checked, and worked on by several threads (one engine
// each) with the results kept in input order.
//
// A puzzle line holds 81 characters row by row: "1".."9" givens, "0" or "."
// open cells. Empty lines and lines starting with "#" are skipped.
//
// Only the reading and one quick pass that finds where each line starts run
// on one thread; trimming, checking and parsing a line run in the threads
// with the work on it, so that a batch scales with the threads.
#pragma once

#include "puzzle/engine/engine.h"
#include "puzzle/engine/solver.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zenpa::cli {

// The bytes of one input: a named file, or standard input ("-").
struct PuzzleSource {
  std::string name;
  std::string bytes;
  std::string error; // why the file cannot be read; empty when it was read
};

// The named files, or standard input when none is named, read whole.
std::vector<PuzzleSource> ReadPuzzleSources(const std::vector<std::string> &files);

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

// Runs job on every good line of the sources with the given number of
// threads, each with its own engine; bad lines give their error, and a
// source that could not be read gives one error. Results are in input order.
std::vector<PuzzleOutput> RunBatch(const std::vector<PuzzleSource> &sources, int threads,
                                   const PuzzleJob &job);

// "name:line: " in front of a diagnostic.
std::string Where(const PuzzleLine &line);

} // namespace zenpa::cli
