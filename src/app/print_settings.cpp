#include "app/print_settings.h"

#include "print/paper.h"

#include <utility>

namespace zenpa::app {

print::FieldContext PrintSettings::Context() const {
  const settings::FormatEnvironment env = session_.FormatEnvironmentNow();
  const int maxEditor = settings::MaxEditorWidth(Format().windowWidth, env);
  return print::ContextOf(session_.Layout().Layout().geometry, maxEditor);
}

void PrintSettings::Changed() {
  session_.Format().modified = true;
  session_.Relayout();
}

template <class Change> std::string PrintSettings::Apply(Change change) {
  const settings::PrintFormat before = Format();
  const std::string shown = change(session_.Format().format, Context());
  if (!(before == Format()))
    Changed();
  return shown;
}

std::string PrintSettings::Enter(print::FormatField field, std::string_view text) {
  return Apply([&](settings::PrintFormat &f, const print::FieldContext &c) {
    return print::EnterField(f, field, text, c);
  });
}

std::string PrintSettings::Type(print::FormatField field, std::string_view text) {
  return Apply([&](settings::PrintFormat &f, const print::FieldContext &c) {
    return print::TypeField(f, field, text, c);
  });
}

std::string PrintSettings::Step(print::FormatField field, int steps) {
  return Apply([&](settings::PrintFormat &f, const print::FieldContext &c) {
    return print::StepField(f, field, steps, c);
  });
}

std::string PrintSettings::Text(print::FormatField field) const {
  return print::FieldText(Format(), field, Context());
}

void PrintSettings::Switch(print::PanelSwitch which, bool on) {
  print::SetSwitch(session_.Format().format, which, on, session_.Layout().Layout().geometry);
  Changed();
}

void PrintSettings::SetFlag(bool settings::PrintFormat::*flag, bool on) {
  if (session_.Format().format.*flag == on)
    return;
  session_.Format().format.*flag = on;
  Changed();
}

void PrintSettings::SetText(std::string settings::PrintFormat::*text, std::string value) {
  if (session_.Format().format.*text == value)
    return;
  session_.Format().format.*text = std::move(value);
  Changed();
  // The page-number start reaches the open preview even when it waits.
  if (text == &settings::PrintFormat::pageNumberStart)
    session_.LayoutChanged(print::PreviewCause::Range);
}

void PrintSettings::SetPageNumberPos(settings::PageNumberPos pos) {
  session_.Format().format.pageNumberPos = pos;
  Changed();
}

void PrintSettings::ChooseTextColour() {
  if (const auto colour = host_.ChooseColour(Format().textColor)) {
    session_.Format().format.textColor = *colour;
    Changed();
  }
}

void PrintSettings::ChooseFrameColour() {
  if (const auto colour = host_.ChooseColour(FrameColour())) {
    session_.Format().format.frameColor = *colour;
    session_.Format().format.frameInTextColor = false;
    Changed();
  }
}

base::Colour PrintSettings::FrameColour() const {
  return Format().frameInTextColor ? Format().textColor : Format().frameColor;
}

void PrintSettings::ChoosePaper(int index) {
  const auto papers = print::PaperList();
  const print::PaperEntry &entry = index >= 0 && index < static_cast<int>(papers.size())
                                       ? papers[static_cast<std::size_t>(index)]
                                       : print::PaperOf(print::kPaperA4, platform::kPortrait);
  print::ChoosePaper(session_.Format().format, entry);
  Changed();
  session_.LayoutChanged(print::PreviewCause::Paper);
}

int PrintSettings::PaperIndex() const {
  return print::PaperIndexOf(Format().paperSize, Format().orientation);
}

void PrintSettings::ChooseFont(int index) {
  const std::vector<std::string> &faces = session_.FontFaces();
  if (index < 0 || index >= static_cast<int>(faces.size()))
    return;
  session_.Format().format.fontName = faces[static_cast<std::size_t>(index)];
  session_.Layout().ForgetWidths();
  Changed();
}

int PrintSettings::FontIndex() const {
  return print::MatchFontName(session_.FontFaces(), Format().fontName);
}

print::LayoutPicture PrintSettings::Picture(int longSide) const {
  return print::MakeLayoutPicture(Format(), session_.Layout().Layout(), longSide);
}

} // namespace zenpa::app
