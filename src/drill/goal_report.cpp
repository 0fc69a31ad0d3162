#include "drill/goal_report.h"

#include "base/digits.h"
#include "base/sjis.h"

namespace zenpa::drill {

Elapsed ElapsedFrom(std::int64_t milliseconds) {
  const std::int64_t seconds = milliseconds < 0 ? 0 : milliseconds / 1000;
  return {static_cast<int>(seconds / 60), static_cast<int>(seconds % 60)};
}

int AverageTenths(Elapsed elapsed, int cellTotal) {
  if (cellTotal <= 0)
    return 0;
  const std::int64_t tenths = std::int64_t{elapsed.minutes} * 600 + elapsed.seconds * 10;
  return static_cast<int>((2 * tenths + cellTotal) / (2 * std::int64_t{cellTotal}));
}

std::string TenthsText(int tenths) {
  if (tenths % 10 == 0)
    return std::to_string(tenths / 10);
  return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::string TimeLine(Elapsed elapsed, int cellTotal) {
  static const std::string kBlank = base::Sj("　");
  std::string line = base::zenkakuW(elapsed.minutes) + base::Sj("分") +
                     base::zenkakuW(elapsed.seconds) + base::Sj("秒  １問 ") +
                     TenthsText(AverageTenths(elapsed, cellTotal)) + base::Sj("秒");
  if (line.compare(0, kBlank.size(), kBlank) == 0)
    line.erase(0, kBlank.size());
  return line;
}

std::string ResultLine(int mistakes, int cellTotal) {
  if (mistakes == 0)
    return base::Sj("◆ 全問正解です ◆");
  if (mistakes <= cellTotal / 2)
    return base::Sj("まちがい ") + base::zenkakuW(mistakes) + base::Sj(" 回");
  return base::Sj("おちついてね");
}

GoalReport MakeGoalReport(Elapsed elapsed, int cellTotal, int mistakes, Operation op) {
  GoalReport report;
  report.caption =
      base::Sj(op == Operation::Addition ? "もこさん ★ たしざん ★" : "もこさん ☆ ひきざん ☆");
  report.headline = base::Sj("★★ ゴ ー ル ★★");
  report.timeLine = TimeLine(elapsed, cellTotal);
  report.resultLine = ResultLine(mistakes, cellTotal);
  report.allCorrect = mistakes == 0;
  report.question = base::Sj("※ 同じレベルで続けますか？");
  report.note = base::Sj("（テキストはクリアされます）");
  return report;
}

std::string ClockText(Elapsed elapsed) {
  return base::Sj("もこさんゲーム ") + base::zenkakuW(elapsed.minutes) + base::Sj("分") +
         base::zenkakuW(elapsed.seconds) + base::Sj("秒");
}

std::string TimeBoxText(Elapsed elapsed) {
  return base::Sj("　　") + base::zenkakuW(elapsed.minutes) + base::Sj("分　　") +
         base::zenkakuW(elapsed.seconds) + base::Sj("秒");
}

} // namespace zenpa::drill
