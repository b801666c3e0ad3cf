// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up: one copy only, the splash, the program folder, the data files,
// the main window and the picture store, the settings, and the window shown.
#pragma once

// Runs the whole start-up and the game; returns the process's exit code.
// Lets events run: the whole program runs in its event loop.
int RunProgram(int argc, char** argv);
