#include "puzzle/play/generator_run.h"

#include "base/file_io.h"
#include "base/paths.h"
#include "base/sjis.h"
#include "puzzle/engine/solver.h"
#include "puzzle/play/pattern_text.h"
#include "puzzle/play/puzzle_file_commands.h"
#include "puzzle/play/puzzle_file_writer.h"

namespace zenpa::play {
namespace {

void Call(const std::function<void()> &f) {
  if (f)
    f();
}

// The counters of one run.
struct RunCounters {
  int number = 1;
  int last = 1;
  int attemptsThis = 0;
  int fullGrids = 0;
  bool patternError = false;
  GeneratorOutcome outcome;
};

std::string Times(int n) { return std::to_string(n) + base::Sj("回"); }

bool SetUp(GeneratorRun &run, RunCounters &c) {
  settings::PuzzleOptions &s = run.settings.options;
  platform::Memo &memo = run.answer.memo;
  if (!AskBeforeReplacing(memo, s.addToDocument, run.hooks.askSaveChanges))
    return false;
  if (!s.addToDocument)
    memo.SetLines({});
  run.answer.writer.SetSuppressed(false);
  run.labels = GeneratorLabels{};
  run.labels.Running = true;
  if (run.settings.RepeatMode()) {
    run.answer.writer.SetSuppressed(true);
    run.labels.stopButtonVisible = run.labels.stopButtonEnabled = true;
    CorrectClueWindow(s);
  }
  if (s.recordPanelShown) {
    c.number = RecordNumberValue(s.recordFirst);
    c.last = RecordNumberValue(s.recordLast);
    s.recordFirst = RecordNumberText(c.number, s.recordFirst);
    s.recordLast = RecordNumberText(c.last, s.recordFirst);
  }
  return true;
}

void ShowAttempt(GeneratorRun &run, const RunCounters &c) {
  const settings::PuzzleOptions &s = run.settings.options;
  if (s.techniques.conditionsPanelShown)
    run.labels.conditionsText = base::Sj("作成中／") + Times(c.outcome.attempts);
  if (s.recordPanelShown)
    run.labels.autoRecordText = s.recordStem + RecordNumberText(c.number, s.recordFirst) +
                                base::Sj("を作成中／") + Times(c.attemptsThis);
}

// A complete grid, re-seeding the generator from the clock from the
// eleventh grid of one puzzle number on. The clock is mixed with the
// generator's own next number, so two grids made within one millisecond
// still differ.
puzzle::Grid NextCompleteGrid(GeneratorRun &run, RunCounters &c, GeneratorEnv &env) {
  if (++c.fullGrids > 10 && run.reseedFromClock)
    run.rng.seed(static_cast<unsigned>(run.answer.host.Milliseconds()) ^ run.rng());
  return CompleteGrid(env);
}

// The puzzle of one attempt; nullopt when the pattern gave no puzzle.
std::optional<RemovalResult> MakePuzzle(GeneratorRun &run, RunCounters &c, GeneratorEnv &env) {
  const puzzle::Grid solution = NextCompleteGrid(run, c, env);
  const GeneratorSettings &s = run.settings;
  if (s.patternMode && run.labels.stopButtonEnabled) {
    const PatternReading pattern = ReadPattern(s.patternText);
    if (pattern.fault != PatternFault::None) {
      run.answer.host.Message(PatternFaultMessage(pattern.fault));
      c.patternError = true;
      return std::nullopt;
    }
    RemovalResult r = ApplyPattern(run.answer.engine, solution, pattern.open, env);
    if (!r.success)
      return std::nullopt;
    return r;
  }
  return RemovalTrials(run.answer.engine, solution,
                       {s.options.targetGivens, s.options.attempts, SymmetryOf(s.options)}, env);
}

// Writes the puzzle block and grades it (writing the answer when asked).
void WriteAndGrade(GeneratorRun &run, const puzzle::Grid &puzzle) {
  AnswerContext &ctx = run.answer;
  ctx.writer.WritePuzzleBlock(puzzle::GridDigits(puzzle));
  if (!run.settings.options.addToDocument)
    Call(run.hooks.resetPageStart);
  ctx.engine.CellGrid = puzzle;
  GradePuzzle(ctx, run.settings.options.appendAnswer);
  if (!run.settings.options.addToDocument)
    ctx.memo.SetModified(false);
}

// The record's file in the program's directory, named in full so that the
// caption and any failure show the folder the records go to.
std::string RecordPath(const GeneratorRun &run, const std::string &name) {
  if (run.programDir.empty() || run.programDir.back() == '/')
    return run.programDir + name;
  return run.programDir + "/" + name;
}

bool SaveRecord(GeneratorRun &run, RunCounters &c) {
  const std::string path = RecordPath(run, RecordFileName(run.settings.options.recordStem, c.number,
                                                          run.settings.options.recordFirst));
  // The files go to the program's directory, which becomes the working one.
  base::IoResult written;
  if (!run.programDir.empty() && !base::SetCurrentDirectory(run.programDir))
    written = base::IoFailure("フォルダーに移れません:", run.programDir);
  else
    written = WritePuzzleFile(path, run.answer.memo, PuzzleDialect::Plain, run.completedAnswer);
  if (!written.ok) {
    run.answer.host.Message(base::Sj("数独データが保存できません") + "\n" + written.error);
    c.outcome.recordFailed = true;
    run.labels.stopButtonEnabled = false;
    return false;
  }
  c.outcome.lastRecorded = c.number;
  if (run.hooks.renameDocument)
    run.hooks.renameDocument(base::ChangeFileExt(path, ".txt"));
  return true;
}

void Accept(GeneratorRun &run, RunCounters &c, const puzzle::Grid &puzzle) {
  platform::Memo &memo = run.answer.memo;
  if (memo.LineCount() > 0 && !run.settings.options.addToDocument)
    memo.SetLines({});
  run.answer.writer.SetSuppressed(false);
  WriteAndGrade(run, puzzle);
  run.answer.writer.SetSuppressed(true);
  ++c.outcome.accepted;
  if (run.settings.options.recordPanelShown && !SaveRecord(run, c))
    return;
  ++c.number;
  c.attemptsThis = 0;
  c.fullGrids = 0;
}

// False when the run ends before this attempt. The stop button ends every
// repeat run, a pattern run too: one more attempt without the pattern would
// only bring the bare complete grid (no trial runs once stopped).
bool MayGoOn(GeneratorRun &run, const RunCounters &c) {
  if (run.answer.state.StopRequest || c.patternError || c.outcome.recordFailed)
    return false;
  return run.labels.stopButtonEnabled || !run.settings.RepeatMode();
}

// One attempt; false when the run ends with it.
bool Attempt(GeneratorRun &run, RunCounters &c, GeneratorEnv &env) {
  ++c.outcome.attempts;
  ++c.attemptsThis;
  ShowAttempt(run, c);
  const std::optional<RemovalResult> made = MakePuzzle(run, c, env);
  if (!made)
    return !c.patternError;
  Call(run.hooks.applyPuzzleFormat);
  WriteAndGrade(run, made->puzzle);
  if (c.outcome.attempts == 1)
    Call(run.hooks.refreshLayout);
  if (!run.settings.RepeatMode())
    return false;
  const puzzle::Engine &e = run.answer.engine;
  if (!e.Contradiction &&
      Accepts(e.Options, run.settings, e.Level, e.LevelSub, made->clues, made->success))
    Accept(run, c, made->puzzle);
  return true;
}

void Finish(GeneratorRun &run, const RunCounters &c) {
  const settings::PuzzleOptions &s = run.settings.options;
  run.answer.writer.SetSuppressed(false);
  run.labels.Running = false;
  run.labels.stopButtonEnabled = run.labels.stopButtonVisible = false;
  const std::string times = Times(c.outcome.attempts);
  if (s.techniques.conditionsPanelShown)
    run.labels.conditionsText = base::Sj(c.number > c.last ? "完成／" : "中止／") + times;
  if (s.recordPanelShown) {
    run.labels.autoRecordText = c.outcome.lastRecorded < 0
                                    ? base::Sj("記録なし／") + times
                                    : s.recordStem +
                                          RecordNumberText(c.outcome.lastRecorded, s.recordFirst) +
                                          base::Sj("まで記録／") + times;
  }
  run.status.progressVisible = false;
  Call(run.hooks.refreshLayout);
}

} // namespace

std::string ConditionsPanelReadyText() { return base::Sj("完成まで繰返し"); }

std::string AutoRecordReadyText() { return base::Sj("作成と記録を繰り返します"); }

GeneratorOutcome RunGenerator(GeneratorRun &run) {
  RunCounters c;
  if (!SetUp(run, c))
    return c.outcome;
  GeneratorEnv env{run.rng, run.status, &run.answer.host,
                   run.settings.RepeatMode() ? &run.labels.stopButtonEnabled : nullptr};
  while (c.number <= c.last && MayGoOn(run, c)) {
    if (!Attempt(run, c, env))
      break;
    // Events run between attempts too, also when attempts keep giving no
    // puzzle (a pattern the solve never finishes), so that the window stays
    // alive and its stop button is seen.
    env.LetEventsRun();
  }
  Finish(run, c);
  return c.outcome;
}

void StopGenerator(GeneratorRun &run) {
  run.labels.stopButtonEnabled = false;
  if (run.answer.memo.LineCount() == 0 || !run.settings.options.recordPanelShown)
    run.answer.writer.SetSuppressed(false);
}

} // namespace zenpa::play
