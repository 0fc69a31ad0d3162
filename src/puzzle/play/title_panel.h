// The puzzle title and how-to-play editing panel (`Panel17`): what its title
// box (`Edit15`) and how-to-play box (`Memo3`) show, which of them is marked
// changed (light pink, its "変更" button enabled), and what the buttons do
// to the stored `PuzzleTitle` and how-to-play slots. Texts are Shift-JIS.
#pragma once

#include "platform/host.h"
#include "platform/memo.h"
#include "puzzle/play/puzzle_block.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zenpa::play {

// Colour of a box edited but not yet applied (0x00BBGGRR).
inline constexpr std::uint32_t kEditedBoxColour = 0xFFEEFF;

class TitlePanel {
public:
  // The panel edits the record's puzzle title and how-to-play slots.
  explicit TitlePanel(settings::PuzzleOptions &options) : options_(options) {}

  // Opening: the boxes show the stored texts, nothing is marked changed.
  void Open();
  // The user typed in a box.
  void EditTitle(std::string text);
  void EditHowToPlay(std::vector<std::string> lines);
  // `Button40` "変更": the title box becomes the puzzle title.
  void ApplyTitle();
  // `Button41` "変更": the how-to-play lines fill the nine slots.
  void ApplyHowToPlay();
  // `Button42` / `Button43` "標準に戻す": the default texts go into the boxes
  // (the stored texts change only on "変更").
  void DefaultTitle();
  void DefaultHowToPlay();
  // `Button44` "読込" and `Button45` "保存": the how-to-play box from and to a
  // text file chosen in a file dialog. False when cancelled or failed.
  bool LoadHowToPlay(platform::Host &host);
  bool SaveHowToPlay(platform::Host &host) const;
  // `Button49` / `Button50` "カーソル位置に挿入": the box's lines at the caret
  // line, in order.
  void InsertTitle(platform::Memo &memo) const;
  void InsertHowToPlay(platform::Memo &memo) const;

  const std::string &TitleText() const { return title_; }
  const std::vector<std::string> &HowToPlayText() const { return howToPlay_; }
  // Marked changed: light pink with its "変更" button enabled.
  bool TitleEdited() const { return titleEdited_; }
  bool HowToPlayEdited() const { return howToPlayEdited_; }

private:
  settings::PuzzleOptions &options_;
  std::string title_;
  std::vector<std::string> howToPlay_;
  bool titleEdited_ = false;
  bool howToPlayEdited_ = false;
};

// The file dialog of the how-to-play box.
platform::FileDialog HowToPlayFileDialog();

} // namespace zenpa::play
