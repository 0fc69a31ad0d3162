// The answers of the trial search as the document lists them: answer grids
// with their "★" lines, nine-line and one-line forms once there are many,
// the questions whether to go on, and the limits that stop the search.
#pragma once

#include "puzzle/engine/trial.h"
#include "puzzle/play/answer_solve.h"

#include <cstdint>

namespace zenpa::play {

// In step mode the first answer of stage 1 is shown as steps: the trial
// placement ("　仮置き " and the digit), then the solve that follows from it;
// a step back there ends the search so that the step command can replay.
class AnswerListing : public puzzle::TrialListener {
public:
  AnswerListing(AnswerContext &ctx, const AnswerRequest &request, bool stepMode = false);

  bool StopRequested() override;
  void Answer(const puzzle::TrialAnswer &answer, const puzzle::Engine &engine) override;
  void Progress(int remaining) override;
  void StageStarted(int stage) override;
  void Advance() override;

private:
  // Shows the trial placement and the steps that follow from it, then
  // leaves step mode. CellGrid holds the answer again afterwards. False
  // when the steps were stopped or a step back was asked for.
  bool ShowTrialSteps(const puzzle::TrialAnswer &answer);
  void StageOneAnswer(const puzzle::TrialAnswer &answer);
  void StageTwoAnswer(const puzzle::TrialAnswer &answer);
  // Asks whether to look for more answers; Cancel stops the search.
  void AskToGoOn(const char *utf8Question);
  // With the switch on, "全解探査" lists answers as one line each.
  bool OneLineAnswers() const;

  AnswerContext &ctx_;
  AnswerRequest request_;
  bool stepMode_;
  std::int64_t lastEvents_ = 0;
  bool eventsRun_ = false;
};

} // namespace zenpa::play
