// The puzzle menu's commands that solve the grid nearest the caret: their
// captions and how a window runs them. The solve itself is `MakeAnswer`
// with the command's flags (answer_solve.h); DebugAnswer is the
// step-by-step command of step_answer.h.
//
// A window runs a command with MakeAnswer(ctx, AnswerCommand::...) on an
// AnswerContext over its document, host, engine, block writer and SolveState.
// Step by step, the engine's Observer (a DocumentStepDisplay) waits for keys,
// which the window hands in with StepKeyPressed; the step panel's texts are
// the display's stepText and levelText. Texts are Shift-JIS.
#pragma once

#include "editor/insertion.h"
#include "puzzle/play/answer_solve.h"

#include <string>

namespace zenpa::play {

// The menu caption of a command; the answer command's follows the insertion
// place ("文末に追加" or "ここに挿入").
std::string CommandCaption(AnswerCommand command, editor::InsertionPlace place);

// Runs a puzzle menu command on the grid nearest the caret; DebugAnswer
// runs the step-by-step command. Afterwards the result panel shows
// state.Result while state.ResultVisible is set.
void MakeAnswer(AnswerContext &ctx, AnswerCommand command);

} // namespace zenpa::play
