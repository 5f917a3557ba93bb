#pragma once

namespace brisvane::bench {

// Runs one start-up in this process: "main" shows the program's main window, "empty" an
// empty QWidget; both return once the window has been painted.
int runStartupChild(const char* which, int argc, char** argv);

} // namespace brisvane::bench
