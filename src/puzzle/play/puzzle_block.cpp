#include "puzzle/play/puzzle_block.h"

#include "base/sjis.h"
#include "platform/memo.h"

#include <string_view>

namespace zenpa::play {
namespace {

bool IsMarker(const std::string &slot) { return slot == kEmptySlotMarker; }

// Clips text to at most max bytes without splitting a double-byte character.
std::string ClipToBytes(const std::string &text, std::size_t max) {
  std::size_t end = 0;
  while (end < text.size()) {
    const std::size_t next = end + base::CharLen(text, end);
    if (next > max)
      break;
    end = next;
  }
  return text.substr(0, end);
}

bool IsFull(const GridDigits &digits) {
  for (int d : digits) {
    if (d < 1 || d > 9)
      return false;
  }
  return true;
}

int CountGivens(const GridDigits &digits) {
  int count = 0;
  for (int d : digits)
    count += d >= 1 && d <= 9 ? 1 : 0;
  return count;
}

// True when the caret stands at the end of the document's last line (or the
// document is empty): a line written there goes after everything.
bool CaretAtDocumentEnd(const platform::Memo &memo) {
  const int count = memo.LineCount();
  if (count == 0)
    return true;
  const platform::TextPos caret = memo.Caret();
  return caret.line >= count - 1 && caret.col >= static_cast<int>(memo.Line(count - 1).size());
}

} // namespace

// The defaults are those of a fresh print format, which stores them.
const std::string &DefaultPuzzleTitle() {
  static const std::string title = settings::PuzzleOptions().title;
  return title;
}

HowToPlaySlots DefaultHowToPlayLines() { return settings::PuzzleOptions().howToPlay; }

HowToPlaySlots SlotsFromLines(const std::vector<std::string> &lines) {
  HowToPlaySlots slots;
  for (std::size_t i = 0; i < slots.size(); ++i)
    slots[i] = i < lines.size() ? ClipToBytes(lines[i], kHowToPlaySlotBytes) : kEmptySlotMarker;
  for (std::size_t i = slots.size(); i-- > 0;) {
    if (!slots[i].empty() && !IsMarker(slots[i]))
      break;
    slots[i] = kEmptySlotMarker;
  }
  return slots;
}

std::vector<std::string> LinesFromSlots(const HowToPlaySlots &slots) {
  std::vector<std::string> lines;
  for (const std::string &slot : slots) {
    if (!IsMarker(slot))
      lines.push_back(slot);
  }
  return lines;
}

std::string ClueLine(const std::string &clueText) {
  static const std::string space = base::Sj("　");
  std::string line;
  for (int i = 0; i < 15; ++i)
    line += space;
  return line + clueText + "-clue";
}

PuzzleBlockWriter::PuzzleBlockWriter(platform::Memo &memo, const settings::PrintFormat &format)
    : memo_(memo), format_(format) {}

void PuzzleBlockWriter::WriteLine(const std::string &line) {
  if (format_.insertionPlace == editor::InsertionPlace::AtEnd || !CaretAtDocumentEnd(memo_)) {
    editor::InsertAtGyo(memo_, format_.insertionPlace, line);
    return;
  }
  const int at = memo_.LineCount();
  memo_.InsertLine(at, line);
  memo_.SetCaret({at, static_cast<int>(line.size())});
}

void PuzzleBlockWriter::Emit(const std::string &line) {
  if (!suppressed_)
    WriteLine(line);
}

void PuzzleBlockWriter::WriteTitle() {
  if (format_.puzzle.printTitle)
    Emit(format_.puzzle.title);
}

void PuzzleBlockWriter::WriteGrid(const GridCells &cells) {
  if (suppressed_)
    return;
  for (const std::string &line : GridBlockLines(cells))
    WriteLine(line);
}

void PuzzleBlockWriter::hint(const std::string &clueText) {
  if (format_.puzzle.printClue)
    Emit(ClueLine(clueText));
}

void PuzzleBlockWriter::asobikata() {
  if (suppressed_ || !format_.puzzle.printHowToPlay)
    return;
  if (!format_.puzzle.printClue)
    WriteLine("");
  for (const std::string &slot : format_.puzzle.howToPlay) {
    if (!IsMarker(slot))
      WriteLine(slot);
  }
}

void PuzzleBlockWriter::kaigyo() {
  Emit(format_.puzzle.pageBreak ? format_.pageBreakMark : std::string());
}

void PuzzleBlockWriter::WritePuzzleBlock(const GridDigits &givens) {
  WriteTitle();
  WriteGrid(GivenCells(givens));
  if (!IsFull(givens)) {
    hint(std::to_string(CountGivens(givens)));
    asobikata();
  }
  kaigyo();
}

void PuzzleBlockWriter::WriteAnswerGrid(const GridCells &cells) {
  WriteTitle();
  WriteGrid(cells);
}

void PuzzleBlockWriter::tugiP() {
  if (format_.insertionPlace != editor::InsertionPlace::AtCaret)
    return;
  const int count = memo_.LineCount();
  for (int i = memo_.Caret().line; i < count - 1; ++i) {
    if (memo_.Line(i) == format_.pageBreakMark) {
      memo_.SetCaret({i + 1, 0});
      return;
    }
  }
  // No page break below, or it is the last line: the next page starts after
  // the end of the document.
  if (count > 0)
    memo_.SetCaret({count - 1, static_cast<int>(memo_.Line(count - 1).size())});
}

} // namespace zenpa::play
