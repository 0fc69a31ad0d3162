#include "editor/document.h"

#include "base/file_io.h"
#include "base/paths.h"
#include "base/sjis.h"
#include "base/units.h"
#include "platform/scripted_host.h"
#include "platform/text_memo.h"
#include "settings/format_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace zenpa::editor {
namespace {

using base::Sj;
using platform::Answer;

class RecordingHooks : public DocumentHooks {
public:
  void NameRecorded(const std::string &name) override { recorded.push_back(name); }
  void Relayout() override { ++relayouts; }
  void RefreshPreview(bool) override {}
  bool PreviewFollowsChanges() const override { return previewFollows; }
  void DocumentReplaced() override { ++replaced; }
  void FocusEditor() override {}
  settings::LoadContext FormatLoadContext() const override { return {}; }
  settings::SaveContext FormatSaveContext() const override { return {}; }
  settings::FormatEnvironment FormatEnv() const override { return {}; }

  std::vector<std::string> recorded;
  int relayouts = 0;
  int replaced = 0;
  bool previewFollows = false;
};

class DocumentTest : public ::testing::Test {
protected:
  DocumentTest() { std::filesystem::current_path(dir.Dir()); }

  // A format file beside a document, with a setting that differs from the start values.
  void WriteFormat(const std::string &name, int linesPerPage) {
    settings::PrintFormat format;
    format.linesPerPage = linesPerPage;
    ASSERT_TRUE(settings::Savezpf(dir.Path(name), format, {}, host));
  }

  testing::TempDir dir;
  platform::TextMemo memo;
  platform::ScriptedHost host;
  settings::FormatState format;
  RecordingHooks hooks;
  Document doc{memo, host, format, hooks};
};

const std::string kJapaneseText = Sj("一行目\r\n二行目　全角\r\n\r\n");

// A document loads with the format beside it, and a save by its relative
// name goes back to the same file; without a format the format stays and
// page numbering starts again; a format file opened as a document is only
// text.
TEST_F(DocumentTest, LoadShowsTheTextAndAppliesTheFormatBesideIt) {
  dir.Write("sub/a.txt", kJapaneseText);
  WriteFormat("sub/a.zpf", 40);
  memo.SetModified(true);
  format.modified = true;
  EXPECT_EQ(LoadStatus::Loaded, doc.Load("sub/a.txt"));
  EXPECT_EQ((std::vector<std::string>{Sj("一行目"), Sj("二行目　全角"), ""}), memo.Lines());
  EXPECT_FALSE(memo.Modified());
  EXPECT_EQ(40, format.format.linesPerPage);
  EXPECT_EQ(dir.Path("sub/a.zpf"), format.fileName);
  EXPECT_FALSE(format.modified);
  EXPECT_EQ("ZENPA - " + dir.Path("sub/a.txt"), doc.Caption());
  EXPECT_EQ(std::vector<std::string>{dir.Path("sub/a.txt")}, hooks.recorded);
  EXPECT_EQ(dir.Path("sub"), base::CurrentDirectory());
  memo.ReplaceLine(0, "new");
  ASSERT_TRUE(doc.Save());
  EXPECT_EQ("new\r\n" + Sj("二行目　全角\r\n\r\n"), dir.Read("sub/a.txt"));
  EXPECT_FALSE(dir.Exists("sub/sub/a.txt"));

  dir.Write("b.txt", "x\r\n");
  format.format.pageNumberStart = "7";
  doc.Load(dir.Path("b.txt"));
  EXPECT_EQ(40, format.format.linesPerPage);
  EXPECT_EQ("1", format.format.pageNumberStart);

  WriteFormat("c.zpf", 55);
  doc.Load(dir.Path("c.zpf"));
  EXPECT_EQ(40, format.format.linesPerPage);
  EXPECT_EQ(dir.Path("b.zpf"), format.fileName);
  ASSERT_LT(1, memo.LineCount());
  EXPECT_EQ(Sj("55,頁行数"), memo.Line(1));
}

TEST_F(DocumentTest, MissingFileOrDirectoryChangesNothingAndOnlyTheDirectoryIsReported) {
  memo.SetLines({"keep"});
  EXPECT_EQ(LoadStatus::Missing, doc.Load("nothing.txt"));
  EXPECT_TRUE(host.messages.empty());
  std::filesystem::create_directory(dir.Path("folder"));
  EXPECT_EQ(LoadStatus::Failed, doc.Load("folder"));
  ASSERT_EQ(1u, host.messages.size());
  EXPECT_EQ(Sj("読み込めません: ") + dir.Path("folder") + Sj(" (フォルダーです)"),
            host.messages[0].text);
  EXPECT_EQ(std::vector<std::string>{"keep"}, memo.Lines());
  EXPECT_EQ(Sj("未定"), doc.NameLabel()) << "still the fresh document";
}

// CR LF, LF and lone-CR files open as lines and keep their bytes and line
// breaks when saved, edited or not; a new document goes back to CR LF.
TEST_F(DocumentTest, FilesSaveInTheirOwnFormByteForByte) {
  const std::string crlf = kJapaneseText + std::string("\x81\r\n\x00\xFF\x82\r\n", 8) + "\r\r\n";
  const std::string lf = Sj("一行目\n二行目\r全角\n\n");
  const std::string cr = Sj("一行目\r二行目\r\r");
  for (const std::string &bytes : {crlf, lf, cr}) {
    dir.Write("u.txt", bytes);
    doc.Load("u.txt");
    EXPECT_EQ(Sj("一行目"), memo.Line(0));
    memo.SetModified(true);
    ASSERT_TRUE(doc.Save());
    EXPECT_EQ(bytes, dir.Read("u.txt"));
  }
  memo.ReplaceLine(0, "x");
  ASSERT_TRUE(doc.Save());
  EXPECT_EQ(Sj("x\r二行目\r\r"), dir.Read("u.txt"));
  doc.New();
  memo.SetLines({"n"});
  ASSERT_TRUE(doc.Save());
  EXPECT_EQ("n\r\n", dir.Read("zenp_prn.txt"));
}

// A name without an extension gets ".txt" and the format is written
// beside it, except in /k mode or with the format's automatic save off.
TEST_F(DocumentTest, SaveAddsTxtAndWritesTheFormatBesideUnlessKModeOrAutoSaveOff) {
  doc.SetFileName("memo");
  memo.SetLines({Sj("メモ")});
  memo.SetModified(true);
  ASSERT_TRUE(doc.Save());
  EXPECT_EQ(Sj("メモ") + "\r\n", dir.Read("memo.txt"));
  EXPECT_TRUE(dir.Exists("memo.zpf"));
  EXPECT_EQ(dir.Path("memo.zpf"), format.fileName);
  EXPECT_FALSE(memo.Modified());

  doc.Settings().kMode = true;
  host.fileNames.push_back(dir.Path("k.txt"));
  ASSERT_TRUE(doc.SaveAs());
  EXPECT_EQ(dir.Path("k.zpf"), format.fileName) << "named, but not written";
  EXPECT_FALSE(dir.Exists("k.zpf"));
  doc.Settings().kMode = false;
  format.format.autoSaveFormat = false;
  doc.SetFileName("n.txt");
  ASSERT_TRUE(doc.Save());
  EXPECT_FALSE(dir.Exists("n.zpf"));
}

// A save is refused while a rename is pending; one that fails is reported,
// keeps the document modified and writes no format.
TEST_F(DocumentTest, RefusedOrFailedSaveKeepsTheDocumentModified) {
  doc.BeginRename();
  EXPECT_FALSE(doc.Save());
  ASSERT_EQ(1u, host.messages.size());
  EXPECT_EQ(Sj("ファイル名を確定して下さい。"), host.messages[0].text);
  EXPECT_FALSE(dir.Exists(kDefaultDocName));
  doc.CancelRename();

  std::filesystem::create_directory(dir.Path("taken.txt"));
  dir.Write("taken.txt/inside", "safe");
  doc.SetFileName("taken");
  memo.SetModified(true);
  EXPECT_FALSE(doc.Save());
  ASSERT_EQ(2u, host.messages.size());
  EXPECT_TRUE(memo.Modified());
  EXPECT_EQ("safe", dir.Read("taken.txt/inside"));
  EXPECT_FALSE(dir.Exists("taken.zpf"));
}

TEST_F(DocumentTest, SaveAsWritesTheChosenFileAndRecordsIt) {
  memo.SetLines({"a", "b"});
  memo.SetModified(true);
  format.modified = true;
  host.fileNames.push_back(dir.Path("out.txt"));
  EXPECT_TRUE(doc.SaveAs());
  ASSERT_EQ(1u, host.fileDialogs.size());
  EXPECT_EQ(Sj("すべてのファイル(*.*)|*.*"), host.fileDialogs[0].filter);
  EXPECT_EQ(dir.Path(kDefaultDocName), host.fileDialogs[0].fileName);
  EXPECT_TRUE(host.fileDialogs[0].overwritePrompt);
  EXPECT_EQ("a\r\nb\r\n", dir.Read("out.txt"));
  EXPECT_EQ(dir.Path("out.zpf"), format.fileName);
  EXPECT_EQ(std::vector<std::string>{dir.Path("out.txt")}, hooks.recorded);
  EXPECT_FALSE(format.modified);
}

// "New" asks to save a modified text and goes on only when the save after
// "Yes" is done; it resets the text, the names and the format.
TEST_F(DocumentTest, NewGoesOnOnlyWhenTheSaveAsAfterYesIsDone) {
  memo.SetLines({"precious"});
  memo.SetModified(true);
  format.format.topMargin = 999;
  format.fileName = "other.zpf";
  format.modified = true;
  host.answers = {Answer::Cancel, Answer::Yes, Answer::Yes};
  host.fileNames = {std::nullopt, dir.Path("kept.txt")};
  doc.New();
  ASSERT_EQ(1u, host.messages.size());
  EXPECT_EQ(Sj("内容が変更されています。保存しますか？"), host.messages[0].text);
  EXPECT_EQ(Sj("zenpa - 保存確認"), host.messages[0].caption);
  EXPECT_EQ(platform::Buttons::YesNoCancel, host.messages[0].buttons);
  doc.New(); // the save dialog is cancelled
  EXPECT_EQ(std::vector<std::string>{"precious"}, memo.Lines());
  EXPECT_TRUE(memo.Modified());
  doc.New();
  EXPECT_EQ("precious\r\n", dir.Read("kept.txt"));
  EXPECT_EQ(0, memo.LineCount());
  EXPECT_EQ(base::MmToPix(15, 360), format.format.topMargin);
  EXPECT_EQ(kDefaultFormatName, format.fileName);
  EXPECT_FALSE(format.modified);
  EXPECT_EQ("ZENPA - zenp_prn.txt", doc.Caption());
  EXPECT_EQ(1, hooks.replaced);
}

// Open starts in the document's directory; cancelled, or cancelled at the
// save prompt, it keeps the document; "No" there goes on without saving.
TEST_F(DocumentTest, OpenStartsInTheDocumentsDirectoryAndLoadsTheChoice) {
  memo.SetLines({"mine"});
  EXPECT_FALSE(doc.Open());
  memo.SetModified(true);
  host.answers = {Answer::Cancel, Answer::No};
  EXPECT_FALSE(doc.Open());
  EXPECT_EQ(1u, host.fileDialogs.size());
  EXPECT_EQ(std::vector<std::string>{"mine"}, memo.Lines());

  dir.Write("docs/f.txt", "f\r\n");
  doc.SetFileName(dir.Path("docs/old.txt"));
  host.fileNames.push_back(dir.Path("docs/f.txt"));
  EXPECT_TRUE(doc.Open());
  ASSERT_EQ(2u, host.fileDialogs.size());
  EXPECT_EQ(dir.Path("docs"), host.fileDialogs[1].initialDir);
  EXPECT_EQ(std::vector<std::string>{"f"}, memo.Lines());
  EXPECT_FALSE(dir.Exists("docs/old.txt"));
}

TEST_F(DocumentTest, InsertAtEndAppendsEveryLineOfAReadableFile) {
  dir.Write("three.txt", "1\r\n2\r\n3\r\n");
  memo.SetLines({"top", ""});
  doc.SetFileName("mine.txt");
  host.fileNames.push_back(dir.Path("three.txt"));
  EXPECT_TRUE(doc.InsertAtEnd());
  EXPECT_EQ((std::vector<std::string>{"top", "", "1", "2", "3"}), memo.Lines());
  EXPECT_EQ("mine.txt", doc.FileName());
  EXPECT_EQ(1, hooks.relayouts);
  std::filesystem::create_directory(dir.Path("dir.txt"));
  host.fileNames.push_back(dir.Path("dir.txt"));
  EXPECT_FALSE(doc.InsertAtEnd()) << "an unreadable file is reported";
  EXPECT_EQ(1u, host.messages.size());
  EXPECT_EQ(5, memo.LineCount());
}

// A rename keeps the directory, names the format and counts printed pages
// from the start number; empty text or a cancel changes nothing.
TEST_F(DocumentTest, RenameKeepsTheDirectoryAndNamesTheFormat) {
  doc.SetFileName("/data/old.txt");
  format.format.pageNumberStart = "5";
  doc.BeginRename();
  EXPECT_EQ(Sj("未定"), doc.RenameText());
  doc.CommitRename("");
  EXPECT_EQ("/data/old.txt", doc.FileName());
  doc.BeginRename();
  doc.CancelRename();
  EXPECT_FALSE(doc.Renaming());
  doc.BeginRename();
  doc.CommitRename("new.txt");
  EXPECT_EQ("/data/new.txt", doc.FileName());
  EXPECT_EQ("/data/new.zpf", format.fileName);
  EXPECT_EQ("ZENPA - /data/new.txt", doc.Caption());
  EXPECT_EQ(4, doc.PrintedPageOffset());
  EXPECT_FALSE(base::FileExists("/data/new.txt"));
  format.format.pageNumberStart = "x";
  doc.BeginRename();
  doc.CommitRename("r.txt");
  EXPECT_EQ(0, doc.PrintedPageOffset()) << "an unnumbered start counts from one";
}

TEST_F(DocumentTest, TextChangesLayOutOnlyWhenRealtimeOrFollowed) {
  doc.TextChanged();
  doc.Settings().realtimeLayoutOn = false;
  doc.TextChanged();
  hooks.previewFollows = true;
  doc.TextChanged();
  EXPECT_EQ(2, hooks.relayouts);
}

} // namespace
} // namespace zenpa::editor
