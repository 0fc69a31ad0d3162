// Technique options: which techniques the puzzle conditions allow and in
// which order the solver scans. These are the plain values behind the check
// boxes CheckBoxL1..CheckBoxL17 and CheckBoxYH, the visibility of the
// puzzle-condition panel (Panel6) and of the extra panel (Panel20), and the
// four-state selection switch shown by the small label Label33.
// Texts are Shift-JIS; colours are 0x00BBGGRR.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zenpa::puzzle {

enum class SelectionSwitch { Off, Selection, ColumnsFirst, HardToEasy };

// Check box numbers of the technique families (the n of CheckBoxLn).
enum TechniqueBox : int {
  kBoxBlockUnique = 1,
  kBoxLineUnique = 2,
  kBoxCellUnique = 3,
  kBoxLocalization = 4,
  kBoxNakedPair = 5,
  kBoxHiddenPair = 6,
  kBoxNakedTriple = 7,
  kBoxHiddenTriple = 8,
  kBoxXWing = 9,
  kBoxSwordfish = 10,
  kBoxSkyscraper = 11,
  kBoxXYWing = 12,
  kBoxRemotePair = 13,
  kBoxTwoStringKite = 14,
  kBoxEmptyRectangle = 15,
  kBoxNakedQuad = 16,
  kBoxHiddenQuad = 17,
};

struct TechniqueOptions {
  // CheckBoxL[n] for n = 1..17; element 0 is unused. Boxes 1 to 13 start
  // checked, the four boxes of the extra panel start unchecked.
  std::array<bool, 18> CheckBoxL = {false, true, true, true, true, true,  true,  true,  true,
                                    true,  true, true, true, true, false, false, false, false};
  bool CheckBoxYH = false;     // "有効・必須"
  bool Panel6Visible = false;  // puzzle-condition panel shown
  bool Panel20Visible = false; // extra panel "表示中のみ有効" shown
  SelectionSwitch Label33 = SelectionSwitch::Off;

  // The switch shows a colour of its own (any state but off).
  bool SwitchOn() const { return Label33 != SelectionSwitch::Off; }
  // Green: techniques with row and column variants scan columns first.
  bool ColumnsFirst() const { return Label33 == SelectionSwitch::ColumnsFirst; }

  // One click on the switch: off, selection, columns first, hard to easy, off.
  void AdvanceSwitch();
  // Hiding the extra panel unchecks its four boxes.
  void SetExtraPanelVisible(bool visible);
  // "すべての解法をチェック" (true) and "すべてのチェックをはずす" (false): boxes 1
  // to 13, and 14 to 17 while the extra panel is shown.
  void SetAllBoxes(bool checked);
};

// True when a technique guarded by box must return without looking at the
// grid: its box is off, the condition panel is shown, and either "有効・必須"
// is ticked or the selection switch is on.
bool TechniqueGate(const TechniqueOptions &options, int box);

// The switch's own colour in a state; off gives parentColour.
std::uint32_t SwitchColour(SelectionSwitch state, std::uint32_t parentColour);
// The switch's hint text: "解法選択", "縦→横", "難→易", empty when off.
std::string SwitchHint(SelectionSwitch state);

constexpr std::uint32_t kSwitchHoverColour = 0xC0C0C0; // silver under the mouse while off

} // namespace zenpa::puzzle
