// The desktop program: creates the application and the main window and runs
// the event loop until the window closes.
#pragma once

namespace zenpa::ui {

int RunDesktop(int argc, char **argv);

} // namespace zenpa::ui
