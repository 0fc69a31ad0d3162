// How the program's own windows show to screen readers. A window built on a
// plain QWidget (the preview, the assist and hint windows, the viewer) would
// be read as an anonymous "filler"; it is exposed as a window with its
// caption as its name, as main windows and dialogs already are.
#pragma once

namespace zenpa::ui {

// Installs the accessibility factory that does this; later calls do nothing.
void ExposeOwnWindowsAsWindows();

} // namespace zenpa::ui
