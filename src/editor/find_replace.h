// Find and replace on the document: "検索(&F)...", "次を検索(&N)" and
// "置換(&R)...".
//
// Positions are (line, byte column) of the Shift-JIS lines; a match lies
// within one line. The search starts at the selection's start, one byte
// further when something is selected, so that "find next" never finds the
// current match again; it runs forward to the end of the text and never
// wraps around. Matching follows editor/text_search.h.
//
// The find and replace dialogs share one SearchRequest: what one of them
// searched for, the other opens with.
#pragma once

#include "editor/text_search.h"
#include "platform/host.h"
#include "platform/memo.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zenpa::editor {

struct SearchRequest {
  std::string pattern;     // Shift-JIS
  std::string replacement; // Shift-JIS
  SearchOptions options;
};

struct TextMatch {
  platform::TextPos start;
  platform::TextPos end;
};

// Where the next search starts for the memo's selection.
platform::TextPos SearchStart(const platform::Memo &memo);

// The first match at or after from, or nullopt; the memo is not changed.
std::optional<TextMatch> FindFrom(const platform::Memo &memo, platform::TextPos from,
                                  const TextFinder &finder);

// Selects the next match after the selection; false (selection kept) when
// there is none or the pattern is empty.
bool FindNext(platform::Memo &memo, const SearchRequest &request);

// Replaces the selection by the replacement when it is the pattern (under
// the options); returns whether it did. The caret ends after the
// replacement, so the next search starts there.
bool ReplaceCurrent(platform::Memo &memo, const SearchRequest &request);

// Replaces every occurrence, left to right without overlaps, as one edit
// (one Undo restores the text); lines without a match keep their bytes. The
// caret goes to the start of the text. Returns the number of replacements;
// with none the text and its modified flag are untouched.
int ReplaceAll(platform::Memo &memo, const SearchRequest &request);

// count + "ヵ所、置換しました" (Shift-JIS).
std::string ReplacedCountMessage(int count);
// "文字列“" + pattern + "”は見つかりません" (Shift-JIS); a pattern longer
// than kShownPatternBytes is cut there (at a character's start) and ends in
// "…", so that the message stays as wide as a screen.
inline constexpr std::size_t kShownPatternBytes = 60;
std::string NotFoundMessage(std::string_view pattern);

// The window side of the find and replace commands.
class FindReplaceHooks {
public:
  virtual ~FindReplaceHooks() = default;
  // A match was selected: scroll it into view and give the editor the focus.
  virtual void RevealMatch() = 0;
  // A miss or replace-all ends the dialog that ran it.
  virtual void CloseDialog() = 0;
  // The text changed: relayout and refresh the position display.
  virtual void TextReplaced() = 0;
  // True while the preview window is showing with its "調整" button visible.
  virtual bool PreviewAdjustable() const = 0;
  // Presses the preview's "調整" button (the preview catches up with the
  // text), and clicks its "調整中" label (it stops following the text).
  virtual void PressPreviewAdjust() = 0;
  virtual void ClickPreviewAdjusting() = 0;
};

// The commands of the Edit menu and the two dialogs over the shared request.
class FindReplace {
public:
  FindReplace(platform::Memo &memo, platform::Host &host, FindReplaceHooks &hooks)
      : memo_(memo), host_(host), hooks_(hooks) {}

  SearchRequest &Request() { return request_; }
  const SearchRequest &Request() const { return request_; }

  // Opening either dialog: the pattern becomes the selected text when there
  // is a selection, and the preview is brought up to date around the
  // opening (showDialog opens the dialog with Request()).
  void OpenDialog(const std::function<void()> &showDialog);

  // "次を検索(&N)" and the dialogs' find buttons. A miss closes the dialog
  // and shows NotFoundMessage; an empty pattern does nothing.
  bool FindNext();
  // The replace dialog's replace button: ReplaceCurrent, then FindNext.
  bool Replace();
  // The replace dialog's replace-all button: closes the dialog and shows
  // the count when something was replaced.
  int ReplaceAll();

private:
  bool Found(bool found);

  platform::Memo &memo_;
  platform::Host &host_;
  FindReplaceHooks &hooks_;
  SearchRequest request_;
};

} // namespace zenpa::editor
