#include "puzzle/play/viewer_duplicates.h"

#include "base/sjis.h"
#include "platform/scripted_host.h"
#include "support/puzzle_samples.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace zenpa::play;
using zenpa::testing::kEasyPuzzle;
using zenpa::testing::kNakedPairPuzzle;
using zenpa::testing::NbpText;

TEST(ViewerDuplicates, SameFirstPuzzleIsOnePairAndUnreadableItemsNeverMatch) {
  zenpa::testing::TempDir dir;
  const std::vector<std::string> paths = {
      dir.Write("a.nbp", NbpText(kEasyPuzzle)),
      dir.Write("b.nbp", NbpText(kNakedPairPuzzle)),
      dir.Write("c.nbp", NbpText(kEasyPuzzle) + NbpText(kNakedPairPuzzle)),
      dir.Write("e1.nbp", ""),
      dir.Write("e2.nbp", ""),
      dir.Write("x1.nbp", "12345678x\r\n"),
      dir.Write("x2.nbp", "12345678x\r\n"),
      dir.Path("missing1.nbp"),
      dir.Path("missing2.nbp"),
      dir.Dir(),
  };
  zenpa::platform::ScriptedHost host;
  const auto report = FindDuplicates(paths, {host, {}, {}});
  ASSERT_TRUE(report.has_value());
  EXPECT_EQ(1u, report->count);
  EXPECT_EQ((std::vector<DuplicatePair>{{0, 2}}), report->pairs);
  EXPECT_EQ(zenpa::base::Sj("重複が 1件あります"), DuplicateSummary(report->count));
  EXPECT_EQ(zenpa::base::Sj("重複はありません"), DuplicateSummary(0));
}

TEST(ViewerDuplicates, ManyEqualItemsAreCountedInFullAndListedInOrder) {
  zenpa::testing::TempDir dir;
  std::vector<std::string> paths;
  for (int i = 0; i < 50; ++i)
    paths.push_back(dir.Write(std::to_string(i) + ".nbp", NbpText(kEasyPuzzle)));
  zenpa::platform::ScriptedHost host;
  const auto report = FindDuplicates(paths, {host, {}, {}});
  ASSERT_TRUE(report.has_value());
  EXPECT_EQ(50u * 49u / 2u, report->count);
  EXPECT_EQ((DuplicatePair{0, 1}), report->pairs.front());
  EXPECT_EQ(kListedDuplicatePairs, report->pairs.size());
  EXPECT_EQ(zenpa::base::Sj("重複が 1225件あります（最初の1000件を表示）"),
            DuplicateSummary(report->count));
}

TEST(ViewerDuplicates, EventsRunAsTheClockMovesAndCancelEndsTheCheck) {
  zenpa::testing::TempDir dir;
  const std::vector<std::string> paths(10, dir.Write("a.nbp", NbpText(kEasyPuzzle)));
  zenpa::platform::ScriptedHost host;
  std::vector<int> shown;
  int checks = 0;
  DuplicateCheckHooks hooks{host, [&](int done, int) { shown.push_back(done); },
                            [&] {
                              host.clock += kDuplicateEventInterval / 2;
                              return ++checks == 6;
                            }};
  EXPECT_FALSE(FindDuplicates(paths, hooks).has_value());
  EXPECT_EQ(6, checks);
  EXPECT_EQ((std::vector<int>{2, 4}), shown); // every other item, as the clock moved
  EXPECT_EQ(2, host.processEventsCalls);
}
