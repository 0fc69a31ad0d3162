// Captions, tooltips and sizes of the drill panel and the two drill modes, so
// that the window shows what the core decides. All texts are Shift-JIS.
#pragma once

#include "editor/insertion.h"

#include <string>

namespace zenpa::drill {

// Tooltip of the "ヒント" speed button for the current hint mode.
std::string HintButtonTooltip(bool hintByDigit);

// Whether the hint box is drawn yellow (hints by digit) rather than in the
// window colour.
inline bool HintBoxHighlighted(bool hintByDigit) { return hintByDigit; }

// The drill answer menu item for the insertion place.
std::string AnswerMenuCaption(editor::InsertionPlace place);

// Status strip label of entry mode ("もこさん入力") and game mode ("もこさんゲーム").
std::string EntryModeLabel();
std::string GameModeLabel();

// The main window's caption during a game ("ZENPA - もこさん").
std::string GameWindowCaption();

// Window width during a game: the longest document line in the editor's
// font plus a margin of 24 design pixels, scaled by the UI scale (percent),
// but no wider than roomWidth, the width the screen leaves the window: the
// sheet of a long number then scrolls sideways instead of leaving the screen.
int GameWindowWidth(int longestLinePixels, int uiScale, int roomWidth);

} // namespace zenpa::drill
