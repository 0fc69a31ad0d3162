#include "app/session.h"

#include "base/file_io.h"
#include "base/paths.h"
#include "base/sjis.h"
#include "platform/recording_canvas.h"
#include "platform/recording_printer.h"
#include "platform/scripted_host.h"
#include "platform/text_memo.h"
#include "puzzle/play/grid_text.h"
#include "settings/format_file.h"
#include "support/event_host.h"
#include "support/puzzle_samples.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace zenpa::app {
namespace {

using base::Sj;
using platform::Answer;

class RecordingView : public SessionView {
public:
  void ShowLoadingNotice(const std::string &line) override { notices.push_back(line); }
  void HideLoadingNotice() override { ++hidden; }
  void BringToFront() override { ++raised; }
  void FocusEditor() override { ++focused; }
  void DocumentLaidOut() override { ++laidOut; }
  void RequestClose() override { ++closeRequests; }

  std::vector<std::string> notices;
  int hidden = 0, raised = 0, focused = 0, laidOut = 0, closeRequests = 0;
};

class SessionTest : public ::testing::Test {
protected:
  SessionTest() {
    std::filesystem::create_directory(program.Path("work"));
    std::filesystem::current_path(program.Path("work"));
    session.SetView(&view);
  }

  void WriteFormat(const std::string &path, int linesPerPage) {
    settings::PrintFormat format;
    format.linesPerPage = linesPerPage;
    ASSERT_TRUE(settings::Savezpf(path, format, {}, host));
  }

  // Loads the text into the document, edited.
  void EditDocument(const std::string &name, const std::string &text) {
    program.Write("work/" + name, text);
    session.Start({name});
    memo.ReplaceLine(0, "edited");
  }

  // Loads the puzzle file as the document with the caret at its grid.
  void OpenPuzzle() {
    session.Start({});
    session.DropFiles({program.Write("work/p.nbp", testing::NbpText(testing::kEasyPuzzle))});
    memo.SetCaret({0, 0});
  }
  // Calls step(n) at the n-th wait of the step-by-step solve.
  void StepSolve(const std::function<void(int)> &step) {
    int waits = 0;
    host.onEvents = [&] {
      if (session.Puzzle().Display().stepVisible && session.StepKey() == puzzle::kKeyNone)
        step(++waits);
    };
    session.Puzzle().StepSolve();
    host.onEvents = nullptr;
  }

  testing::TempDir program;
  platform::TextMemo memo;
  testing::EventHost host;
  platform::RecordingPrinter printer;
  platform::ListFontCatalog fonts{{"IPAGothic", Sj("ＭＳ ゴシック"), Sj("ＭＳ 明朝")}};
  RecordingView view;
  Session session{memo, host, printer, fonts, program.Dir()};
};

// A missing file on the command line falls back quietly to the untitled
// document; closing it unchanged asks nothing.
TEST_F(SessionTest, PlainStartHasAnEmptyUntitledDocumentAndSaysNothing) {
  session.Start({"nothing.txt"});
  session.FirstShow();
  EXPECT_EQ(0, memo.LineCount());
  EXPECT_EQ("ZENPA", session.Doc().Caption());
  EXPECT_EQ(editor::kDefaultDocName, session.Doc().FileName());
  EXPECT_TRUE(view.notices.empty());
  EXPECT_EQ(1, view.hidden);
  EXPECT_TRUE(session.CloseQuery());
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(session.StopRequest());
  EXPECT_EQ(27, session.StepKey());
}

TEST_F(SessionTest, DefaultDocumentInTheCurrentDirectoryIsLoaded) {
  program.Write("work/zenp_prn.txt", "default\r\n");
  session.Start({});
  EXPECT_EQ(std::vector<std::string>{"default"}, memo.Lines());
  EXPECT_EQ(std::vector<std::string>{LoadingLine()}, view.notices);
}

TEST_F(SessionTest, DocumentOnTheCommandLineIsLoadedAndEnlargedWithoutAFormat) {
  program.Write("work/a.txt", Sj("あ") + "\r\n");
  session.Start({"a.txt"});
  EXPECT_EQ(std::vector<std::string>{Sj("あ")}, memo.Lines());
  EXPECT_EQ("ZENPA - a.txt", session.Doc().Caption());
  EXPECT_TRUE(session.Menus().enlargedView);

  // A document with its format opens enlarged only with the switch.
  WriteFormat(program.Path("work/b.zpf"), 44);
  Session other{memo, host, printer, fonts, program.Dir()};
  other.Start({program.Write("work/b.txt", "b\r\n")});
  EXPECT_FALSE(other.Menus().enlargedView);
  EXPECT_EQ(44, other.Format().format.linesPerPage);
  Session switched{memo, host, printer, fonts, program.Dir()};
  switched.Start({"/V", "b.txt"});
  EXPECT_TRUE(switched.Menus().enlargedView);
}

TEST_F(SessionTest, FormatFileAloneOnTheCommandLineIsOpenedAsText) {
  WriteFormat(program.Path("work/only.zpf"), 60);
  session.Start({"only.zpf"});
  EXPECT_EQ(0, session.Format().format.linesPerPage);
  EXPECT_EQ(Sj("60,頁行数"), memo.Line(1));
}

// The tools, initial settings and sounds are optional files of the program
// directory; without them their menu items are off and game sounds silent.
// The initial settings apply without renaming the format.
TEST_F(SessionTest, OptionalFilesEnableTheirMenuItems) {
  session.Start({});
  EXPECT_FALSE(session.Menus().backEnabled);
  EXPECT_FALSE(session.Menus().timerEnabled);
  EXPECT_FALSE(session.Format().format.drill.gameSound);

  for (const char *name : {"ZTimer.exe", "GRDV.COM", "pp.wav"})
    program.Write(name, "");
  WriteFormat(program.Path("zenpa.ini"), 21);
  Session other{memo, host, printer, fonts, program.Dir()};
  other.Start({});
  EXPECT_TRUE(other.Menus().backEnabled);
  EXPECT_TRUE(other.Menus().timerEnabled);
  EXPECT_TRUE(other.Menus().grdvEnabled);
  EXPECT_TRUE(other.Menus().soundsEnabled);
  EXPECT_EQ(program.Path("pp.wav"), other.SoundPp());
  EXPECT_EQ("", other.SoundPo());
  EXPECT_EQ(21, other.Format().format.linesPerPage);
  EXPECT_EQ(editor::kDefaultFormatName, other.Format().fileName);
}

TEST_F(SessionTest, HistoryIsReadAtStartAndWrittenAtClose) {
  const std::string a = program.Write("work/a.txt", "a\r\n");
  program.Write("zenpa.his", "header\r\n/no/such\r\n" + a + "\r\n");
  session.Start({});
  EXPECT_EQ("(&1)" + a, session.RecentFiles().Caption(1));

  const std::string b = program.Write("work/b.txt", "b\r\n");
  // Opened by its relative name and then by its path, b is one entry.
  session.Start({"b.txt"});
  session.DropFiles({b});
  EXPECT_TRUE(session.CloseQuery());
  const std::string text = program.Read("zenpa.his");
  EXPECT_NE(std::string::npos, text.find("\r\n" + b + "\r\n" + a + "\r\n\r\n\r\n\r\n"));
}

TEST_F(SessionTest, NoPrinterShowsNoneAndTheStandardFontIsSelected) {
  session.Start({});
  EXPECT_FALSE(session.HasPrinter());
  EXPECT_EQ(Sj("なし"), session.PrinterName());
  ASSERT_LE(0, session.SelectedFont());
  EXPECT_EQ(Sj("ＭＳ ゴシック"), session.FontFaces().at(session.SelectedFont()));
}

// Cancel keeps everything; "No" then closes without writing the text.
TEST_F(SessionTest, CloseCancelledKeepsEverythingAndNoWritesNoDocument) {
  EditDocument("c.txt", "c\r\n");
  host.answers = {Answer::Cancel, Answer::No};
  EXPECT_FALSE(session.CloseQuery());
  ASSERT_EQ(1u, host.messages.size());
  EXPECT_EQ(Sj("内容が変更されています。上書きしますか？"), host.messages[0].text);
  EXPECT_EQ(Sj("zenpa - 保存確認"), host.messages[0].caption);
  EXPECT_EQ(platform::Icon::Warning, host.messages[0].icon);
  EXPECT_EQ("c\r\n", program.Read("work/c.txt"));
  EXPECT_FALSE(session.StopRequest());
  EXPECT_FALSE(program.Exists("zenpa.his"));
  EXPECT_TRUE(session.CloseQuery());
  EXPECT_EQ("c\r\n", program.Read("work/c.txt"));
  EXPECT_TRUE(program.Exists("zenpa.his"));
}

// "Yes" saves the text and the modified format, except in /k mode, which
// never writes a format.
TEST_F(SessionTest, CloseAnsweredYesSavesTextAndModifiedFormat) {
  for (const bool kMode : {false, true}) {
    program.Write("work/k.txt", "k\r\n");
    session.Start(kMode ? std::vector<std::string>{"/k", "k.txt"}
                        : std::vector<std::string>{"k.txt"});
    memo.ReplaceLine(0, "edited");
    session.Format().modified = true;
    host.answers = {Answer::Yes};
    EXPECT_TRUE(session.CloseQuery());
    EXPECT_EQ("edited\r\n", program.Read("work/k.txt"));
    EXPECT_EQ(!kMode, program.Exists("work/k.zpf"));
    std::filesystem::remove(program.Path("work/k.zpf"));
  }
}

TEST_F(SessionTest, ModifiedFormatAloneAsksOnlyWhileAutoSaveIsOn) {
  session.Start({});
  session.Format().modified = true;
  session.Format().format.autoSaveFormat = false;
  EXPECT_TRUE(session.CloseQuery());
  EXPECT_TRUE(host.messages.empty());

  session.Format().format.autoSaveFormat = true;
  host.answers = {Answer::No};
  EXPECT_TRUE(session.CloseQuery());
  EXPECT_EQ(1u, host.messages.size());
}

TEST_F(SessionTest, CloseWhoseSaveFailsStaysOpen) {
  EditDocument("c.txt", "c\r\n");
  session.Doc().SetFileName(program.Path("missing-dir/c.txt"));
  host.answers = {Answer::Yes};
  EXPECT_FALSE(session.CloseQuery());
  EXPECT_EQ(2u, host.messages.size());
  EXPECT_TRUE(memo.Modified());
}

// Closing during a long run stops it, but the close waits until the run
// has ended: the answer "Yes" saves the text as the run leaves it.
TEST_F(SessionTest, CloseDuringARunWaitsForItAndSavesWhatItLeaves) {
  EditDocument("c.txt", "c\r\n");
  // A generator run that repeats until it is stopped: the clue count it
  // looks for is never reached.
  settings::PuzzleOptions &p = session.Puzzle().Options();
  p.techniques.conditionsPanelShown = p.addToDocument = true;
  p.targetGivens = p.lowerGivens = p.upperGivens = 20;
  p.attempts = 0;
  session.Puzzle().SeedRandom(3);
  host.tick = 10;
  host.answers = {Answer::Yes};
  std::vector<bool> closes;
  host.onEvents = [&] {
    if (closes.empty())
      closes.push_back(session.CloseQuery());
  };
  session.Puzzle().Generate();
  EXPECT_EQ(std::vector<bool>{false}, closes);
  EXPECT_EQ(1, view.closeRequests);

  EXPECT_TRUE(session.CloseQuery());
  EXPECT_EQ(1u, host.messages.size()) << "the prompt was answered once";
  const std::string saved = program.Read("work/c.txt");
  EXPECT_EQ(0u, saved.find("edited\r\n"));
  // The stopped run lets the puzzle it was making through to the document.
  EXPECT_NE(std::string::npos, saved.find(play::GridTopBorder()));
}

// Cancel during a run keeps it going; "No" stops it, and the close that
// follows the run neither asks again nor writes the text.
TEST_F(SessionTest, CloseDuringTheStepsAsksFirstAndStopsOnlyWhenNotCancelled) {
  OpenPuzzle();
  memo.SetModified(true);
  host.answers = {Answer::Cancel, Answer::No};
  std::vector<bool> closes;
  int lastWait = 0;
  StepSolve([&](int wait) {
    lastWait = wait;
    if (wait <= 2)
      closes.push_back(session.CloseQuery());
    if (wait == 1)
      session.Puzzle().PressStepKey(puzzle::kKeyEnter);
  });
  EXPECT_EQ((std::vector<bool>{false, false}), closes);
  EXPECT_EQ(2, lastWait) << "the steps went on after Cancel and ended after No";
  EXPECT_EQ(1, view.closeRequests);
  EXPECT_TRUE(session.CloseQuery());
  EXPECT_EQ(2u, host.messages.size());
  EXPECT_FALSE(program.Exists("work/p.txt"));
}

// A file dropped while a run is active would replace the document under it.
TEST_F(SessionTest, FilesDroppedDuringARunAreNotTaken) {
  OpenPuzzle();
  const std::string other = program.Write("work/other.txt", "o\r\n");
  StepSolve([&](int) {
    session.DropFiles({other});
    session.Puzzle().PressStepKey(puzzle::kKeyEscape);
  });
  EXPECT_EQ(program.Path("work/p.txt"), session.Doc().FileName());
  EXPECT_EQ(play::GridTopBorder(), memo.Line(1));
  EXPECT_EQ(1, view.raised) << "by the drop before the run only";
}

TEST_F(SessionTest, FilesDroppedDuringADrillGameAreNotTaken) {
  session.Start({});
  const std::string other = program.Write("work/other.txt", "o\r\n");
  DrillBoxes boxes{{"4", 4}, {"1", 1}, {"0", 0}};
  host.answers.push_back(Answer::Ok);
  ASSERT_TRUE(session.Drill().StartGame(boxes));
  const std::string digits = memo.Line(5);
  session.DropFiles({other});
  EXPECT_EQ(digits, memo.Line(5));
  session.Drill().Stop();
  host.answers.push_back(Answer::No); // not saved
  session.DropFiles({other});
  EXPECT_EQ("o", memo.Line(0));
}

TEST_F(SessionTest, HistoryWriteFailureIsReportedAndTheCloseGoesOn) {
  Session other{memo, host, printer, fonts, program.Path("no-such-dir/")};
  other.Start({});
  EXPECT_TRUE(other.CloseQuery());
  ASSERT_EQ(1u, host.messages.size());
  EXPECT_EQ(Sj("ヒストリーが保存できません\n保存できません: ") +
                program.Path("no-such-dir/zenpa.his") + " (" + base::ReasonText(ENOENT) + ")",
            host.messages[0].text);
}

TEST_F(SessionTest, DroppingTwoFilesLoadsOnlyTheFirst) {
  session.Start({});
  const std::string first = program.Write("work/first.txt", "1\r\n");
  const std::string second = program.Write("work/second.txt", "2\r\n");
  session.DropFiles({first, second});
  ASSERT_EQ(1u, host.messages.size());
  EXPECT_EQ(Sj("ドロップで読み込むファイルは１つだけです。"), host.messages[0].text);
  EXPECT_EQ(std::vector<std::string>{"1"}, memo.Lines());
}

TEST_F(SessionTest, DroppedFormatFileIsAppliedAndNamed) {
  session.Start({});
  memo.SetLines({"text"});
  const std::string path = program.Path("work/drop.ZPF");
  WriteFormat(path, 12);
  session.DropFiles({path});
  EXPECT_EQ(12, session.Format().format.linesPerPage);
  EXPECT_EQ(path, session.Format().fileName);
  EXPECT_EQ(std::vector<std::string>{"text"}, memo.Lines());
}

TEST_F(SessionTest, PuzzleFileOnTheCommandLineIsReadWithTheNotice) {
  std::vector<std::string> read;
  session.puzzleFileReader = [&](const std::string &path) {
    read.push_back(path);
    memo.SetLines({"p1", "p2"});
    memo.SetCaret({1, 1});
  };
  program.Write("work/p.nbp", "");
  session.Start({"p.nbp"});
  session.FirstShow();
  EXPECT_EQ(std::vector<std::string>{"p.nbp"}, read);
  EXPECT_EQ(std::vector<std::string>{PuzzleLoadingLine()}, view.notices);
  EXPECT_EQ((platform::TextPos{0, 0}), memo.Caret());
  EXPECT_TRUE(session.Doc().Settings().realtimeLayoutOn);
}

TEST_F(SessionTest, HistoryItemsOpenTheirDocuments) {
  const std::string a = program.Write("work/a.txt", "a\r\n");
  session.Start({});
  session.DropFiles({a});
  session.Doc().New();
  session.OpenHistory(1);
  EXPECT_EQ(std::vector<std::string>{"a"}, memo.Lines());

  std::filesystem::remove(a);
  session.OpenHistory(1);
  ASSERT_EQ(1u, host.messages.size());
  EXPECT_EQ(Sj("ファイル ") + a + Sj(" が見つかりません。"), host.messages[0].text);
}

TEST_F(SessionTest, HelpCommandsUseTheProgramDirectory) {
  program.Write("zenpa.htm", "");
  session.Start({});
  session.OpenManual();
  session.OpenMakerPage();
  session.StartTimerTool();
  EXPECT_EQ((std::vector<std::string>{program.Path("zenpa.htm"), session.MakerUrl()}), host.opened);
  EXPECT_EQ(std::vector<std::string>{program.Path("ZTimer.exe") + " /w /s /n"}, host.started);
  EXPECT_EQ(Sj("ＺＥＮＰＡ v3.87"), session.VersionBoxLines().at(1));
}

// The manual and the sounds that come with an installed program are found
// in its data directory; one in the program directory takes precedence.
TEST_F(SessionTest, ManualAndSoundsFallBackToTheDataDirectory) {
  session.SetDataDir(program.Dir() + "share/");
  session.Start({});
  session.OpenManual();
  EXPECT_FALSE(session.Menus().soundsEnabled);
  ASSERT_EQ(1u, host.messages.size());
  EXPECT_EQ(Sj("解説ファイル zenpa.htm が見つかりません。"), host.messages[0].text);

  for (const char *name : {"share/zenpa.htm", "share/pi.wav", "share/po.wav", "po.wav"})
    program.Write(name, "");
  Session installed{memo, host, printer, fonts, program.Dir()};
  installed.SetDataDir(program.Dir() + "share/");
  installed.Start({});
  installed.OpenManual();
  EXPECT_TRUE(installed.Menus().soundsEnabled);
  EXPECT_EQ(program.Path("share/pi.wav"), installed.SoundPi());
  EXPECT_EQ(program.Path("po.wav"), installed.SoundPo());
  EXPECT_EQ(std::vector<std::string>{program.Path("share/zenpa.htm")}, host.opened);

  // The drill game plays the same start sound as the puzzle game.
  installed.Format().format.drill.gameSound = true;
  DrillBoxes boxes{{"4", 4}, {"1", 1}, {"0", 0}};
  host.answers.push_back(Answer::Ok);
  ASSERT_TRUE(installed.Drill().StartGame(boxes));
  EXPECT_EQ(std::vector<std::string>{program.Path("share/pi.wav")}, host.sounds);
}

// A history that cannot be read is reported, and start-up goes on.
TEST_F(SessionTest, UnreadableHistoryIsReportedAndStartGoesOn) {
  const std::string a = program.Write("work/a.txt", "a\r\n");
  for (bool directory : {true, false}) {
    std::filesystem::remove_all(program.Path("zenpa.his"));
    if (directory)
      std::filesystem::create_directory(program.Path("zenpa.his"));
    else
      program.Write("zenpa.his", std::string("header\r\n", 8) + a + std::string(1, '\0'));
    host.messages.clear();
    Session other{memo, host, printer, fonts, program.Dir()};
    other.Start({});
    ASSERT_EQ(1u, host.messages.size());
    EXPECT_EQ(0u, host.messages[0].text.find(Sj("ヒストリーファイルが読み込めません。")))
        << host.messages[0].text;
    EXPECT_EQ("(&1)", other.RecentFiles().Caption(1));
  }
}

// A dropped puzzle file replaces the text by its puzzle blocks and names
// the document after it.
TEST_F(SessionTest, DroppedPuzzleFileIsReadIntoPuzzleBlocks) {
  session.Start({});
  memo.SetLines({"old text"});
  const std::string path = program.Write("work/drop.nbp", testing::NbpText(testing::kEasyPuzzle));
  session.DropFiles({path});
  EXPECT_EQ(play::GridTopBorder(), memo.Line(1)) << "the title, then the grid";
  EXPECT_EQ(base::ChangeFileExt(path, ".txt"), session.Doc().FileName());
  EXPECT_FALSE(memo.Modified());
}

// A format read with a printer installed sets the printer's paper, and
// pouch binding takes the printer's even-page shift at once; so does a
// document's own format. Without duplex or pouch binding the shift read stays.
TEST_F(SessionTest, RestoredFormatSetsThePrintersPaperAndTheEvenShift) {
  platform::RecordingPrinter installed({"P"});
  platform::PrinterMetrics m = platform::VirtualPrinterMetrics(210, 297);
  m.printableW = m.paperW - m.offX - 185; // a right strip 10 mm wider than the left offset
  installed.SetMetrics(m);
  settings::PrintFormat format;
  format.paperSize = 12;
  format.orientation = platform::kLandscape;
  format.pouchBinding = true;
  ASSERT_TRUE(settings::Savezpf(program.Path("zenpa.ini"), format, {}, host));
  struct MeasuringView : RecordingView {
    platform::Canvas *MeasureCanvas() override { return &canvas; }
    platform::RecordingCanvas canvas;
  } measuring;
  Session withPrinter{memo, host, installed, fonts, program.Dir()};
  withPrinter.SetView(&measuring);
  withPrinter.Start({});
  withPrinter.RestoreInitialSettings();
  EXPECT_EQ(12, installed.PaperCode());
  EXPECT_EQ(platform::kLandscape, installed.Orientation());
  EXPECT_EQ(10, withPrinter.Format().format.evenPageShift);

  format.paperSize = 13;
  ASSERT_TRUE(settings::Savezpf(program.Path("work/own.zpf"), format, {}, host));
  program.Write("work/own.txt", "text\r\n");
  withPrinter.Format().format.evenPageShift = 0;
  ASSERT_EQ(editor::LoadStatus::Loaded, withPrinter.Doc().Load("own.txt"));
  EXPECT_EQ(13, installed.PaperCode());
  EXPECT_EQ(10, withPrinter.Format().format.evenPageShift);
  EXPECT_FALSE(withPrinter.Format().modified);

  format.pouchBinding = false;
  format.evenPageShift = 7;
  ASSERT_TRUE(settings::Savezpf(program.Path("work/own.zpf"), format, {}, host));
  ASSERT_EQ(editor::LoadStatus::Loaded, withPrinter.Doc().Load("own.txt"));
  EXPECT_EQ(7, withPrinter.Format().format.evenPageShift);
}

// Without a printer, a saved format names the paper it was loaded with and
// shows the top margin together with the header lines.
TEST_F(SessionTest, SavedFormatCommentsShowTheFormatsPaperAndTheHeader) {
  settings::PrintFormat format;
  format.paperSize = 13;
  format.orientation = platform::kLandscape;
  format.pageNumberOn = true;
  format.pageNumberPos = settings::PageNumberPos::Top;
  ASSERT_TRUE(settings::Savezpf(program.Path("zenpa.ini"), format, {}, host));
  struct MeasuringView : RecordingView {
    platform::Canvas *MeasureCanvas() override { return &canvas; }
    platform::RecordingCanvas canvas;
  } measuring;
  session.SetView(&measuring);
  session.Start({});
  session.RestoreInitialSettings();
  session.SaveInitialSettings();
  const int headerMm = session.Layout().Layout().geometry.headerMm;
  EXPECT_LT(0, headerMm) << "two header lines";
  const std::string text = program.Read("zenpa.ini");
  EXPECT_NE(std::string::npos, text.find(Sj(",用紙サイズ ( 257 x 182 mm )")))
      << base::SjisToUtf8(text);
  const std::string top = Sj(",上余白 (mm)　ヘッダを含めて") + std::to_string(15 + headerMm) + "mm";
  EXPECT_NE(std::string::npos, text.find(top)) << base::SjisToUtf8(text);
}

// The drill and puzzle modes exclude each other: whichever starts ends the
// other, and the drill window hears that its mode was ended.
TEST_F(SessionTest, DrillAndPuzzleModesEndEachOther) {
  session.Start({});
  DrillBoxes boxes{{"4", 4}, {"1", 1}, {"0", 0}};
  ASSERT_TRUE(session.Drill().Generate(boxes));
  std::vector<std::string> lines = memo.Lines();
  play::GridDigits digits{};
  for (int i = 0; i < 81; ++i)
    digits[i] = testing::kEasyPuzzle[i] - '0';
  for (const std::string &line : play::GridBlockLines(play::GivenCells(digits)))
    lines.push_back(line);
  memo.SetLines(lines);
  memo.SetCaret({0, 0});
  int drillLeft = 0;
  session.Drill().OnStopped([&] { ++drillLeft; });
  PuzzleGame &puzzle = session.Game();

  ASSERT_TRUE(session.Drill().StartEntry());
  ASSERT_TRUE(puzzle.StartGame());
  EXPECT_EQ(WindowMode::None, session.Drill().Mode());
  EXPECT_EQ(1, drillLeft);
  host.answers.push_back(Answer::Ok); // the drill game's start box
  ASSERT_TRUE(session.Drill().StartGame(boxes));
  EXPECT_EQ(WindowMode::None, puzzle.Mode());
  ASSERT_TRUE(puzzle.StartEntry());
  EXPECT_EQ(WindowMode::None, session.Drill().Mode());
  EXPECT_EQ(2, drillLeft);
  ASSERT_TRUE(session.Drill().StartEntry());
  EXPECT_EQ(WindowMode::None, puzzle.Mode());
  // A puzzle mode that cannot start leaves the drill mode on.
  memo.SetLines({});
  EXPECT_FALSE(puzzle.StartEntry());
  EXPECT_EQ(WindowMode::DrillEntry, session.Drill().Mode());
}

} // namespace
} // namespace zenpa::app
