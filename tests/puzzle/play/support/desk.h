// Test support: a document with the host and block writer the puzzle
// commands write through, a folder of its own for their files, and the
// engine a solve or a generator run works with.
#pragma once

#include "platform/scripted_host.h"
#include "platform/text_memo.h"
#include "puzzle/engine/engine.h"
#include "puzzle/play/grid_text.h"
#include "puzzle/play/make_answer.h"
#include "puzzle/play/puzzle_file_reader.h"
#include "puzzle/support/puzzle_maker.h"
#include "support/temp_dir.h"

#include <string>
#include <vector>

namespace zenpa::testing {

using Lines = std::vector<std::string>;

struct PuzzleDesk {
  TempDir dir;
  platform::TextMemo memo;
  platform::ScriptedHost host;
  settings::PrintFormat format;
  settings::PuzzleOptions &options = format.puzzle;
  settings::InsertionPlace &place = format.insertionPlace;
  play::PuzzleBlockWriter writer{memo, format};
  play::PuzzleReadContext read{memo, host, writer, {}};
  puzzle::Engine engine;
  play::SolveState state;
  play::AnswerContext ctx{memo, host, engine, writer, state};

  // An empty document.
  PuzzleDesk() = default;
  // The document holds the puzzle block of digits (no title line), caret on
  // its first line.
  explicit PuzzleDesk(const Digits &digits) {
    options.printTitle = false;
    writer.WritePuzzleBlock(digits);
    memo.SetCaret({0, 0});
  }
  int Messages() const { return static_cast<int>(host.messages.size()); }
  // The texts, or the captions, of the messages shown.
  Lines Texts(bool captions = false) const {
    Lines texts;
    for (const auto &m : host.messages)
      texts.push_back(captions ? m.caption : m.text);
    return texts;
  }
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
  // A file of the desk's folder holding lines; its path.
  std::string File(const std::string &name, const Lines &lines) {
    std::string text;
    for (const std::string &line : lines)
      text += line + "\r\n";
    return dir.Write(name, text);
  }
};

} // namespace zenpa::testing
