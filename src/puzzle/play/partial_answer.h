// The parts of a step-by-step solve around the solve itself: taking up a
// grid the player has partly filled in ("①".."⑨"), whose digits count as
// steps already made and are checked by a silent solve first; the replay
// after a step back; and the question whether a stuck solve goes on by
// trial placement. The grid rows are rewritten (givens full-width, other
// placed cells circled, open cells blank) keeping their indents. Texts are
// Shift-JIS.
#pragma once

#include "puzzle/play/answer_solve.h"

namespace zenpa::play {

// Each returns false when the command ends there.
bool TakePartialAnswer(AnswerContext &ctx, const AnswerRequest &request);
bool CheckPartialAnswer(AnswerContext &ctx);
// A step back: the solve starts again from StartGrid.
void StartReplay(AnswerContext &ctx);
// Asks whether the stuck step solve goes on by trial placement: Yes goes
// on; No hands the puzzle back to the game; No and Cancel set StopRequest.
bool AskForTrial(AnswerContext &ctx);

// Ends the steps and hands the puzzle back to the player's game: StepKey
// Escape, StopRequest and ResumeGame set ("ゲーム再開").
void HandBackToGame(AnswerContext &ctx);

} // namespace zenpa::play
