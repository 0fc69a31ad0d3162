// The print-format record: every print setting of the program together with
// the puzzle, assist and drill options that travel in the same format file
// (a document's ".zpf", "zenpa.ini", "nbpzpf.zpf"; see format_file.h).
//
// Units: `topMargin` and `leftMargin` are printer pixels (the printer's
// vertical resolution, 360 dpi for the virtual printer); every other length
// is whole millimetres. Percentages are whole numbers. `lineSpacing` and
// `charSpacing` hold 100 + the percentage the user sees. Texts are Shift-JIS
// bytes. Colours are 0x00BBGGRR.
//
// A default-constructed record holds the start-up values on the virtual
// 360-dpi printer; StartFormat gives them for a real printer and ResetFormat
// applies the menu's format reset.
#pragma once

#include <array>
#include <string>

#include "base/colour.h"
#include "platform/printer.h"
#include "settings/technique_options.h"

namespace zenpa::settings {

using base::Colour; // 0x00BBGGRR

inline constexpr Colour kBlack = 0x000000;
inline constexpr char kFormFeed = '\f';

inline constexpr int kHowToPlaySlotCount = 9;

enum class PageNumberPos { Top, Bottom, Right }; // 上, 下, 右

// Shared by the puzzle and drill panels: where generated blocks go, the end
// of the document ("文末に追加") or the caret's line ("ここに挿入").
enum class InsertionPlace { AtEnd, AtCaret };

// The drill sheets' arithmetic; the values are the codes of the format file.
enum class DrillOperation { Addition = 1, Subtraction = 2 }; // "＋", "－"

// Frame rectangle, whole millimetres from the physical paper edge, 0..1000.
struct FrameRect {
  int left = 0;
  int top = 0;
  int width = 121;
  int height = 121;
  bool operator==(const FrameRect &) const = default;
};

// Options of the assist window (Autoassist, assistMaru, ...).
struct AssistOptions {
  bool autoShow = true;                // Autoassist "自動表示する"
  bool circledDigits = true;           // assistMaru "丸数字を使う"
  bool digitColours = false;           // assistFont "数字色を変更"
  bool lineColours = false;            // assistLine "罫線色を変更"
  bool autoHint = true;                // assistHint "自動ヒント表示"
  bool continuousHint = false;         // assistPanel "連続ヒント入力"
  bool answerAtOnce = false;           // assistKotae "すぐに答え"
  Colour memoColour = 0xE060E0;        // assistMemo "手書きヒント色"
  Colour writtenHintColour = 0x606060; // written hints "書ヒント色"
  Colour erasedHintColour = 0xFFD8FF;  // assistDel "消したヒント色"
  bool operator==(const AssistOptions &) const = default;
};

// A closed range of whole numbers a setting keeps to.
struct NumberRange {
  int min;
  int max;
};

// The generator's numbers: target givens "数字", the clue window's lower
// bound "数字の許容" and upper bound (after "～"), and the trials "試作回数".
inline constexpr NumberRange kTargetGivensRange{16, 80};
inline constexpr NumberRange kLowerGivensRange{16, 60};
inline constexpr NumberRange kUpperGivensRange{24, 80};
inline constexpr NumberRange kTrialsRange{0, 10};

// Puzzle generator, block writer and game options.
struct PuzzleOptions {
  bool menuShown = false;      // MenuSDK "数独作成メニュー(&M)"
  int targetGivens = 32;       // LabeledEdit12 "数字", kTargetGivensRange
  bool appendAnswer = false;   // CheckBox10 "答えも付加"
  bool addToDocument = false;  // CheckBox8 beside the insertion toggle
  bool pageBreak = true;       // CheckBox9 "改頁"
  bool printTitle = true;      // CheckBox25 "☆"
  bool minititle = false;      // reduce the title to reducePercent
  bool printClue = true;       // "clue"
  bool miniclue = false;       // reduce the clue line
  bool printHowToPlay = false; // "遊び方"
  bool minitext = false;       // reduce the how-to-play lines
  bool autoApplyFormat = true; // menu nbpzpf "数独書式を自動適用する(&X)"
  AssistOptions assist;
  bool gameSound = true; // SBeep "ゲーム時、音を鳴らす(&B)"
  std::string title;     // PuzzleTitle, at most 255 bytes
  std::array<std::string, kHowToPlaySlotCount> howToPlay; // HowToPlayLines
  TechniqueOptions techniques;       // the conditions panel Panel6 and its switches
  int symmetry = 0;                  // 0 なし .. 8 ＼線
  int upperGivens = 32;              // Edit16, kUpperGivensRange
  int lowerGivens = 32;              // LabeledEdit18 "数字の許容", kLowerGivensRange
  bool recordPanelShown = false;     // Panel5 "★自動記録★"
  std::string recordStem = "sudoku"; // LabeledEdit13 "ファイル名"
  std::string recordFirst = "001";   // LabeledEdit14 "始め"
  std::string recordLast = "001";    // LabeledEdit15 "終わり"
  int attempts = 6;                  // LabeledEdit16 "試作回数", kTrialsRange

  PuzzleOptions();
  bool operator==(const PuzzleOptions &) const = default;
};

// Drill worksheet (もこさん) and drill game options.
struct DrillOptions {
  bool menuShown = false;     // MenuKP
  int digits = 10;            // "けた数", 4..33
  int sheets = 1;             // "まい数", 1..99
  bool appendAnswer = false;  // "答えも付加"
  bool addToDocument = false; // check box beside the insertion toggle
  bool pageBreak = true;      // "改頁"
  DrillOperation operation = DrillOperation::Addition;
  int hint = 0;                 // "ヒント", 0..9
  bool hintByDigit = false;     // hintno "ヒントは数字指定にする(&H)"
  bool showWrongDigits = false; // gotou "ゲームで誤答数字を表示(&G)"
  bool gameSound = true;        // MokoBeep "ゲーム時、音を鳴らす(&B)"
  bool operator==(const DrillOptions &) const = default;
};

struct PrintFormat {
  int linesPerPage = 0;  // 0 = as many as fit; 0..300
  int lineSpacing = 100; // 100 + percent of the character height; at least 1
  int charSpacing = 100; // 100 + percent of the character width; at least 0
  int topMargin = 213;   // printer pixels (15 mm at 360 dpi), >= printer top offset
  int leftMargin = 326;  // printer pixels (23 mm at 360 dpi), >= printer left offset
  bool pageNumberOn = false;
  PageNumberPos pageNumberPos = PageNumberPos::Top;
  std::string pageNumberStart = "1";
  std::string pageNumberLeft = " (";
  std::string pageNumberRight = ") ";
  bool printFileName = false;
  bool printExtension = false;
  bool printDate = false;
  bool alignHeader = false; // 行揃え
  bool smallHeader = false; // ヘッダを小さくする
  bool headerGap = true;    // header or footer takes 2 lines instead of 1
  int reducePercent = 80;   // 50..100
  bool scaleMarksOn = false;
  bool scaleLineBlank = false;
  std::string scaleMark = "p"; // at most 255 bytes
  bool duplex = false;         // excludes pouchBinding
  bool pouchBinding = false;   // 袋とじ
  int evenPageShift = 0;       // mm, -99..99
  bool pagesLeftAligned = false;
  std::string fontName; // "ＭＳ ゴシック" in Shift-JIS
  Colour textColor = kBlack;
  double fontSize = 12; // points, one decimal, 6.0..600.0
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool fixedPitch = false; // 等幅印刷
  int paperSize = 9;       // Windows paper code (9 = A4)
  int orientation = 1;     // 1 portrait, 2 landscape
  bool tabsOn = false;
  int tabWidth = 1; // 1..8; 1 whenever tabsOn is off
  bool wrapEditor = false;
  bool pairHalfWidth = false;
  std::string noPairChars; // at most 255 bytes
  bool autoMaxLines = true;
  bool autoSaveFormat = true;   // menu ZpfWrite
  bool convertLineEnds = false; // menu LF2CRLF
  bool enlargedText = false;    // EnlargeAtStart
  bool overwriteMode = false;
  int windowWidth = 769; // main window outer width, screen pixels
  int editorWidth = 764; // editor pane width, screen pixels, <= client width - 5
  bool paperEdgeOn = false;
  int paperBottom = 0; // mm cut from the bottom, 0..500
  int paperRight = 0;  // mm cut from the right, 0..500
  bool paperEdgeLine = false;
  bool backRightToLeft = false;
  bool frameShown = false;
  bool framePrinted = false;
  bool frameInTextColor = true;
  Colour frameColor = kBlack;
  FrameRect frameRect;
  std::string pageBreakMark{kFormFeed}; // the one-character form feed is the standard
  int previewZoom = 100;                // percent

  InsertionPlace insertionPlace = InsertionPlace::AtEnd; // shared placement caption
  PuzzleOptions puzzle;
  DrillOptions drill;

  PrintFormat();
  bool operator==(const PrintFormat &) const = default;
};

// What the printer- and window-dependent values of the record come from.
struct FormatEnvironment {
  int dpi = 360;         // printer's vertical resolution; 360 without a printer
  int offsetLeft = 43;   // printer's unprintable left offset, printer pixels
  int offsetTop = 43;    // printer's unprintable top offset, printer pixels
  int clientWidth = 769; // BAI(769): design client width of the main window, screen pixels
  int windowFrame = 0;   // main window outer width minus its client width
};

// The resolution and offsets a printer reports, for the margins of a
// format laid out on it (the window's size keeps its design value).
FormatEnvironment EnvironmentOf(const platform::PrinterMetrics &printer);

// The record as it stands at start-up, before any file is read.
PrintFormat StartFormat(const FormatEnvironment &env);

// The format reset ("書式リセット(&N)", also run for a new document). Fields the
// reset does not own (puzzle, drill, marks, menus, frame position) are kept.
void ResetFormat(PrintFormat &format, const FormatEnvironment &env);

// Largest editor width the window leaves room for: the side panel keeps 1 pixel.
int MaxEditorWidth(int windowWidth, const FormatEnvironment &env);

} // namespace zenpa::settings
