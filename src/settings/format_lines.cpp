#include "settings/format_lines.h"

#include "base/colour.h"
#include "base/sjis.h"
#include "base/units.h"

#include <algorithm>
#include <map>

namespace zenpa::settings::detail {
namespace {

using base::Sj;

using ValueFn = std::function<std::string(PrintFormat &, const SaveContext &)>;
using ApplyFn = std::function<LineError(PrintFormat &, std::string_view, ReadState &)>;

constexpr std::size_t kMarkBytes = 255;
constexpr int kDefaultReducePercent = 80;
constexpr int kDefaultPaperCode = 9;

// The part of the record a field lives in.
template <class Part> Part &PartOf(PrintFormat &f);
template <> PrintFormat &PartOf(PrintFormat &f) { return f; }
template <> PuzzleOptions &PartOf(PrintFormat &f) { return f.puzzle; }
template <> AssistOptions &PartOf(PrintFormat &f) { return f.puzzle.assist; }
template <> TechniqueOptions &PartOf(PrintFormat &f) { return f.puzzle.techniques; }
template <> DrillOptions &PartOf(PrintFormat &f) { return f.drill; }

// A field of the record, reached through the part it lives in.
template <class Part, class T> struct Field {
  T Part::*member;
  T &operator()(PrintFormat &f) const { return PartOf<Part>(f).*member; }
};
template <class Part, class T> Field<Part, T> M(T Part::*member) { return {member}; }

LineSpec Line(const char *comment, Group group, bool inPuzzleFile, ValueFn value, ApplyFn apply) {
  return {Sj(comment), group, inPuzzleFile, std::move(value), std::move(apply), {}, {}};
}

template <class Ref> LineSpec Flag(const char *comment, Group group, bool inPuzzleFile, Ref ref) {
  return Line(
      comment, group, inPuzzleFile,
      [ref](PrintFormat &f, const SaveContext &) { return FlagText(ref(f)); },
      [ref](PrintFormat &f, std::string_view v, ReadState &) {
        ref(f) = v == "1";
        return LineError::None;
      });
}

template <class Ref>
LineSpec Spin(const char *comment, Group group, bool inPuzzleFile, Ref ref, int lo, int hi) {
  return Line(
      comment, group, inPuzzleFile,
      [ref](PrintFormat &f, const SaveContext &) { return std::to_string(ref(f)); },
      [ref, lo, hi](PrintFormat &f, std::string_view v, ReadState &) {
        return ReadSpin(v, lo, hi, ref(f));
      });
}

template <class Ref>
LineSpec Spin(const char *comment, Group group, bool inPuzzleFile, Ref ref, NumberRange range) {
  return Spin(comment, group, inPuzzleFile, ref, range.min, range.max);
}

template <class Ref>
LineSpec Text(const char *comment, Group group, bool inPuzzleFile, Ref ref,
              std::size_t maxBytes = std::string::npos) {
  return Line(
      comment, group, inPuzzleFile,
      [ref](PrintFormat &f, const SaveContext &) { return TextValue(ref(f)); },
      [ref, maxBytes](PrintFormat &f, std::string_view v, ReadState &) {
        ref(f) = CutText(v, maxBytes);
        return LineError::None;
      });
}

template <class Ref>
LineSpec ColourLine(const char *comment, Group group, bool inPuzzleFile, Ref ref) {
  return Line(
      comment, group, inPuzzleFile,
      [ref](PrintFormat &f, const SaveContext &) { return base::ColourToText(ref(f)); },
      [ref](PrintFormat &f, std::string_view v, ReadState &) {
        ref(f) = base::ColourFromText(v);
        return LineError::None;
      });
}

// A line that is read under another key than the one written.
LineSpec ReadOnly(const char *key, ApplyFn apply) {
  return Line(key, Group::ReadOnly, false, nullptr, std::move(apply));
}

LineSpec WithLiveComment(LineSpec entry,
                         std::function<std::string(const PrintFormat &, const SaveContext &)> c) {
  entry.liveComment = std::move(c);
  return entry;
}

// "行間" and "字間" hold 100 + the percentage written in the file.
template <class Ref> LineSpec Percent100(const char *comment, Ref ref, int lo, int hi) {
  return Line(
      comment, Group::Main, true,
      [ref](PrintFormat &f, const SaveContext &) { return std::to_string(ref(f) - 100); },
      [ref, lo, hi](PrintFormat &f, std::string_view v, ReadState &) {
        int percent = 0;
        const LineError e = ReadSpin(v, lo, hi, percent);
        if (e == LineError::None)
          ref(f) = percent + 100;
        return e;
      });
}

// Margins are held in printer pixels, written in mm, never inside the
// printer's unprintable offset.
template <class Ref> LineSpec Margin(const char *comment, Ref ref, int FormatEnvironment::*offset) {
  return Line(
      comment, Group::Main, true,
      [ref](PrintFormat &f, const SaveContext &c) {
        return std::to_string(base::PixToMm(ref(f), c.dpi));
      },
      [ref, offset](PrintFormat &f, std::string_view v, ReadState &st) {
        int mm = 0;
        const LineError e = ReadSpin(v, 0, 500, mm);
        if (e == LineError::None) {
          ref(f) = std::max(base::MmToPix(mm, st.ctx.env.dpi), st.ctx.env.*offset);
        }
        return e;
      });
}

LineSpec TopMargin() {
  return WithLiveComment(Margin("上余白 (mm)　ヘッダを含めて", M(&PrintFormat::topMargin),
                                &FormatEnvironment::offsetTop),
                         [](const PrintFormat &f, const SaveContext &c) {
                           const int mm = base::PixToMm(f.topMargin, c.dpi) + c.headerMm;
                           return Sj("上余白 (mm)　ヘッダを含めて") + std::to_string(mm) + "mm";
                         });
}

// The bottom and right page-number lines are two radio buttons over one
// position: "1" selects the position, "0" leaves top when it was selected.
LineSpec PageNumberAt(const char *comment, PageNumberPos pos) {
  return Line(
      comment, Group::Main, true,
      [pos](PrintFormat &f, const SaveContext &) { return FlagText(f.pageNumberPos == pos); },
      [pos](PrintFormat &f, std::string_view v, ReadState &) {
        if (v == "1") {
          f.pageNumberPos = pos;
        } else if (f.pageNumberPos == pos) {
          f.pageNumberPos = PageNumberPos::Top;
        }
        return LineError::None;
      });
}

LineSpec ReducePercent() {
  return Line(
      "縮小サイズ (％)　 ( 50 ～ 100 )", Group::Main, true,
      [](PrintFormat &f, const SaveContext &) { return std::to_string(f.reducePercent); },
      [](PrintFormat &f, std::string_view v, ReadState &) {
        const auto n = ParseInteger(v);
        f.reducePercent =
            (n && *n >= 50 && *n <= 100) ? static_cast<int>(*n) : kDefaultReducePercent;
        return LineError::None;
      });
}

// Duplex and pouch binding exclude each other: switching one on switches the
// other off.
template <class Ref> LineSpec ExclusiveFlag(const char *comment, Ref ref, Ref other) {
  return Line(
      comment, Group::Main, true,
      [ref](PrintFormat &f, const SaveContext &) { return FlagText(ref(f)); },
      [ref, other](PrintFormat &f, std::string_view v, ReadState &) {
        ref(f) = v == "1";
        if (ref(f))
          other(f) = false;
        return LineError::None;
      });
}

// A decimal number of millimetres, truncated toward zero.
LineSpec EvenPageShift() {
  return Line(
      "偶数頁位置調整", Group::Main, true,
      [](PrintFormat &f, const SaveContext &) { return std::to_string(f.evenPageShift); },
      [](PrintFormat &f, std::string_view v, ReadState &) {
        const auto d = ParseDecimal(v);
        if (!d)
          return LineError::NotANumber;
        if (*d <= kSpinMin - 1 || *d >= kSpinMax + 1)
          return LineError::OutOfRange;
        f.evenPageShift = std::clamp(static_cast<int>(*d), -99, 99);
        return LineError::None;
      });
}

// The text colour is also the frame colour (line 55 comes later and may
// differ); a frame colour of its own ends "frame in text colour".
LineSpec TextColour() {
  return Line(
      "文字色", Group::Main, false,
      [](PrintFormat &f, const SaveContext &) { return base::ColourToText(f.textColor); },
      [](PrintFormat &f, std::string_view v, ReadState &) {
        f.textColor = f.frameColor = base::ColourFromText(v);
        return LineError::None;
      });
}

LineSpec FrameColour() {
  return Line(
      "枠線色", Group::Main, false,
      [](PrintFormat &f, const SaveContext &) { return base::ColourToText(f.frameColor); },
      [](PrintFormat &f, std::string_view v, ReadState &) {
        f.frameColor = base::ColourFromText(v);
        if (f.frameColor != f.textColor)
          f.frameInTextColor = false;
        return LineError::None;
      });
}

LineSpec FontSize() {
  return Line(
      "フォントサイズ (ポイント)", Group::Main, true,
      [](PrintFormat &f, const SaveContext &) { return FontSizeText(f.fontSize); },
      [](PrintFormat &f, std::string_view v, ReadState &) {
        const auto points = ParseDecimal(v);
        if (!points)
          return LineError::NotANumber;
        const double tenths = static_cast<double>(base::RoundHalfAway(*points * 10));
        if (tenths < kSpinMin || tenths > kSpinMax)
          return LineError::OutOfRange;
        f.fontSize = std::clamp(tenths, 60.0, 6000.0) / 10;
        return LineError::None;
      });
}

// A value that is not a number falls back instead of stopping the read.
LineSpec PaperCode() {
  return WithLiveComment(
      Line(
          "用紙サイズ", Group::Main, true,
          [](PrintFormat &f, const SaveContext &) { return std::to_string(f.paperSize); },
          [](PrintFormat &f, std::string_view v, ReadState &) {
            const auto n = ParseInteger(v);
            const bool fits = n && *n >= INT32_MIN && *n <= INT32_MAX;
            f.paperSize = fits ? static_cast<int>(*n) : kDefaultPaperCode;
            return LineError::None;
          }),
      [](const PrintFormat &, const SaveContext &c) {
        return Sj("用紙サイズ ( ") + std::to_string(c.paperWidthMm) + " x " +
               std::to_string(c.paperHeightMm) + " mm )";
      });
}

LineSpec Orientation() {
  return Line(
      "用紙の向き　　　　1.縦　　2.横", Group::Main, true,
      [](PrintFormat &f, const SaveContext &) { return std::to_string(f.orientation); },
      [](PrintFormat &f, std::string_view v, ReadState &) {
        const auto n = ParseInteger(v);
        f.orientation = (n && *n == 2) ? 2 : 1;
        return LineError::None;
      });
}

// The tab flag and width go together: without tabs the width is 1.
LineSpec TabsOn() {
  return Line(
      "タブを有効に　　　1.する　0.しない", Group::Main, true,
      [](PrintFormat &f, const SaveContext &) { return FlagText(f.tabsOn); },
      [](PrintFormat &f, std::string_view v, ReadState &) {
        f.tabsOn = v == "1";
        if (!f.tabsOn)
          f.tabWidth = 1;
        return LineError::None;
      });
}

LineSpec TabWidth() {
  return Line(
      "タブ幅 (字数)", Group::Main, true,
      [](PrintFormat &f, const SaveContext &) { return std::to_string(f.tabWidth); },
      [](PrintFormat &f, std::string_view v, ReadState &) {
        const LineError e = ReadSpin(v, 1, 8, f.tabWidth);
        if (!f.tabsOn)
          f.tabWidth = 1;
        return e;
      });
}

LineSpec WindowWidth() {
  return Line(
      "ウィンドウ幅 (ピクセル)", Group::Main, false,
      [](PrintFormat &f, const SaveContext &) { return std::to_string(f.windowWidth); },
      [](PrintFormat &f, std::string_view v, ReadState &) {
        return ReadSpin(v, 0, static_cast<int>(kSpinMax), f.windowWidth);
      });
}

// The editor keeps at least one pixel of the side panel beside it.
LineSpec EditorWidth() {
  return Line(
      "メモ幅 (ピクセル)", Group::Main, false,
      [](PrintFormat &f, const SaveContext &) { return std::to_string(f.editorWidth); },
      [](PrintFormat &f, std::string_view v, ReadState &st) {
        constexpr int kMinEditorWidth = 4;
        const int most = std::max(kMinEditorWidth, MaxEditorWidth(f.windowWidth, st.ctx.env));
        return ReadSpin(v, kMinEditorWidth, most, f.editorWidth);
      });
}

LineSpec Frame() {
  return Line(
      "枠位置 (左余白 上余白 横幅 縦幅) mm", Group::Main, true,
      [](PrintFormat &f, const SaveContext &) {
        const FrameRect &r = f.frameRect;
        return std::to_string(r.left) + " " + std::to_string(r.top) + " " +
               std::to_string(r.width) + " " + std::to_string(r.height);
      },
      [](PrintFormat &f, std::string_view v, ReadState &) { return ReadFrame(v, f.frameRect); });
}

// "標準" stands for the form feed, the standard page-break mark.
LineSpec PageBreakMark() {
  return Line(
      "改頁マーク (｢標準｣で改頁コード)", Group::Main, false,
      [](PrintFormat &f, const SaveContext &) {
        return f.pageBreakMark == std::string(1, kFormFeed) ? Sj("標準")
                                                            : TextValue(f.pageBreakMark);
      },
      [](PrintFormat &f, std::string_view v, ReadState &) {
        f.pageBreakMark = v == Sj("標準") ? std::string(1, kFormFeed) : CutText(v, kMarkBytes);
        return LineError::None;
      });
}

// A zoom that is not a positive number keeps the current one: the preview
// divides the paper size by it.
LineSpec PreviewZoom() {
  return Line(
      "プレビュー拡大率 (％)", Group::Main, false,
      [](PrintFormat &f, const SaveContext &) { return std::to_string(f.previewZoom); },
      [](PrintFormat &f, std::string_view v, ReadState &) {
        const auto n = ParseInteger(v);
        if (n && *n >= 1 && *n <= kSpinMax)
          f.previewZoom = static_cast<int>(*n);
        return LineError::None;
      });
}

using P = PrintFormat;
constexpr Group kMain = Group::Main;

// Lines 1..25: page, margins, page numbers, headers, marks, duplex.
void AddPageLines(std::vector<LineSpec> &t) {
  t.push_back(Spin("頁行数", kMain, true, M(&P::linesPerPage), 0, 300));
  t.push_back(Percent100("行間 (％)", M(&P::lineSpacing), -99, 500));
  t.push_back(Percent100("字間 (％)", M(&P::charSpacing), -100, 500));
  t.push_back(TopMargin());
  t.push_back(Margin("左余白 (mm)", M(&P::leftMargin), &FormatEnvironment::offsetLeft));
  t.push_back(Flag("頁番号印刷　　　　1.する　0.しない", kMain, true, M(&P::pageNumberOn)));
  t.push_back(PageNumberAt("下に頁番号　　　　1.する　0.しない", PageNumberPos::Bottom));
  t.push_back(PageNumberAt("右に頁番号　　　　1.する　0.しない", PageNumberPos::Right));
  t.push_back(Text("番号初期値", kMain, false, M(&P::pageNumberStart)));
  t.push_back(Text("番号左括弧", kMain, true, M(&P::pageNumberLeft)));
  t.push_back(Text("番号右括弧", kMain, true, M(&P::pageNumberRight)));
  t.push_back(Flag("ファイル名印刷　　1.する　0.しない", kMain, true, M(&P::printFileName)));
  t.push_back(Flag("拡張子印刷　　　　1.する　0.しない", kMain, true, M(&P::printExtension)));
  t.push_back(Flag("日付印刷　　　　　1.する　0.しない", kMain, true, M(&P::printDate)));
  t.push_back(Flag("行揃えヘッダ　　　1.する　0.しない", kMain, true, M(&P::alignHeader)));
  t.push_back(Flag("ヘッダを小さく　　1.する　0.しない", kMain, true, M(&P::smallHeader)));
  t.push_back(Flag("１行分開ける　　　1.する　0.しない", kMain, true, M(&P::headerGap)));
  t.push_back(ReducePercent());
  t.push_back(Flag("文字拡縮マーク　　1.有効　0.無効", kMain, false, M(&P::scaleMarksOn)));
  t.push_back(Flag("拡縮行を空行に　　1.する　0.しない", kMain, false, M(&P::scaleLineBlank)));
  t.push_back(Text("拡縮マーク", kMain, false, M(&P::scaleMark), kMarkBytes));
  t.push_back(
      ExclusiveFlag("両面印刷　　　　　1.する　0.しない", M(&P::duplex), M(&P::pouchBinding)));
  t.push_back(
      ExclusiveFlag("袋とじ印刷　　　　1.する　0.しない", M(&P::pouchBinding), M(&P::duplex)));
  t.push_back(EvenPageShift());
  t.push_back(Flag("頁左寄せ　　　　　1.する　0.しない", kMain, true, M(&P::pagesLeftAligned)));
}

// Lines 26..46: font, paper, tabs, editor and menu options.
void AddFontLines(std::vector<LineSpec> &t) {
  t.push_back(Text("推奨フォント", kMain, false, M(&P::fontName)));
  t.push_back(TextColour());
  t.push_back(FontSize());
  t.push_back(Flag("太文字　　　　　　1.する　0.しない", kMain, true, M(&P::bold)));
  t.push_back(Flag("斜体字　　　　　　1.する　0.しない", kMain, true, M(&P::italic)));
  t.push_back(Flag("下線付　　　　　　1.する　0.しない", kMain, true, M(&P::underline)));
  t.push_back(Flag("等幅印刷　　　　　1.する　0.しない", kMain, true, M(&P::fixedPitch)));
  t.push_back(PaperCode());
  t.push_back(Orientation());
  t.push_back(TabsOn());
  t.push_back(TabWidth());
  t.push_back(Flag("右端で折り返し　　1.する　0.しない", kMain, true, M(&P::wrapEditor)));
  t.push_back(Flag("半角を組文字に　　1.する　0.しない", kMain, false, M(&P::pairHalfWidth)));
  t.push_back(Text("組文字にしない半角文字", kMain, false, M(&P::noPairChars), kMarkBytes));
  t.push_back(Flag("頁最大行数調整　　1.する　0.しない", kMain, false, M(&P::autoMaxLines)));
  t.push_back(Flag("書式を自動保存　　1.する　0.しない", kMain, false, M(&P::autoSaveFormat)));
  t.push_back(Flag("改行コード変換　　1.する　0.しない", kMain, false, M(&P::convertLineEnds)));
  t.push_back(Flag("テキスト画面拡大　1.する　0.しない", kMain, false, M(&P::enlargedText)));
  t.push_back(Flag("上書きモード　　　1.する　0.しない", kMain, false, M(&P::overwriteMode)));
  t.push_back(WindowWidth());
  t.push_back(EditorWidth());
}

// Lines 47..58: paper edges, frame, page-break mark, preview.
void AddFrameLines(std::vector<LineSpec> &t) {
  t.push_back(Flag("下・右用紙端指定　1.する　0.しない", kMain, true, M(&P::paperEdgeOn)));
  t.push_back(Spin("用紙下 (mm)", kMain, true, M(&P::paperBottom), 0, 500));
  t.push_back(Spin("用紙右 (mm)", kMain, true, M(&P::paperRight), 0, 500));
  t.push_back(Flag("用紙端線印刷　　　1.する　0.しない", kMain, true, M(&P::paperEdgeLine)));
  t.push_back(Flag("裏面右余白を左へ　1.する　0.しない", kMain, true, M(&P::backRightToLeft)));
  t.push_back(Flag("印刷枠表示　　　　1.する　0.しない", kMain, true, M(&P::frameShown)));
  t.push_back(Flag("枠印刷　　　　　　1.する　0.しない", kMain, true, M(&P::framePrinted)));
  t.push_back(Flag("枠線を文字色に　　1.する　0.しない", kMain, false, M(&P::frameInTextColor)));
  t.push_back(FrameColour());
  t.push_back(Frame());
  t.push_back(PageBreakMark());
  t.push_back(PreviewZoom());
}

using Z = PuzzleOptions;
using A = AssistOptions;
using D = DrillOptions;
using T = TechniqueOptions;
constexpr Group kPuzzle = Group::Puzzle;

constexpr const char *kFlagTail = "　　1.する　0.しない";
constexpr const char *kAtEndCaption = "文末に追加";
constexpr const char *kHereCaption = "ここに挿入";

std::string PlacementCaption(InsertionPlace place) {
  return Sj(place == InsertionPlace::AtCaret ? kHereCaption : kAtEndCaption);
}

template <class Ref> ApplyFn ApplyPlacement(Ref ref, InsertionPlace place) {
  return [ref, place](PrintFormat &f, std::string_view v, ReadState &) {
    ref(f) = v == "1";
    f.insertionPlace = place;
    return LineError::None;
  };
}

// The add-to-document box beside the insertion toggle. Its comment carries
// the toggle's caption ("文末に追加" or "ここに挿入"), which reading takes back
// from the key; both panels share the one toggle.
template <class Ref>
void AddPlacement(std::vector<LineSpec> &t, const char *prefix, Group group, Ref ref) {
  const std::string atEnd = std::string(prefix) + kAtEndCaption + kFlagTail;
  const std::string prefixSj = Sj(prefix);
  LineSpec entry = Line(
      atEnd.c_str(), group, true,
      [ref](PrintFormat &f, const SaveContext &) { return FlagText(ref(f)); },
      ApplyPlacement(ref, InsertionPlace::AtEnd));
  t.push_back(
      WithLiveComment(std::move(entry), [prefixSj](const PrintFormat &f, const SaveContext &) {
        return prefixSj + PlacementCaption(f.insertionPlace) + Sj(kFlagTail);
      }));
  const std::string here = std::string(prefix) + kHereCaption;
  t.push_back(ReadOnly(here.c_str(), ApplyPlacement(ref, InsertionPlace::AtCaret)));
}

// Game sounds apply only while the sound files exist.
template <class Ref> LineSpec SoundFlag(const char *comment, Group group, Ref ref) {
  LineSpec entry = Flag(comment, group, true, ref);
  entry.apply = [ref](PrintFormat &f, std::string_view v, ReadState &st) {
    if (st.ctx.soundAvailable)
      ref(f) = v == "1";
    return LineError::None;
  };
  return entry;
}

// Lines 59..81: puzzle writer and assist window options.
void AddPuzzleLines(std::vector<LineSpec> &t) {
  t.push_back(Flag("数独作成menu表示　1.する　0.しない", kPuzzle, true, M(&Z::menuShown)));
  t.push_back(Spin("目標数字", kPuzzle, true, M(&Z::targetGivens), kTargetGivensRange));
  t.push_back(Flag("数独答えも付加　　1.する　0.しない", kPuzzle, true, M(&Z::appendAnswer)));
  AddPlacement(t, "数独", kPuzzle, M(&Z::addToDocument));
  t.push_back(Flag("数独改頁　　　　　1.する　0.しない", kPuzzle, true, M(&Z::pageBreak)));
  t.push_back(Flag("数独☆title印刷 　1.する　0.しない", kPuzzle, true, M(&Z::printTitle)));
  t.push_back(Flag("☆title印刷縮小 　1.する　0.しない", kPuzzle, true, M(&Z::minititle)));
  t.push_back(Flag("数独clue印刷　　　1.する　0.しない", kPuzzle, true, M(&Z::printClue)));
  t.push_back(Flag("clue印刷縮小　　　1.する　0.しない", kPuzzle, true, M(&Z::miniclue)));
  t.push_back(Flag("数独遊び方印刷　　1.する　0.しない", kPuzzle, true, M(&Z::printHowToPlay)));
  t.push_back(HowToPlayReduceLine());
  t.push_back(Flag("数独書式自動適用　1.する　0.しない", kPuzzle, true, M(&Z::autoApplyFormat)));
  t.push_back(Flag("アシスト自動表示　1.する　0.しない", kPuzzle, true, M(&A::autoShow)));
  t.push_back(Flag("丸数字使用(ｱｼｽﾄ)　1.する　0.しない", kPuzzle, true, M(&A::circledDigits)));
  t.push_back(Flag("数字色変更(ｱｼｽﾄ)　1.する　0.しない", kPuzzle, true, M(&A::digitColours)));
  t.push_back(Flag("罫線色変更(ｱｼｽﾄ)　1.する　0.しない", kPuzzle, true, M(&A::lineColours)));
  t.push_back(Flag("自動ヒント(ｱｼｽﾄ)　1.する　0.しない", kPuzzle, true, M(&A::autoHint)));
  t.push_back(Flag("連続ヒント(ｱｼｽﾄ)　1.する　0.しない", kPuzzle, true, M(&A::continuousHint)));
  t.push_back(Flag("すぐに答え(ｱｼｽﾄ)　1.する　0.しない", kPuzzle, true, M(&A::answerAtOnce)));
  t.push_back(ColourLine("手書きヒント色(ｱｼｽﾄ)", kPuzzle, true, M(&A::memoColour)));
  t.push_back(ColourLine("書ヒント色(ｱｼｽﾄ)", kPuzzle, true, M(&A::writtenHintColour)));
  t.push_back(ColourLine("消ヒント色(ｱｼｽﾄ)", kPuzzle, true, M(&A::erasedHintColour)));
  t.push_back(SoundFlag("数独ゲーム時の音　1.する　0.しない", kPuzzle, M(&Z::gameSound)));
}

constexpr const char *kTechniqueComments[kTechniqueFlagCount] = {
    "Block Unique　　　1.する　0.しない", "Line Unique 　　　1.する　0.しない",
    "Cell Unique 　　　1.する　0.しない", "Localization　　　1.する　0.しない",
    "N-Pair　　　　　　1.する　0.しない", "H-Pair　　　　　　1.する　0.しない",
    "N-Triple　　　　　1.する　0.しない", "H-Triple　　　　　1.する　0.しない",
    "X-Wing　　　　　　1.する　0.しない", "Swordfish 　　　　1.する　0.しない",
    "Skyscraper etc. 　1.する　0.しない", "XY-Wing etc. 　1.する　0.しない",
    "Remote Pair 　　　1.する　0.しない",
};

// Symmetry names as older files wrote them, one line each, in code order.
constexpr const char *kSymmetryKeys[] = {"なし　", "９０度", "１８０", "上下左", "左右　",
                                         "上下　", "Ｘ線　", "／線　", "＼線　"};

// Lines 82..104: puzzle conditions and auto-record settings.
void AddConditionLines(std::vector<LineSpec> &t) {
  constexpr Group kBody = Group::ConditionsBody;
  t.push_back(Flag("数独設定menu表示　1.する　0.しない", Group::Conditions, true,
                   M(&T::conditionsPanelShown)));
  t.push_back(Flag("有効・必須　　　　1.する　0.しない", kBody, true, M(&T::mustUseHardest)));
  for (int i = 0; i < kTechniqueFlagCount; ++i) {
    t.push_back(Flag(kTechniqueComments[i], kBody, true,
                     [i](PrintFormat &f) -> bool & { return f.puzzle.techniques.boxes[i + 1]; }));
  }
  LineSpec symmetry = Spin("対称配置　　　　　0.なし　1.９０度　2.１８０度　3.上下左右", kBody,
                           true, M(&Z::symmetry), 0, 8);
  symmetry.nextLine = Sj("　　　　　　　　　　4.左右　5.上下　6.Ｘ線　7.／線　8.＼線");
  t.push_back(std::move(symmetry));
  t.push_back(Spin("上限数字", kBody, true, M(&Z::upperGivens), kUpperGivensRange));
  t.push_back(Spin("下限数字", kBody, true, M(&Z::lowerGivens), kLowerGivensRange));
  t.push_back(
      Flag("数独記録menu表示　1.する　0.しない", Group::Record, true, M(&Z::recordPanelShown)));
  t.push_back(Text("数独ファイル名", Group::RecordBody, true, M(&Z::recordStem)));
  t.push_back(Text("開始No", Group::RecordBody, true, M(&Z::recordFirst)));
  t.push_back(Text("終了No", Group::RecordBody, true, M(&Z::recordLast)));
  t.push_back(Spin("試作回数", Group::RecordBody, true, M(&Z::attempts), kTrialsRange));
}

// Lines 105..115: drill worksheet and drill game options.
void AddDrillLines(std::vector<LineSpec> &t) {
  constexpr Group kDrill = Group::Drill;
  t.push_back(Flag("もこさんmenu表示　1.する　0.しない", kDrill, true, M(&D::menuShown)));
  t.push_back(Spin("けた数", kDrill, true, M(&D::digits), 4, static_cast<int>(kSpinMax)));
  t.push_back(Spin("まい数", kDrill, true, M(&D::sheets), 1, static_cast<int>(kSpinMax)));
  t.push_back(Flag("もこ答えも付加　　1.する　0.しない", kDrill, true, M(&D::appendAnswer)));
  AddPlacement(t, "もこ", kDrill, M(&D::addToDocument));
  t.push_back(Flag("もこ改頁　　　　　1.する　0.しない", kDrill, true, M(&D::pageBreak)));
  t.push_back(Line(
      "たし算／ひき算　　1. ＋ 　2. － 　", kDrill, true,
      [](PrintFormat &f, const SaveContext &) {
        return std::to_string(static_cast<int>(f.drill.operation));
      },
      [](PrintFormat &f, std::string_view v, ReadState &) {
        int op = 0; // 2 is subtraction, any other number addition
        const LineError e = ReadSpin(v, kSpinMin, kSpinMax, op);
        if (e == LineError::None)
          f.drill.operation = op == 2 ? DrillOperation::Subtraction : DrillOperation::Addition;
        return e;
      }));
  t.push_back(Spin("もこヒント", kDrill, true, M(&D::hint), 0, 9));
  t.push_back(Flag("ヒント数字指定　　1.する　0.しない", kDrill, true, M(&D::hintByDigit)));
  t.push_back(Flag("誤答数字表示　　　1.する　0.しない", kDrill, true, M(&D::showWrongDigits)));
  t.push_back(SoundFlag("もこゲーム時の音　1.する　0.しない", kDrill, M(&D::gameSound)));
}

// Keys written by older versions.
void AddOlderKeys(std::vector<LineSpec> &t) {
  t.push_back(ReadOnly("数独ti", Flag("", kPuzzle, true, M(&Z::printTitle)).apply));
  t.push_back(
      ReadOnly("数字１", Spin("", kPuzzle, true, M(&Z::targetGivens), kTargetGivensRange).apply));
  t.push_back(
      ReadOnly("数字２", Spin("", kPuzzle, true, M(&Z::upperGivens), kUpperGivensRange).apply));
  for (int i = 0; i < static_cast<int>(std::size(kSymmetryKeys)); ++i) {
    t.push_back(ReadOnly(kSymmetryKeys[i], [i](PrintFormat &f, std::string_view v, ReadState &) {
      if (v == "1")
        f.puzzle.symmetry = i;
      return LineError::None;
    }));
  }
}

LineSpec TitleLine() {
  return Text("数独タイトル", Group::ReadOnly, true, M(&Z::title), kMarkBytes);
}

// The n-th how-to-play line fills slot n; there are nine slots.
LineSpec HowToPlayLine() {
  return Line("数独解説", Group::ReadOnly, true, nullptr,
              [](PrintFormat &f, std::string_view v, ReadState &st) {
                if (st.slotsRead == kHowToPlaySlotCount)
                  return LineError::TooManySlots;
                f.puzzle.howToPlay[st.slotsRead++] = CutText(v, kMarkBytes);
                return LineError::None;
              });
}

std::vector<LineSpec> BuildTable() {
  std::vector<LineSpec> t;
  AddPageLines(t);
  AddFontLines(t);
  AddFrameLines(t);
  AddPuzzleLines(t);
  AddConditionLines(t);
  AddDrillLines(t);
  AddOlderKeys(t);
  t.push_back(TitleLine());
  t.push_back(HowToPlayLine());
  return t;
}

std::string KeyOf(std::string_view comment) { return std::string(comment.substr(0, kKeyBytes)); }

} // namespace

const std::vector<LineSpec> &LineTable() {
  static const std::vector<LineSpec> table = BuildTable();
  return table;
}

const LineSpec *FindLine(std::string_view key) {
  static const std::map<std::string, const LineSpec *, std::less<>> byKey = [] {
    std::map<std::string, const LineSpec *, std::less<>> m;
    for (const LineSpec &entry : LineTable())
      m.emplace(KeyOf(entry.comment), &entry);
    return m;
  }();
  const auto it = byKey.find(key);
  return it == byKey.end() ? nullptr : it->second;
}

const LineSpec &TitleSpec() { return *FindLine(Sj("数独タ")); }
const LineSpec &HowToPlaySpec() { return *FindLine(Sj("数独解")); }

const LineSpec &HowToPlayReduceLine() {
  static const LineSpec entry =
      Flag("遊び方印刷縮小　　1.する　0.しない", kPuzzle, true, M(&Z::minitext));
  return entry;
}

} // namespace zenpa::settings::detail
