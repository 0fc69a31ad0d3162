// The mark-settings panel (the page-break mark and the scale mark, whether
// scale marks are read and whether a mark line prints as an empty line) and
// the reduction panel (the reduce percent and what it reduces) over the
// session. Every change marks the format modified and lays the document out
// again; opening a panel changes nothing.
//
// A mark field is edited freely and applied with "変更": while edited it is
// shown in the editing colour and "変更" is enabled. Texts are Shift-JIS.
#pragma once

#include "app/session.h"
#include "base/colour.h"

#include <string>
#include <string_view>

namespace zenpa::app {

enum class MarkKind { PageBreak, Scale };

struct MarkField {
  std::string text;
  bool editing = false; // shown in kEditingColour, "変更" enabled
};

// Light pink, the colour of a field being edited.
inline constexpr base::Colour kEditingColour = 0xFFEEFF;

class MarkSettings {
public:
  explicit MarkSettings(Session &session) : session_(session) {}

  // Opening the mark panel fills both fields from the format.
  void Open();
  const MarkField &Field(MarkKind kind) const;
  void Edit(MarkKind kind, std::string text);
  // "標準に戻す": the form feed, or "p"; the field is then being edited.
  void Standard(MarkKind kind);
  // "変更": the field's text becomes the mark; an empty field keeps the old one.
  void Apply(MarkKind kind);

  // Check boxes of both panels: 文字拡縮マークを有効にする, 拡縮行を空行にする,
  // ヘッダ・フッタと本文を１行分開ける, ヘッダを小さくする.
  void SetFlag(bool settings::PrintFormat::*flag, bool on);
  // 数独遊び方印刷, 数独☆title印刷 and 数独clue印刷を小さくする.
  void SetPuzzleFlag(bool settings::PuzzleOptions::*flag, bool on);
  // "標準に戻す" of the reduce percent: its design value, 80.
  void StandardReduce();

  const settings::PrintFormat &Format() const { return session_.Format().format; }

private:
  std::string &Mark(MarkKind kind);
  void Changed();

  Session &session_;
  MarkField pageBreak_, scale_;
};

} // namespace zenpa::app
