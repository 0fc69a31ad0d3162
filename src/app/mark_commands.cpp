#include "app/mark_commands.h"

#include "print/mark_insertion.h"
#include "print/marks.h"

#include <algorithm>

namespace zenpa::app {

std::string MarkCommands::CaretLine() const {
  const int line = memo_.Caret().line;
  return line < memo_.LineCount() ? memo_.Line(line) : std::string();
}

bool MarkCommands::ParameterItemsEnabled() const {
  return print::ParameterMarksApply(CaretLine(), Format().scaleMark);
}

void MarkCommands::Insert(const std::string &text) {
  print::InsertParameterMark(memo_, text);
  session_.Relayout();
}

void MarkCommands::InsertScaleMark(int steps) {
  print::InsertScaleMark(memo_, print::ScaleMarkLine(Format().scaleMark, steps));
  settings::FormatState &format = session_.Format();
  if (!format.format.scaleMarksOn) {
    format.format.scaleMarksOn = true;
    format.modified = true;
  }
  session_.Relayout();
}

bool MarkCommands::ChooseColour() {
  const auto colour = session_.DesktopHost().ChooseColour(Format().textColor);
  if (colour)
    InsertColour(*colour);
  return colour.has_value();
}

void MarkCommands::InsertColour(base::Colour chosen) {
  Insert(print::ColourMarkText(chosen, Format().textColor));
}

void MarkCommands::InsertFont(const std::string &face) {
  if (!face.empty())
    Insert(print::FontMarkText(face, Format().fontName));
}

void MarkCommands::InsertSpacing(int change) {
  Insert(print::SpacingMarkText(print::RaisedSpacingChange(change, Format().lineSpacing)));
}

void MarkCommands::InsertIndent(int change) { Insert(print::IndentMarkText(change)); }

int MarkCommands::SpacingStart() const {
  return print::SpacingChangeOfLine(CaretLine(), Format().lineSpacing);
}

std::string MarkCommands::PitchText(int change) const {
  const print::PageGeometry &g = session_.Layout().Layout().geometry;
  return print::SpacingPitchText(g.linePitch, g.dpi, Format().lineSpacing, change);
}

// The line is read as a mark whether or not scale marks are on: the dialog
// shows what the mark's text says.
int MarkCommands::IndentStart() const {
  print::MarkRules rules = print::MarkRulesOf(Format());
  rules.scaleMarksOn = true;
  const print::MarkReader reader(rules, session_.FontFaces());
  return print::IndentOfLine(reader, CaretLine());
}

std::string MarkCommands::MarginText(int change) const {
  return print::LeftMarginText(Format().leftMargin, session_.Layout().Layout().geometry.dpi,
                               change);
}

int MarkCommands::FontIndex() const {
  const auto &faces = Faces();
  const auto it = std::find(faces.begin(), faces.end(), Format().fontName);
  return it == faces.end() ? -1 : static_cast<int>(it - faces.begin());
}

} // namespace zenpa::app
