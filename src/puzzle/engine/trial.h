// Trial placement: the search for answers when the techniques get stuck.
//
// Stage 1 tries one placement at a time: for k = 2..9, every cell of
// TrialBase with exactly k candidates (rows top to bottom, columns left to
// right) gets each of its candidates in turn, and the techniques run on.
// Stage 2 (`karioki`) is a depth-first search over the open cells in row
// order: each candidate is placed and followed up with Cell Unique and Line
// Unique only; every level of the recursion keeps one copy of the grid.
// Answers are 81-character texts row by row; an answer already found is not
// counted again. What is done with each answer (writing it, asking whether to
// go on) and when to stop is left to a listener.
#pragma once

#include "puzzle/engine/engine.h"

#include <string>
#include <vector>

namespace zenpa::puzzle {

struct TrialAnswer {
  std::string text;   // 81 digits, row by row
  int number = 0;     // answers counted so far, this one included
  int stage = 1;      // 1: one placement and techniques; 2: depth-first
  Pos cell;           // the cell of the (last) trial placement
  int digit = 0;      // the digit placed there
  int candidates = 0; // stage 1: candidate count k of that cell in TrialBase
};

// Where stage 1 starts again: the candidate count k and the cell (x, y).
// The first round (count k) skips the cells before (x, y) in row order.
struct TrialResumePoint {
  int candidates = 2;
  Pos cell{1, 1};
};

class TrialListener {
public:
  virtual ~TrialListener() = default;
  // Polled between trials; true ends the search (`StopRequest`).
  virtual bool StopRequested() = 0;
  // A new answer; the engine's CellGrid holds it.
  virtual void Answer(const TrialAnswer &answer, const Engine &engine) = 0;
  // Progress: cells still to try; a good moment to let events run.
  virtual void Progress(int /*remaining*/) {}
  // A stage begins (1 or 2).
  virtual void StageStarted(int /*stage*/) {}
  // The progress bar moves on by one: a cell of stage 1 is about to be
  // tried, or every candidate of a cell of stage 2 has been tried.
  virtual void Advance() {}
};

struct TrialOptions {
  bool stageOne = true;      // false: the depth-first stage alone
  TrialResumePoint resumeAt; // first trial of stage 1
};

struct TrialResult {
  std::vector<std::string> answers; // in the order found
  bool stopped = false;             // the listener ended the search
};

// Searches from the current CellGrid, which becomes TrialBase. Leaves
// CellGrid at TrialBase when the search ends.
TrialResult RunTrialSearch(Engine &e, TrialListener &listener, TrialOptions options = {});

// Number of answers of the current CellGrid by the depth-first stage,
// counting no further than limit (0: no limit).
int CountAnswers(Engine &e, int limit);

} // namespace zenpa::puzzle
