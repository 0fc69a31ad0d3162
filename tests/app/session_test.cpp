#include "app/mark_commands.h"
#include "app/mark_settings.h"
#include "app/preview_commands.h"
#include "app/print_settings.h"
#include "app/session.h"

#include "base/file_io.h"
#include "base/paths.h"
#include "base/sjis.h"
#include "platform/recording_canvas.h"
#include "platform/recording_printer.h"
#include "platform/scripted_host.h"
#include "platform/text_memo.h"
#include "puzzle/play/grid_text.h"
#include "support/event_host.h"
#include "support/format_writer.h"
#include "support/message_texts.h"
#include "support/puzzle_game_rig.h"
#include "support/puzzle_samples.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <memory>

namespace zenpa::app {
namespace {

using base::Sj;
using platform::Answer;

class RecordingView : public SessionView {
public:
  void ShowLoadingNotice(const std::string &line) override { notices.push_back(line); }
  void HideLoadingNotice() override { ++hidden; }
  void BringToFront() override { ++raised; }
  void FocusEditor() override {}
  void DocumentLaidOut() override {}
  void RequestClose() override {}
  platform::Canvas *MeasureCanvas() override { return measuring ? &canvas : nullptr; }

  bool measuring = false;
  platform::RecordingCanvas canvas;
  std::vector<std::string> notices;
  int hidden = 0, raised = 0;
};

class SessionTest : public ::testing::Test {
protected:
  SessionTest() {
    std::filesystem::create_directory(program.Path("work"));
    std::filesystem::current_path(program.Path("work"));
    session.SetView(&view);
  }

  // A further session over the same document, host and program directory.
  Session &Another(const std::string &programDir = {}) {
    others.push_back(std::make_unique<Session>(memo, host, printer, fonts,
                                               programDir.empty() ? program.Dir() : programDir));
    return *others.back();
  }

  testing::TempDir program;
  platform::TextMemo memo;
  testing::EventHost host;
  platform::RecordingPrinter printer;
  platform::ListFontCatalog fonts{{"IPAGothic", Sj("ＭＳ ゴシック"), Sj("ＭＳ 明朝")}};
  RecordingView view;
  Session session{memo, host, printer, fonts, program.Dir()};
  std::vector<std::unique_ptr<Session>> others;
};

// A missing file on the command line falls back quietly to the untitled
// document; closing it unchanged asks nothing. Without a printer the name
// shows "なし" and the standard font is selected.
TEST_F(SessionTest, PlainStartHasAnEmptyUntitledDocumentAndSaysNothing) {
  session.Start({"nothing.txt"});
  session.FirstShow();
  EXPECT_EQ(0, memo.LineCount());
  EXPECT_EQ("ZENPA zenp_prn.txt", session.Doc().Caption() + " " + session.Doc().FileName());
  EXPECT_TRUE(view.notices.empty());
  EXPECT_EQ(1, view.hidden);
  EXPECT_EQ(Sj("なし"), session.PrinterName());
  ASSERT_LE(0, session.SelectedFont());
  EXPECT_EQ(Sj("ＭＳ ゴシック"), session.FontFaces().at(session.SelectedFont()));
  EXPECT_TRUE(session.CloseQuery());
  EXPECT_TRUE(host.messages.empty());
}

// The default document of the current directory opens with the notice; one
// named on the command line opens enlarged unless it has its own format,
// which "/V" overrides.
TEST_F(SessionTest, DocumentsOfTheCommandLineAreLoaded) {
  program.Write("work/zenp_prn.txt", "default\r\n");
  session.Start({});
  EXPECT_EQ(std::vector<std::string>{"default"}, memo.Lines());
  EXPECT_EQ(std::vector<std::string>{LoadingLine()}, view.notices);

  program.Write("work/a.txt", Sj("あ") + "\r\n");
  ASSERT_TRUE(testing::WriteFormat(program.Path("work/b.zpf"), 44));
  program.Write("work/b.txt", "b\r\n");
  std::string shown;
  for (const std::vector<std::string> &args :
       {std::vector<std::string>{"a.txt"}, {"b.txt"}, {"/V", "b.txt"}}) {
    Session &named = Another();
    named.Start(args);
    shown += memo.Line(0) + (named.Menus().enlargedView ? " enlarged" : "") +
             (named.Format().format.linesPerPage == 44 ? " own format|" : "|");
  }
  EXPECT_EQ(Sj("あ enlarged|b own format|b enlarged own format|"), shown);
}

// The tools, initial settings, sounds and manual are optional files of the
// program directory; without them their menu items are off and game sounds
// silent. The initial settings apply without renaming the format.
TEST_F(SessionTest, OptionalFilesEnableTheirMenuItems) {
  const auto items = [](Session &s) {
    const MenuStates m = s.Menus();
    return std::string(m.backEnabled ? "B" : "-") + (m.timerEnabled ? "T" : "-") +
           (m.grdvEnabled ? "G" : "-") + (m.soundsEnabled ? "S" : "-") +
           (s.Format().format.drill.gameSound ? "s" : "-");
  };
  session.Start({});
  EXPECT_EQ("-----", items(session));
  for (const char *name : {"ZTimer.exe", "GRDV.COM", "pi.wav", "pp.wav", "zenpa.htm"})
    program.Write(name, "");
  ASSERT_TRUE(testing::WriteFormat(program.Path("zenpa.ini"), 21));
  Session &other = Another();
  other.Start({});
  EXPECT_EQ("BTGSs", items(other));
  EXPECT_EQ("21 zenp_prn.zpf",
            std::to_string(other.Format().format.linesPerPage) + " " + other.Format().fileName);

  other.OpenManual();
  other.OpenMakerPage();
  other.StartTimerTool();
  EXPECT_EQ((std::vector<std::string>{program.Path("zenpa.htm"), other.MakerUrl()}), host.opened);
  EXPECT_EQ(std::vector<std::string>{program.Path("ZTimer.exe") + " /w /s /n"}, host.started);
  EXPECT_EQ(Sj("ＺＥＮＰＡ v3.87"), other.VersionBoxLines().at(1));
  // The drill game plays the same start sound as the puzzle game.
  DrillBoxes boxes{{"4", 4}, {"1", 1}, {"0", 0}};
  host.answers.push_back(Answer::Ok);
  ASSERT_TRUE(other.Drill().StartGame(boxes));
  EXPECT_EQ(std::vector<std::string>{program.Path("pi.wav")}, host.sounds);
}

// The history is read at start, its items open their documents, and it is
// written at close; one that cannot be read or written is reported and the
// program goes on.
TEST_F(SessionTest, HistoryIsReadAtStartAndWrittenAtClose) {
  std::string his = "header\r\n/no/such\r\n";
  for (const char *name : {"a", "c", "d", "e", "f"})
    his += program.Write("work/" + std::string(name) + ".txt", std::string(name) + "\r\n") + "\r\n";
  program.Write("zenpa.his", his);
  const std::string a = program.Path("work/a.txt");
  session.Start({});
  EXPECT_EQ("(&1)" + a, session.RecentFiles().Caption(1));
  session.OpenHistory(5);
  EXPECT_EQ(std::vector<std::string>{"f"}, memo.Lines());
  session.OpenHistory(2); // f went to the top
  EXPECT_EQ(std::vector<std::string>{"a"}, memo.Lines());

  const std::string b = program.Write("work/b.txt", "b\r\n");
  // Opened by its relative name and then by its path, b is one entry.
  session.Start({"b.txt"});
  session.DropFiles({b});
  EXPECT_TRUE(session.CloseQuery());
  const std::string text = program.Read("zenpa.his");
  EXPECT_NE(std::string::npos,
            text.find("\r\n" + b + "\r\n" + a + "\r\n" + program.Path("work/c.txt")))
      << text;

  std::filesystem::remove(a);
  session.OpenHistory(2);
  EXPECT_EQ(Sj("ファイル ") + a + Sj(" が見つかりません。|"), testing::MessageTexts(host));

  for (bool directory : {true, false}) {
    std::filesystem::remove_all(program.Path("zenpa.his"));
    directory ? (void)std::filesystem::create_directory(program.Path("zenpa.his"))
              : (void)program.Write("zenpa.his", "header\r\n" + b + std::string(1, '\0'));
    host.messages.clear();
    Session &other = Another();
    other.Start({});
    EXPECT_EQ("(&1)", other.RecentFiles().Caption(1));
    EXPECT_EQ(1u, host.messages.size());
    EXPECT_EQ(0u, testing::MessageTexts(host).find(Sj("ヒストリーファイルが読み込めません。")));
  }

  host.messages.clear();
  Session &unwritable = Another(program.Path("no-such-dir/"));
  unwritable.Start({});
  EXPECT_TRUE(unwritable.CloseQuery());
  EXPECT_EQ(Sj("ヒストリーが保存できません\n保存できません: ") +
                program.Path("no-such-dir/zenpa.his") + " (" + base::ReasonText(ENOENT) + ")|",
            testing::MessageTexts(host));
}

// Cancel keeps everything; "No" then closes without writing the text. "Yes"
// saves the text and the modified format, except in /k mode, which never
// writes a format; a save that fails keeps the window open. A modified
// format alone asks only while its automatic save is on.
TEST_F(SessionTest, CloseAsksToSaveTheTextAndTheFormat) {
  session.Start({program.Write("work/c.txt", "c\r\n")});
  memo.ReplaceLine(0, "edited");
  host.answers = {Answer::Cancel, Answer::No};
  EXPECT_FALSE(session.CloseQuery());
  EXPECT_FALSE(session.StopRequest());
  EXPECT_FALSE(program.Exists("zenpa.his"));
  EXPECT_TRUE(session.CloseQuery());
  EXPECT_EQ("c\r\n", program.Read("work/c.txt"));
  EXPECT_TRUE(program.Exists("zenpa.his"));
  ASSERT_EQ(2u, host.messages.size());
  EXPECT_EQ(Sj("zenpa - 保存確認: 内容が変更されています。上書きしますか？"),
            host.messages[0].caption + ": " + host.messages[0].text);
  EXPECT_EQ(platform::Icon::Warning, host.messages[0].icon);

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

  session.Start({});
  memo.SetModified(true);
  session.Doc().SetFileName(program.Path("missing-dir/c.txt"));
  host.answers = {Answer::Yes};
  host.messages.clear();
  EXPECT_FALSE(session.CloseQuery());
  EXPECT_EQ(2u, host.messages.size());
  EXPECT_TRUE(memo.Modified());

  memo.SetModified(false);
  session.Format().modified = true;
  session.Format().format.autoSaveFormat = false;
  host.messages.clear();
  EXPECT_TRUE(session.CloseQuery());
  EXPECT_TRUE(host.messages.empty());
  session.Format().format.autoSaveFormat = true;
  host.answers = {Answer::No};
  EXPECT_TRUE(session.CloseQuery());
  EXPECT_EQ(1u, host.messages.size());
}

// Only the first of several dropped files is read; a format file is applied
// and named, a puzzle file becomes puzzle blocks named after it. A file
// dropped while a run is active would replace the document under it.
TEST_F(SessionTest, DroppedFilesReplaceTheDocumentOrItsFormat) {
  session.Start({});
  const std::string first = program.Write("work/first.txt", "1\r\n");
  session.DropFiles({first, program.Write("work/second.txt", "2\r\n")});
  EXPECT_EQ(Sj("ドロップで読み込むファイルは１つだけです。|"), testing::MessageTexts(host));
  EXPECT_EQ(std::vector<std::string>{"1"}, memo.Lines());

  const std::string format = program.Path("work/drop.ZPF");
  ASSERT_TRUE(testing::WriteFormat(format, 12));
  session.DropFiles({format});
  EXPECT_EQ(12, session.Format().format.linesPerPage);
  EXPECT_EQ(format, session.Format().fileName);
  EXPECT_EQ(std::vector<std::string>{"1"}, memo.Lines());

  const std::string puzzle = program.Write("work/p.nbp", testing::NbpText(testing::kEasyPuzzle));
  session.DropFiles({puzzle});
  EXPECT_EQ(play::GridTopBorder(), memo.Line(1)) << "the title, then the grid";
  EXPECT_EQ(program.Path("work/p.txt"), session.Doc().FileName());
  EXPECT_FALSE(memo.Modified());

  memo.SetCaret({0, 0});
  const int raised = view.raised;
  host.onEvents = [&] {
    if (session.Puzzle().Display().stepVisible && session.StepKey() == puzzle::kKeyNone) {
      session.DropFiles({first});
      session.Puzzle().PressStepKey(puzzle::kKeyEscape);
    }
  };
  session.Puzzle().StepSolve();
  EXPECT_EQ(program.Path("work/p.txt"), session.Doc().FileName());
  EXPECT_EQ(play::GridTopBorder(), memo.Line(1));
  EXPECT_EQ(raised, view.raised);
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
  ASSERT_TRUE(testing::WriteFormat(program.Path("zenpa.ini"), format));
  view.measuring = true;
  Session withPrinter{memo, host, installed, fonts, program.Dir()};
  withPrinter.SetView(&view);
  withPrinter.Start({});
  withPrinter.RestoreInitialSettings();
  EXPECT_EQ(std::tuple(12, platform::kLandscape, 10),
            std::tuple(installed.PaperCode(), installed.Orientation(),
                       withPrinter.Format().format.evenPageShift));

  format.paperSize = 13;
  ASSERT_TRUE(testing::WriteFormat(program.Path("work/own.zpf"), format));
  program.Write("work/own.txt", "text\r\n");
  withPrinter.Format().format.evenPageShift = 0;
  ASSERT_EQ(editor::LoadStatus::Loaded, withPrinter.Doc().Load("own.txt"));
  EXPECT_EQ(std::tuple(13, 10, false),
            std::tuple(installed.PaperCode(), withPrinter.Format().format.evenPageShift,
                       withPrinter.Format().modified));

  format.pouchBinding = false;
  format.evenPageShift = 7;
  ASSERT_TRUE(testing::WriteFormat(program.Path("work/own.zpf"), format));
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
  ASSERT_TRUE(testing::WriteFormat(program.Path("zenpa.ini"), format));
  view.measuring = true;
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
  for (const std::string &line :
       play::GridBlockLines(play::GivenCells(testing::DigitsOf(testing::kEasyPuzzle))))
    lines.push_back(line);
  memo.SetLines(lines);
  memo.SetCaret({0, 0});
  int drillLeft = 0;
  session.Drill().OnStopped([&] { ++drillLeft; });
  PuzzleGame &puzzle = session.Game();
  // The drill mode, the puzzle mode and how often the drill window heard its end.
  const auto modes = [&] { return std::tuple(session.Drill().Mode(), puzzle.Mode(), drillLeft); };
  ASSERT_TRUE(session.Drill().StartEntry());
  ASSERT_TRUE(puzzle.StartGame());
  EXPECT_EQ(std::tuple(WindowMode::None, WindowMode::PuzzleGame, 1), modes());
  host.answers.push_back(Answer::Ok); // the drill game's start box
  ASSERT_TRUE(session.Drill().StartGame(boxes));
  EXPECT_EQ(std::tuple(WindowMode::DrillGame, WindowMode::None, 1), modes());
  ASSERT_TRUE(puzzle.StartEntry());
  EXPECT_EQ(std::tuple(WindowMode::None, WindowMode::PuzzleEntry, 2), modes());
  ASSERT_TRUE(session.Drill().StartEntry());
  // A puzzle mode that cannot start leaves the drill mode on.
  memo.SetLines({});
  EXPECT_FALSE(puzzle.StartEntry());
  EXPECT_EQ(std::tuple(WindowMode::DrillEntry, WindowMode::None, 2), modes());
}

// The mark items work on the caret's line: a colour of the text itself
// resets the colour, spacing and indent start from the line's marks, and an
// empty mark field keeps the mark it had. The frame follows the text colour
// until a frame colour of its own is chosen.
TEST_F(SessionTest, MarkItemsWorkOnTheCaretsLine) {
  MarkCommands marks{session, memo};
  memo.SetLines({"p= $0000FF", "p= %-200 m-55", "p= %="});
  memo.SetCaret({0, 10});
  EXPECT_TRUE(marks.ParameterItemsEnabled());
  host.colours.push_back(session.Format().format.textColor);
  EXPECT_TRUE(marks.ChooseColour());
  EXPECT_FALSE(marks.ChooseColour()); // cancelled: nothing inserted
  EXPECT_EQ("p= $0000FF c=", memo.Line(0));
  session.Format().format.lineSpacing = 120;
  memo.SetCaret({1, 0});
  EXPECT_EQ(std::pair(-120, -55), std::pair(marks.SpacingStart(), marks.IndentStart()));
  memo.SetCaret({2, 5});
  marks.InsertSpacing(-300);
  marks.InsertIndent(0);
  EXPECT_EQ("p= %= %-120 m=", memo.Line(2));
  memo.SetLines({"text"});
  EXPECT_FALSE(marks.ParameterItemsEnabled());

  MarkSettings panel{session};
  panel.Open();
  panel.Edit(MarkKind::Scale, "");
  EXPECT_TRUE(panel.Field(MarkKind::Scale).editing);
  panel.Apply(MarkKind::Scale);
  EXPECT_EQ("p p", session.Format().format.scaleMark + " " + panel.Field(MarkKind::Scale).text);
  EXPECT_FALSE(panel.Field(MarkKind::Scale).editing);

  PrintSettings print{session, host};
  host.colours = {0x0000FF, 0x00FF00};
  print.ChooseTextColour();
  EXPECT_EQ(0x0000FFu, print.FrameColour());
  print.ChooseFrameColour();
  EXPECT_EQ(std::pair(0x00FF00u, 0x0000FFu),
            std::pair(print.FrameColour(), session.Format().format.textColor));
  EXPECT_TRUE(session.Format().modified);
}

// An empty document shows one empty sheet in the preview (the print tests
// lay out the 600-point font and the landscape postcard).
TEST_F(SessionTest, AnEmptyDocumentShowsOneSheetInThePreview) {
  view.measuring = true;
  PreviewCommands preview{session};
  preview.Open();
  platform::RecordingCanvas sheet;
  session.ComposePreview(sheet);
  EXPECT_EQ("1/1", session.PreviewState().SheetLabel());
  EXPECT_TRUE(sheet.TextOps().empty());
}

} // namespace
} // namespace zenpa::app
