#include "puzzle/play/make_answer.h"

#include "base/sjis.h"
#include "puzzle/play/step_answer.h"

namespace zenpa::play {

std::string CommandCaption(AnswerCommand command, editor::InsertionPlace place) {
  switch (command) {
  case AnswerCommand::AnswerS:
    return base::Sj(place == editor::InsertionPlace::AtEnd ? "数独解答を文末に追加(&A)"
                                                           : "数独解答を次頁に挿入(&A)");
  case AnswerCommand::LevelSDK:
    return base::Sj("数独の難易度判定(&L)");
  case AnswerCommand::DebugAnswer:
    return base::Sj("～確認しながら解答作成(&D)");
  case AnswerCommand::Zenkai:
    return base::Sj("～全解探査(&Z)");
  }
  return {};
}

void MakeAnswer(AnswerContext &ctx, AnswerCommand command) {
  if (command == AnswerCommand::DebugAnswer) {
    DebugAnswer(ctx);
    return;
  }
  MakeAnswer(ctx, RequestFor(command));
}

} // namespace zenpa::play
