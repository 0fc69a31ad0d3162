#include "editor/document.h"

#include "base/file_io.h"
#include "base/paths.h"
#include "base/sjis.h"
#include "base/units.h"
#include "platform/scripted_host.h"
#include "platform/text_memo.h"
#include "support/format_writer.h"
#include "support/message_texts.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace zenpa::editor {
namespace {

using base::Sj;
using platform::Answer;
using Lines = std::vector<std::string>;

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

  Lines recorded;
  int relayouts = 0;
  int replaced = 0;
  bool previewFollows = false;
};

class DocumentTest : public ::testing::Test {
protected:
  DocumentTest() { std::filesystem::current_path(dir.Dir()); }

  // The caption, the lines, whether text and format are modified, and the
  // format's name.
  std::string State() const {
    std::string lines;
    for (const std::string &line : memo.Lines())
      lines += line + "/";
    return doc.Caption() + " [" + lines + (memo.Modified() ? "]* format" : "] format") +
           (format.modified ? "* " : " ") + format.fileName;
  }

  testing::TempDir dir;
  platform::TextMemo memo;
  platform::ScriptedHost host;
  settings::FormatState format;
  RecordingHooks hooks;
  Document doc{memo, host, format, hooks};
};

// A document loads with the format beside it, and a save by its relative
// name goes back to the same file; without a format the format stays and
// page numbering starts again; a format file opened as a document is only
// text. A missing file changes nothing quietly, a directory is reported.
TEST_F(DocumentTest, LoadShowsTheTextAndAppliesTheFormatBesideIt) {
  memo.SetLines({"keep"});
  EXPECT_EQ(LoadStatus::Missing, doc.Load("nothing.txt"));
  std::filesystem::create_directory(dir.Path("folder"));
  EXPECT_EQ(LoadStatus::Failed, doc.Load("folder"));
  EXPECT_EQ(Sj("読み込めません: ") + dir.Path("folder") + Sj(" (フォルダーです)|"),
            testing::MessageTexts(host));
  EXPECT_EQ("ZENPA [keep/] format zenp_prn.zpf", State());
  EXPECT_EQ(Sj("未定"), doc.NameLabel());

  dir.Write("sub/a.txt", Sj("一行目\r\n二行目　全角\r\n\r\n"));
  ASSERT_TRUE(testing::WriteFormat(dir.Path("sub/a.zpf"), 40));
  memo.SetModified(true);
  format.modified = true;
  EXPECT_EQ(LoadStatus::Loaded, doc.Load("sub/a.txt"));
  EXPECT_EQ("ZENPA - " + dir.Path("sub/a.txt") + Sj(" [一行目/二行目　全角//] format ") +
                dir.Path("sub/a.zpf"),
            State());
  EXPECT_EQ(40, format.format.linesPerPage);
  EXPECT_EQ(Lines{dir.Path("sub/a.txt")}, hooks.recorded);
  EXPECT_EQ(dir.Path("sub"), base::CurrentDirectory());
  memo.ReplaceLine(0, "new");
  ASSERT_TRUE(doc.Save());
  EXPECT_EQ("new\r\n" + Sj("二行目　全角\r\n\r\n"), dir.Read("sub/a.txt"));

  dir.Write("b.txt", "x\r\n");
  format.format.pageNumberStart = "7";
  doc.Load(dir.Path("b.txt"));
  EXPECT_EQ("1", format.format.pageNumberStart);
  ASSERT_TRUE(testing::WriteFormat(dir.Path("c.zpf"), 55));
  doc.Load(dir.Path("c.zpf"));
  EXPECT_EQ(40, format.format.linesPerPage);
  EXPECT_EQ(dir.Path("b.zpf"), format.fileName);
  EXPECT_EQ(Sj("55,頁行数"), memo.Line(1));

  // Text changes lay out while realtime or followed by the preview.
  hooks.relayouts = 0;
  doc.TextChanged();
  doc.Settings().realtimeLayoutOn = false;
  doc.TextChanged();
  hooks.previewFollows = true;
  doc.TextChanged();
  EXPECT_EQ(2, hooks.relayouts);
}

// CR LF, LF and lone-CR files open as lines and keep their bytes and line
// breaks when saved; a new document goes back to CR LF. A save is refused
// while a rename is pending; a rename keeps the directory, names the format
// and counts printed pages from the start number, and empty text or a cancel
// changes nothing. A name without an extension gets ".txt" and the format is
// written beside it, except in /k mode or with the format's automatic save off.
TEST_F(DocumentTest, SaveWritesTheTextInItsFormAndTheFormatBesideIt) {
  const std::string crlf = Sj("一行目\r\n") + std::string("\x81\r\n\x00\xFF\x82\r\n", 8) + "\r\r\n";
  for (const std::string &bytes :
       {crlf, Sj("一行目\n二行目\r全角\n\n"), Sj("一行目\r二行目\r\r")}) {
    dir.Write("u.txt", bytes);
    doc.Load("u.txt");
    EXPECT_EQ(Sj("一行目"), memo.Line(0));
    memo.SetModified(true);
    ASSERT_TRUE(doc.Save());
    EXPECT_EQ(bytes, dir.Read("u.txt"));
  }
  doc.New();
  doc.SetFileName(dir.Path("old.txt"));
  format.format.pageNumberStart = "5";
  doc.BeginRename();
  EXPECT_FALSE(doc.Save());
  EXPECT_EQ(Sj("ファイル名を確定して下さい。|"), testing::MessageTexts(host));
  doc.CommitRename("");
  doc.BeginRename();
  doc.CancelRename();
  EXPECT_FALSE(doc.Renaming());
  EXPECT_EQ(dir.Path("old.txt"), doc.FileName());
  doc.BeginRename();
  doc.CommitRename("memo");
  EXPECT_EQ("ZENPA - " + dir.Path("memo") + " [] format " + dir.Path("memo.zpf"), State());
  EXPECT_EQ(4, doc.PrintedPageOffset());
  memo.SetLines({Sj("メモ")});
  ASSERT_TRUE(doc.Save());
  EXPECT_EQ(Sj("メモ") + "\r\n", dir.Read("memo.txt"));
  EXPECT_EQ("ZENPA - " + dir.Path("memo.txt") + Sj(" [メモ/] format ") + dir.Path("memo.zpf"),
            State());
  EXPECT_TRUE(dir.Exists("memo.zpf"));

  doc.Settings().kMode = true;
  format.modified = true;
  host.fileNames.push_back(dir.Path("k.txt"));
  ASSERT_TRUE(doc.SaveAs());
  EXPECT_EQ(Sj("すべてのファイル(*.*)|*.*"), host.fileDialogs[0].filter);
  EXPECT_EQ(dir.Path("memo.txt"), host.fileDialogs[0].fileName);
  EXPECT_TRUE(host.fileDialogs[0].overwritePrompt);
  EXPECT_EQ("ZENPA - " + dir.Path("k.txt") + Sj(" [メモ/] format ") + dir.Path("k.zpf"), State());
  EXPECT_EQ(dir.Path("k.txt"), hooks.recorded.back());
  EXPECT_FALSE(dir.Exists("k.zpf")) << "named, but not written";
  doc.Settings().kMode = false;
  format.format.autoSaveFormat = false;
  doc.SetFileName("n.txt");
  ASSERT_TRUE(doc.Save());
  EXPECT_FALSE(dir.Exists("n.zpf"));
  format.format.pageNumberStart = "x";
  doc.BeginRename();
  doc.CommitRename("r.txt");
  EXPECT_EQ(0, doc.PrintedPageOffset()) << "an unnumbered start counts from one";
}

// "New" and Open ask to save a modified text and go on only when the save
// after "Yes" is done, or after "No". New resets the text, the names and the
// format; Open starts in the document's directory. Insert at end appends a
// readable file and keeps the document's name.
TEST_F(DocumentTest, NewAndOpenReplaceTheDocumentAfterTheSavePrompt) {
  memo.SetLines({"precious"});
  memo.SetModified(true);
  format.format.topMargin = 999;
  format.fileName = "other.zpf";
  format.modified = true;
  host.answers = {Answer::Cancel, Answer::Yes, Answer::Cancel, Answer::Yes};
  host.fileNames = {std::nullopt, std::nullopt, dir.Path("kept.txt")};
  doc.New();
  doc.New();  // the save dialog is cancelled
  doc.Open(); // cancelled at the prompt, then in the dialog
  EXPECT_FALSE(doc.Open());
  EXPECT_EQ("ZENPA [precious/]* format* other.zpf", State());
  doc.New();
  ASSERT_EQ(5u, host.messages.size());
  EXPECT_EQ(Sj("zenpa - 保存確認: 内容が変更されています。保存しますか？"),
            host.messages[0].caption + ": " + host.messages[0].text);
  EXPECT_EQ(platform::Buttons::YesNoCancel, host.messages[0].buttons);
  EXPECT_EQ("precious\r\n", dir.Read("kept.txt"));
  EXPECT_EQ(base::MmToPix(15, 360), format.format.topMargin);
  EXPECT_EQ("ZENPA - zenp_prn.txt [] format zenp_prn.zpf", State());
  EXPECT_EQ(1, hooks.replaced);

  dir.Write("docs/f.txt", "f\r\n");
  doc.SetFileName(dir.Path("docs/old.txt"));
  memo.SetModified(true);
  host.answers = {Answer::No};
  host.fileNames = {dir.Path("docs/f.txt"), dir.Write("three.txt", "1\r\n2\r\n3\r\n"),
                    dir.Path("docs")};
  EXPECT_TRUE(doc.Open());
  EXPECT_EQ(dir.Path("docs"), host.fileDialogs.back().initialDir);
  EXPECT_FALSE(dir.Exists("docs/old.txt"));
  hooks.relayouts = 0;
  EXPECT_TRUE(doc.InsertAtEnd());
  EXPECT_FALSE(doc.InsertAtEnd()) << "an unreadable file is reported";
  EXPECT_EQ("ZENPA - " + dir.Path("docs/f.txt") + " [f/1/2/3/]* format " + dir.Path("docs/f.zpf"),
            State());
  EXPECT_EQ(7u, host.messages.size());
  EXPECT_EQ(1, hooks.relayouts);
}

} // namespace
} // namespace zenpa::editor
