#include "puzzle/play/title_panel.h"

#include "base/file_io.h"
#include "base/sjis.h"
#include "editor/insertion.h"

namespace zenpa::play {

platform::FileDialog HowToPlayFileDialog() {
  platform::FileDialog dialog;
  dialog.filter = base::Sj("テキスト(*.txt)|*.txt|すべてのファイル(*.*)|*.*");
  dialog.defaultExt = "txt";
  return dialog;
}

void TitlePanel::Open() {
  title_ = options_.title;
  howToPlay_ = LinesFromSlots(options_.howToPlay);
  titleEdited_ = false;
  howToPlayEdited_ = false;
}

void TitlePanel::EditTitle(std::string text) {
  title_ = std::move(text);
  titleEdited_ = true;
}

void TitlePanel::EditHowToPlay(std::vector<std::string> lines) {
  howToPlay_ = std::move(lines);
  howToPlayEdited_ = true;
}

void TitlePanel::ApplyTitle() {
  options_.title = title_;
  titleEdited_ = false;
}

void TitlePanel::ApplyHowToPlay() {
  options_.howToPlay = SlotsFromLines(howToPlay_);
  howToPlay_ = LinesFromSlots(options_.howToPlay);
  howToPlayEdited_ = false;
}

void TitlePanel::DefaultTitle() { EditTitle(DefaultPuzzleTitle()); }

void TitlePanel::DefaultHowToPlay() { EditHowToPlay(LinesFromSlots(DefaultHowToPlayLines())); }

bool TitlePanel::LoadHowToPlay(platform::Host &host) {
  const std::optional<std::string> path = host.OpenFileName(HowToPlayFileDialog());
  if (!path)
    return false;
  std::vector<std::string> lines;
  if (!base::ReadLines(*path, lines).ok)
    return false;
  EditHowToPlay(std::move(lines));
  return true;
}

bool TitlePanel::SaveHowToPlay(platform::Host &host) const {
  const std::optional<std::string> path = host.SaveFileName(HowToPlayFileDialog());
  return path && base::WriteLines(*path, howToPlay_).ok;
}

void TitlePanel::InsertTitle(platform::Memo &memo) const {
  editor::InsertAtGyo(memo, editor::InsertionPlace::AtCaret, title_);
}

void TitlePanel::InsertHowToPlay(platform::Memo &memo) const {
  for (const std::string &line : howToPlay_)
    editor::InsertAtGyo(memo, editor::InsertionPlace::AtCaret, line);
}

} // namespace zenpa::play
