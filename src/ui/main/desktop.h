// The desktop program: creates the application and the main window and runs
// the event loop until the window closes. The toolkit's own texts (file
// dialogs, Yes/No/Cancel, the editors' fallback menus) are in Japanese.
#pragma once

#include <string>

class QTranslator;

namespace zenpa::ui {

// Loads the toolkit's Japanese translations into translator and installs
// it; false when they are not installed.
bool LoadQtJapanese(QTranslator &translator);

// Names the application as its desktop entry does (so the window class and
// the Wayland application id match zenpa.desktop) and gives every window
// the program's icon: from the icon theme, else the PNG files beside
// dataDir.
void SetDesktopIdentity(const std::string &dataDir);

int RunDesktop(int argc, char **argv);

} // namespace zenpa::ui
