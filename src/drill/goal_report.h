// The texts of the drill game's goal dialog and clock, from the elapsed time
// and the mistakes. All texts are Shift-JIS.
#pragma once

#include "drill/pyramid.h"

#include <cstdint>
#include <string>

namespace zenpa::drill {

struct GoalReport {
  std::string caption;  // "もこさん ★ たしざん ★" / "もこさん ☆ ひきざん ☆"
  std::string headline; // "★★ ゴ ー ル ★★"
  std::string timeLine; // "１分　５秒  １問 1.4秒"
  std::string resultLine; // "◆ 全問正解です ◆", "まちがい 　３ 回" or "おちついてね"
  bool allCorrect = false; // draw the rounded highlight behind the result line
  std::string question;    // "※ 同じレベルで続けますか？"
  std::string note;        // "（テキストはクリアされます）"
};

// Whole minutes and the seconds left over, from milliseconds.
struct Elapsed {
  int minutes = 0;
  int seconds = 0;
};
Elapsed ElapsedFrom(std::int64_t milliseconds);

// Time per problem in tenths of a second, rounded half up.
int AverageTenths(Elapsed elapsed, int cellTotal);

// Shortest decimal form of tenths: 25 gives "2.5", 30 gives "3".
std::string TenthsText(int tenths);

// "　１分　５秒  １問 1.4秒" without its leading ideographic space.
std::string TimeLine(Elapsed elapsed, int cellTotal);

std::string ResultLine(int mistakes, int cellTotal);

GoalReport MakeGoalReport(Elapsed elapsed, int cellTotal, int mistakes, Operation op);

// The status strip while the game runs: "もこさんゲーム 　１分　５秒".
std::string ClockText(Elapsed elapsed);

// The time written into the sheet's time box: "　　　１分　　　５秒".
std::string TimeBoxText(Elapsed elapsed);

} // namespace zenpa::drill
