// The technique switches of the puzzle conditions: which techniques the
// solver may use and in which order it scans. These are the plain values
// behind the check boxes CheckBoxL1..CheckBoxL17 and CheckBoxYH, the
// visibility of the puzzle-condition panel (Panel6) and of the extra panel
// (Panel20), and the four-state selection switch shown by the small label
// Label33. The record's puzzle part holds them; the solver reads them.
//
// Boxes 1..13, "有効・必須" and the condition panel travel in format files;
// boxes 14..17, the extra panel and the selection switch live only for the
// run of the program (a format file neither holds nor changes them).
// Texts are Shift-JIS.
#pragma once

#include <array>
#include <string>

namespace zenpa::settings {

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

// Boxes 1..13 are saved in format files; 14..17 sit on the extra panel.
inline constexpr int kTechniqueFlagCount = kBoxRemotePair;
inline constexpr int kFirstExtraBox = kBoxTwoStringKite;

// The caption of a technique box ("Block Unique", ..., "Hidden Quad").
std::string TechniqueCaption(int box);

struct TechniqueOptions {
  // boxes[n] for n = 1..17; element 0 is unused. Boxes 1 to 13 start
  // checked, the four boxes of the extra panel start unchecked.
  std::array<bool, kBoxHiddenQuad + 1> boxes = {false, true, true,  true,  true,  true,
                                                true,  true, true,  true,  true,  true,
                                                true,  true, false, false, false, false};
  bool mustUseHardest = false;                            // CheckBoxYH "有効・必須"
  bool conditionsPanelShown = false;                      // Panel6, menu SDKOption
  bool extraPanelShown = false;                           // Panel20 "表示中のみ有効"
  SelectionSwitch selectionSwitch = SelectionSwitch::Off; // Label33

  // The switch shows a colour of its own (any state but off).
  bool SwitchOn() const { return selectionSwitch != SelectionSwitch::Off; }
  // Green: techniques with row and column variants scan columns first.
  bool ColumnsFirst() const { return selectionSwitch == SelectionSwitch::ColumnsFirst; }

  // One click on the switch: off, selection, columns first, hard to easy, off.
  void AdvanceSwitch();
  // Hiding the extra panel unchecks its four boxes.
  void SetExtraPanelVisible(bool visible);
  // "すべての解法をチェック" (true) and "すべてのチェックをはずす" (false): boxes 1
  // to 13, and 14 to 17 while the extra panel is shown.
  void SetAllBoxes(bool checked);

  bool operator==(const TechniqueOptions &) const = default;
};

} // namespace zenpa::settings
