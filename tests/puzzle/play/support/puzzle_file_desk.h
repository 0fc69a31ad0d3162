// Test support: a document with the host and block writer that reading,
// importing and viewing puzzle files write through.
#pragma once

#include "platform/scripted_host.h"
#include "platform/text_memo.h"
#include "puzzle/play/puzzle_block.h"

namespace zenpa::testing {

struct PuzzleDocDesk {
  platform::TextMemo memo;
  platform::ScriptedHost host;
  play::PuzzleTextOptions options;
  editor::InsertionPlace place = editor::InsertionPlace::AtEnd;
  play::PuzzleBlockWriter writer{memo, options, place};
};

} // namespace zenpa::testing
