#include "drill/drill_texts.h"

#include "base/sjis.h"
#include "base/units.h"

#include <algorithm>

namespace zenpa::drill {

std::string HintButtonTooltip(bool hintByDigit) {
  return base::Sj(hintByDigit ? "ヒントで表示する数字" : "一行に表示するヒントの数");
}

std::string AnswerMenuCaption(editor::InsertionPlace place) {
  return base::Sj(place == editor::InsertionPlace::AtEnd ? "もこさん解答を文末に追加(&A)"
                                                         : "もこさん解答を次頁に挿入(&A)");
}

std::string EntryModeLabel() { return base::Sj("もこさん入力"); }

std::string GameModeLabel() { return base::Sj("もこさんゲーム"); }

std::string GameWindowCaption() { return base::Sj("ZENPA - もこさん"); }

int GameWindowWidth(int longestLinePixels, int uiScale, int roomWidth) {
  return std::min(longestLinePixels + base::BAI(24, uiScale), roomWidth);
}

} // namespace zenpa::drill
