// Test support: a document, usually holding one puzzle block, with the host,
// engine and writer a solve or a generator run works with.
#pragma once

#include "platform/scripted_host.h"
#include "platform/text_memo.h"
#include "puzzle/engine/engine.h"
#include "puzzle/play/grid_text.h"
#include "puzzle/play/make_answer.h"
#include "puzzle/support/puzzle_maker.h"

namespace zenpa::testing {

struct AnswerDesk {
  platform::TextMemo memo;
  platform::ScriptedHost host;
  puzzle::Engine engine;
  settings::PrintFormat format;
  settings::PuzzleOptions &options = format.puzzle;
  settings::InsertionPlace &place = format.insertionPlace;
  play::PuzzleBlockWriter writer{memo, format};
  play::SolveState state;
  play::AnswerContext ctx{memo, host, engine, writer, state};

  // An empty document.
  AnswerDesk() = default;
  // The document holds the puzzle block of digits (no title line), caret on
  // its first line.
  explicit AnswerDesk(const Digits &digits) {
    options.printTitle = false;
    writer.WritePuzzleBlock(digits);
    memo.SetCaret({0, 0});
  }
  int Messages() const { return static_cast<int>(host.messages.size()); }
  std::string LastMessage() const { return host.messages.empty() ? "" : host.messages.back().text; }
  // Indexes of the lines that start a grid block.
  std::vector<int> GridTops() const {
    std::vector<int> tops;
    for (int i = 0; i < memo.LineCount(); ++i) {
      if (play::IsGridTopLine(memo.Line(i)))
        tops.push_back(i);
    }
    return tops;
  }
};

} // namespace zenpa::testing
