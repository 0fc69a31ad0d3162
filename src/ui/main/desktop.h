// The desktop program: creates the application and the main window and runs
// the event loop until the window closes. The toolkit's own texts (file
// dialogs, Yes/No/Cancel, the editors' fallback menus) are in Japanese.
#pragma once

class QTranslator;

namespace zenpa::ui {

// Loads the toolkit's Japanese translations into translator and installs
// it; false when they are not installed.
bool LoadQtJapanese(QTranslator &translator);

int RunDesktop(int argc, char **argv);

} // namespace zenpa::ui
