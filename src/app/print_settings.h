// The print settings panel's commands over the session: every field, switch
// and list of the panel writes the session's print format through the core
// rules, marks the format modified and lays the document out again, so the
// layout figures, the page count and the layout picture follow each change.
// Texts are Shift-JIS.
#pragma once

#include "app/session.h"
#include "print/format_controls.h"
#include "print/layout_picture.h"
#include "print/panel_rules.h"

#include <string>
#include <string_view>
#include <vector>

namespace zenpa::app {

class PrintSettings {
public:
  PrintSettings(Session &session, platform::Host &host) : session_(session), host_(host) {}

  const settings::PrintFormat &Format() const { return session_.Format().format; }
  // The bounds of the fields as the last layout left them.
  print::FieldContext Context() const;
  print::PanelStates States() const { return print::StatesOf(Format()); }

  // Typed text (at the end of the edit, or while typing) and spinner
  // steps; each returns the text the field shows.
  std::string Enter(print::FormatField field, std::string_view text);
  std::string Type(print::FormatField field, std::string_view text);
  std::string Step(print::FormatField field, int steps);
  std::string Text(print::FormatField field) const;

  void Switch(print::PanelSwitch which, bool on);
  // A plain on/off setting of the format (太字, 斜体, 行揃, 枠印刷, ...).
  void SetFlag(bool settings::PrintFormat::*flag, bool on);
  // A text setting (初期値, the page-number brackets).
  void SetText(std::string settings::PrintFormat::*text, std::string value);
  void SetPageNumberPos(settings::PageNumberPos pos);
  // "文字色" and the frame-colour panel through the colour dialog; choosing
  // a frame colour leaves "用紙端･枠を文字色にする(&E)".
  void ChooseTextColour();
  void ChooseFrameColour();
  // The colour the frame and paper-edge lines are drawn in.
  base::Colour FrameColour() const;

  // The paper list without a printer (index into print::PaperList()).
  void ChoosePaper(int index);
  int PaperIndex() const;
  // The font list: the session's installed faces, sorted.
  const std::vector<std::string> &Faces() const { return session_.FontFaces(); }
  void ChooseFont(int index);
  int FontIndex() const;

  print::LayoutPicture Picture(int longSide) const;

private:
  void Changed();
  // Runs a change of the record; a change that left it as it was marks nothing.
  template <class Change> std::string Apply(Change change);

  Session &session_;
  platform::Host &host_;
};

} // namespace zenpa::app
