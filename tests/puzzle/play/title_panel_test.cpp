#include "puzzle/play/title_panel.h"

#include "base/file_io.h"
#include "base/sjis.h"
#include "platform/scripted_host.h"
#include "platform/text_memo.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using zenpa::base::Sj;
using zenpa::platform::ScriptedHost;
using zenpa::platform::TextMemo;
using namespace zenpa::play;
using Lines = std::vector<std::string>;

TEST(TitlePanel, EditsChangeTheStoredTextsOnlyWhenApplied) {
  zenpa::settings::PuzzleOptions options;
  TitlePanel panel(options);
  panel.Open();
  panel.EditTitle("new title");
  EXPECT_TRUE(panel.TitleEdited());
  EXPECT_EQ(DefaultPuzzleTitle(), options.title);
  panel.ApplyTitle();
  EXPECT_EQ("new title", options.title);
  EXPECT_FALSE(panel.TitleEdited());

  panel.DefaultTitle();
  EXPECT_EQ(DefaultPuzzleTitle(), panel.TitleText());
  EXPECT_TRUE(panel.TitleEdited());
  EXPECT_EQ("new title", options.title);
}

TEST(TitlePanel, AppliedHowToPlayDropsTrailingEmptyLines) {
  zenpa::settings::PuzzleOptions options;
  TitlePanel panel(options);
  panel.Open();
  panel.EditHowToPlay({"rule one", "", "rule two", "", ""});
  EXPECT_TRUE(panel.HowToPlayEdited());
  panel.ApplyHowToPlay();
  EXPECT_EQ((Lines{"rule one", "", "rule two"}), panel.HowToPlayText());
  EXPECT_EQ(kEmptySlotMarker, options.howToPlay[3]);

  panel.DefaultHowToPlay();
  panel.ApplyHowToPlay();
  EXPECT_EQ(DefaultHowToPlayLines(), options.howToPlay);
}

TEST(TitlePanel, InsertsAtTheCaretInOrder) {
  zenpa::settings::PuzzleOptions options;
  options.howToPlay = SlotsFromLines({"a", "b"});
  TitlePanel panel(options);
  panel.Open();
  TextMemo memo({"top", "bottom"});
  memo.SetCaret({1, 0});
  panel.InsertTitle(memo);
  panel.InsertHowToPlay(memo);
  EXPECT_EQ((Lines{"top", DefaultPuzzleTitle(), "a", "b", "bottom"}), memo.Lines());
}

TEST(TitlePanel, HowToPlayGoesToAndFromTextFiles) {
  const zenpa::testing::TempDir dir;
  const std::string path = dir.Path("howto.txt");
  zenpa::settings::PuzzleOptions options;
  TitlePanel panel(options);
  panel.Open();
  panel.EditHowToPlay({Sj("一行目"), "second"});
  ScriptedHost host;
  host.fileNames = {path, path, std::nullopt};
  ASSERT_TRUE(panel.SaveHowToPlay(host));
  EXPECT_EQ(Sj("テキスト(*.txt)|*.txt|すべてのファイル(*.*)|*.*"), host.fileDialogs[0].filter);

  TitlePanel other(options);
  other.Open();
  ASSERT_TRUE(other.LoadHowToPlay(host));
  EXPECT_EQ((Lines{Sj("一行目"), "second"}), other.HowToPlayText());
  EXPECT_FALSE(other.LoadHowToPlay(host)); // cancelled
}
