// Writing puzzle blocks into the document (Shift-JIS lines).
//
// A puzzle block is, in this order: the title line ("☆" switch), the grid
// block, the clue line ("clue" switch, not for a full grid), the how-to-play
// block ("遊び方" switch, not for a full grid) and the separator (the
// page-break mark when "改頁" is ticked, else an empty line). Every line goes
// in at the insertion line `gyo` and the caret follows it, so the lines come
// out in writing order. While output is suppressed (the generator's repeat
// runs) the writers write nothing.
//
// The title and the nine how-to-play slots are stored with the print format;
// a slot holding only the form feed is empty and writes nothing.
#pragma once

#include "editor/insertion.h"
#include "puzzle/play/grid_text.h"
#include "settings/print_format.h"

#include <array>
#include <string>
#include <vector>

namespace zenpa::platform {
class Memo;
}

namespace zenpa::play {

// The how-to-play slot that writes nothing: a lone form feed.
inline const std::string kEmptySlotMarker = "\f";
// Longest text of one how-to-play slot, in bytes.
inline constexpr std::size_t kHowToPlaySlotBytes = 255;

using HowToPlaySlots = std::array<std::string, settings::kHowToPlaySlotCount>;

// "　　☆☆　★ ＳＵＤＯＫＵ ★　☆☆"
const std::string &DefaultPuzzleTitle();
// The eight default lines and the empty ninth slot.
HowToPlaySlots DefaultHowToPlayLines();

// Slots from the lines of the how-to-play editor: line i fills slot i
// (clipped to 255 bytes), missing lines and trailing empty slots become the
// marker; empty lines between texts stay empty slots.
HowToPlaySlots SlotsFromLines(const std::vector<std::string> &lines);
// The lines the how-to-play editor shows: every slot that is not the marker.
std::vector<std::string> LinesFromSlots(const HowToPlaySlots &slots);

// The clue line for a number of givens: 15 full-width spaces, the number in
// half-width digits and "-clue".
std::string ClueLine(const std::string &clueText);

// Writes puzzle text at the insertion line of a document. It reads the
// record's puzzle switches ("☆", "clue", "遊び方", "改頁", "答えも付加"), title
// and how-to-play slots, its page-break mark and its insertion place as they
// stand at each call.
class PuzzleBlockWriter {
public:
  PuzzleBlockWriter(platform::Memo &memo, const settings::PrintFormat &format);

  // The generator's output-suppressed state.
  void SetSuppressed(bool suppressed) { suppressed_ = suppressed; }
  bool Suppressed() const { return suppressed_; }
  const settings::PuzzleOptions &Options() const { return format_.puzzle; }

  // One line at `gyo` (written even while suppressed: callers decide).
  // With the caret at the very end of the document the line is appended.
  void WriteLine(const std::string &line);
  // One line at `gyo` unless output is suppressed.
  void Emit(const std::string &line);

  void WriteTitle();
  void WriteGrid(const GridCells &cells);
  // `hint`: the clue line, when "clue" is ticked.
  void hint(const std::string &clueText);
  // `asobikata`: the how-to-play block, when "遊び方" is ticked.
  void asobikata();
  // `kaigyo`: the separator line.
  void kaigyo();
  // The whole puzzle block for a grid of givens; a full grid gets no clue
  // line and no how-to-play block.
  void WritePuzzleBlock(const GridDigits &givens);
  // Title line (when "☆" is ticked) and a grid block of the cells: the
  // answer grid without its separator.
  void WriteAnswerGrid(const GridCells &cells);
  // `tugiP`: when inserting at the caret, moves the caret to the line after
  // the first page-break line at or below it, or to the end of the document.
  void tugiP();

private:
  platform::Memo &memo_;
  const settings::PrintFormat &format_;
  bool suppressed_ = false;
};

} // namespace zenpa::play
