// The switches of the print settings panel as plain data: which controls
// are enabled or shown for a format, the pairs that exclude each other, the
// paper-edge switch, and the font-name list's matching and arrow keys.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "print/layout_geometry.h"
#include "settings/print_format.h"

namespace zenpa::print {

// What the panel enables and shows for the format.
struct PanelStates {
  bool pageNumberPlaces = false; // "上", "下", "右" and "初期値": with "頁番号"
  bool alignHeader = false;      // "行揃": a header or a footer is printed
  bool extension = false;        // the extension box: with "ファイル名"
  bool leftAligned = false;      // "頁左寄せ": with duplex or pouch binding
  bool passButtons = false;      // "奇数頁" / "偶数頁": with duplex
  bool nextPassButton = false;   // ">": with duplex, hidden by pouch binding
  bool tabWidth = false;         // "タブ": only while tabs are expanded
  bool paperEdgeFields = false;  // "用紙下" / "用紙右" and their menu items
  bool frameLines = false;       // the frame sub-panel and its outline
};

PanelStates StatesOf(const settings::PrintFormat &format);

// The switches of the panel that need a rule beyond setting their flag.
enum class PanelSwitch {
  PageNumber,   // "頁番号"
  FileName,     // "ファイル名"
  Date,         // "日付"
  Duplex,       // "両面印刷"
  PouchBinding, // "袋とじ印刷"
  LeftAligned,  // "頁左寄せ"
  PaperEdge,    // "下・右用紙端を指定する(&M)"
};

// Sets a switch: duplex and pouch binding exclude each other, turning the
// paper edges off drops both cuts. Duplex, pouch binding and left alignment
// run the even-page shift on the geometry of the last layout. Returns
// whether the shift changed the format beyond the switch itself.
bool SetSwitch(settings::PrintFormat &format, PanelSwitch which, bool on,
               const PageGeometry &geometry);

// The entry a typed font name selects: the last entry equal to it, -1 when
// none is.
int MatchFontName(const std::vector<std::string> &fonts, std::string_view typed);

// The entry the up (-1) and down (+1) arrow keys move the selection to,
// kept in the list; from no selection the first key selects the first entry.
int StepFontSelection(int selected, int count, int delta);

} // namespace zenpa::print
