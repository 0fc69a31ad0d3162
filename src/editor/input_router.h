// The input routing of the document editor Memo1: the one place that
// decides, for every key and mouse event of the document, who handles it and
// what the window does around it.
//
// Who handles an event, in this order:
//   1. a plugged mode of the "first" stage (a long puzzle run turning keys
//      into its commands, the drill game swallowing a held key): it sees
//      every event before anything else;
//   2. the KMode Ctrl+click, which toggles a leading "'" on the caret's line;
//   3. a plugged mode of the "grid" stage (puzzle entry and game, drill
//      entry and game): while active it turns the document into a grid
//      editor and takes the keys and clicks it wants;
//   4. the editor itself, with overwrite typing: a printable key first
//      selects the character under the caret, so that the key replaces it.
// Around that, whoever handled the event: key release and mouse press lay
// the document out again while realtime layout is off (with it on, every
// change of the text already did), a new width of a wrapping editor lays
// it out while realtime layout is on, the position display follows, the caret
// shape is rebuilt, and Ctrl+V normalises the clipboard's line breaks when
// line-break conversion is on.
//
// The window translates its toolkit's events into InputEvent and applies
// the Routing it gets back; nothing here knows the toolkit.
//
// Plugging a mode in: derive from InputMode, return Active() while the mode
// runs, and take the events you want in Handle (return true: the editor and
// later modes never see the event). Plug it into the window's router with
// its stage; modes of one stage are asked in the order they were plugged.
#pragma once

#include "platform/memo.h"

#include <string>
#include <string_view>
#include <vector>

namespace zenpa::editor {

enum class InputKind {
  KeyDown,     // a key went down (navigation and command keys)
  KeyPress,    // a character was typed (text holds it)
  KeyUp,       // a key was released
  MouseDown,   // a button was pressed in the document
  MouseUp,     // a button was released
  Click,       // a press and release at one place
  ContextMenu, // the context menu is asked for
  Resize       // the editor's width changed (window or splitter)
};

enum class InputKey {
  None,
  Tab,
  Backspace,
  Enter,
  Escape,
  Insert,
  Delete,
  Left,
  Right,
  Up,
  Down,
  PageUp,
  PageDown,
  Home,
  End,
  Paste, // Ctrl+V
  Other
};

struct InputEvent {
  InputKind kind = InputKind::KeyPress;
  InputKey key = InputKey::None;
  std::string text; // KeyPress: the typed text in Shift-JIS (an input method commits several)
  bool ctrl = false;
  bool shift = false;
  bool rightButton = false;
  int x = 0; // mouse events: pixels from the top left of the text area
  int y = 0;
};

// The state of the window the routing reads.
struct InputState {
  bool overwrite = false;       // 上書きモード
  bool realtimeLayout = true;   // RealtimeLayoutOn
  bool kMode = false;           // "/k"
  bool convertLineEnds = false; // 改行コード変換 (LF2CRLF)
};

// What the window does with an event.
struct Routing {
  bool handled = false;        // taken: the editor does not see the event
  int overwriteBytes = 0;      // select this many bytes at the caret before the editor types
  bool normalisePaste = false; // rewrite the clipboard's line breaks as CR LF first
  bool relayout = false;       // lay the document out again (Check, SetPrn)
  bool refreshPosition = false;
  bool rebuildCaret = false;
  bool showMarkItems = false; // the mark items of the context menu become visible
  bool gradePuzzle = false;   // plain Ctrl+click: grade the puzzle at the caret
};

class InputMode {
public:
  virtual ~InputMode() = default;
  virtual bool Active() const = 0;
  // True when the mode took the event.
  virtual bool Handle(const InputEvent &event, platform::Memo &memo) = 0;
};

enum class ModeStage { First, Grid };

class InputRouter {
public:
  // The mode must outlive the router or be unplugged first.
  void Plug(InputMode &mode, ModeStage stage);
  void Unplug(InputMode &mode);

  Routing Route(const InputEvent &event, platform::Memo &memo, const InputState &state);

private:
  bool ModeTakes(ModeStage stage, const InputEvent &event, platform::Memo &memo);
  Routing RouteKeyPress(const InputEvent &event, platform::Memo &memo, const InputState &state);
  Routing RouteMouseDown(const InputEvent &event, platform::Memo &memo, const InputState &state);

  struct Plugged {
    InputMode *mode;
    ModeStage stage;
  };
  std::vector<Plugged> modes_;
};

// Bytes the typed text replaces in overwrite mode: for each typed character
// the next character of the line from the caret (2 bytes for a double-byte
// one), as long as the line has one; at the end of the line nothing.
int OverwriteBytes(const platform::Memo &memo, std::string_view typed);

} // namespace zenpa::editor
