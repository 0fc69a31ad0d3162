// The print preview window's commands over the session: opening it with
// the preview button, "調整" and the "調整中" label, the sheet navigation,
// "決定" for the enlargement, and closing. Each command changes the
// preview's state; the window then composes the sheet
// (Session::ComposePreview) and shows the state (Session::PreviewState).
#pragma once

#include "app/session.h"

#include <string>
#include <string_view>

namespace zenpa::app {

enum class SheetStep { First, Previous, Next, Last };

class PreviewCommands {
public:
  explicit PreviewCommands(Session &session) : session_(session) {}

  // "プレビュー": the layout is refreshed when real-time layout is off and
  // the preview opens on sheet 1; call Opened after the opening run.
  void Open();
  void Opened() { State().Opened(); }
  // "調整": the layout is refreshed when real-time layout is off and the
  // preview follows every change from now on.
  void PressAdjust();
  // The "調整中" label: following ends, "調整" shows again.
  void ClickAdjusting() { State().ClickAdjusting(); }
  void Close() { State().Close(); }
  void Step(SheetStep step);

  // "決定": the field's text as the new zoom (a text that is no number
  // keeps the old one); returns what the field shows afterwards.
  std::string EnterZoom(std::string_view text);
  int Zoom() const { return session_.Format().format.previewZoom; }

private:
  print::Preview &State() { return session_.PreviewState(); }
  void RelayoutUnlessRealtime();

  Session &session_;
};

} // namespace zenpa::app
