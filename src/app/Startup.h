// Start-up: one copy only, the splash, the program folder, the data files,
// the main window and the picture store, the settings, and the window shown.
#pragma once

#include <string>

extern std::string gsAppPath;  // the executable's folder, with exactly one trailing '/'

// Appends the folder separator unless the folder already ends with one.
std::string WithTrailingSeparator(std::string folder);

// Runs the whole start-up and the game; returns the process's exit code.
// Lets events run: the whole program runs in its event loop.
int RunProgram(int argc, char** argv);
