// The five mark commands of the editor's context menu over the session:
// 文字拡縮マーク, 文字色切替, フォント切替, 行間切替 and 左余白切替. Each inserts
// its mark into the document (print/mark_insertion.h) and lays the document
// out again, which refreshes the caret status and a preview that follows
// changes. The dialogs ask these for the figures they show.
//
// Texts are Shift-JIS.
#pragma once

#include "app/session.h"
#include "base/colour.h"

#include <string>
#include <vector>

namespace zenpa::app {

class MarkCommands {
public:
  // memo: the document the session holds.
  MarkCommands(Session &session, platform::Memo &memo) : session_(session), memo_(memo) {}

  // The colour, font, line-spacing and left-margin items are enabled: the
  // caret's line is a mark line.
  bool ParameterItemsEnabled() const;

  // "文字拡縮マーク(&M)": the mark line of n steps; scale marks are switched on.
  void InsertScaleMark(int steps);
  // "文字色切替(&I)": the colour dialog starts at the text colour; false
  // when it was cancelled.
  bool ChooseColour();
  void InsertColour(base::Colour chosen);
  // "フォント切替(&F)": nothing is inserted for an empty name.
  void InsertFont(const std::string &face);
  // "行間切替(&G)" and "左余白切替(&L)".
  void InsertSpacing(int change);
  void InsertIndent(int change);

  const std::string &ScaleMark() const { return Format().scaleMark; }
  // What the line-spacing dialog shows.
  int HeldSpacing() const { return Format().lineSpacing; }
  int SpacingStart() const;
  std::string PitchText(int change) const;
  // What the left-margin dialog shows.
  int IndentStart() const;
  std::string MarginText(int change) const;
  // The font dialog's list and the entry of the format's font (-1: none).
  const std::vector<std::string> &Faces() const { return session_.FontFaces(); }
  int FontIndex() const;

private:
  const settings::PrintFormat &Format() const { return session_.Format().format; }
  std::string CaretLine() const;
  void Insert(const std::string &text);

  Session &session_;
  platform::Memo &memo_;
};

} // namespace zenpa::app
