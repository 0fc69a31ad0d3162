// Batches of puzzles for `zenpa sudoku`: puzzle lines read from files or
// standard input, checked, and worked on by several threads (one engine
// each) with the results kept in input order.
//
// A puzzle line holds 81 characters row by row: "1".."9" givens, "0" or "."
// open cells. Empty lines and lines starting with "#" are skipped.
#pragma once

#include "puzzle/engine/engine.h"
#include "puzzle/engine/solver.h"

#include <functional>
#include <string>
#include <vector>

namespace zenpa::cli {

struct PuzzleLine {
  std::string source; // file name, or "-" for standard input
  int lineNumber = 0; // 1-based
  puzzle::PuzzleDigits digits{};
  std::string error; // why the line is not a puzzle; empty when it is
};

// The puzzle lines of the named files, or of standard input when none is
// named. A file that cannot be read gives one line with its error.
std::vector<PuzzleLine> ReadPuzzleLines(const std::vector<std::string> &files);

// Parses one line; an error text (English) when it is not a puzzle.
PuzzleLine ParsePuzzleLine(std::string text);

// What one puzzle gives: text for standard output and for standard error.
// The command fails when any puzzle has error text or failed set (a puzzle
// that got no answer).
struct PuzzleOutput {
  std::string out;
  std::string err;
  bool failed = false;
};

using PuzzleJob = std::function<PuzzleOutput(puzzle::Engine &, const PuzzleLine &)>;

// Runs job on every good line with the given number of threads, each with
// its own engine; bad lines give their error. Results are in input order.
std::vector<PuzzleOutput> RunBatch(const std::vector<PuzzleLine> &lines, int threads,
                                   const PuzzleJob &job);

// "name:line: " in front of a diagnostic.
std::string Where(const PuzzleLine &line);

} // namespace zenpa::cli
