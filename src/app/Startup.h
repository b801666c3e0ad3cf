// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up: one copy only, the splash, the program folder, the data files,
// the main window and the picture store, the settings, and the window shown.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// What "--help" (or "-h") and "--version" print, in the game's language; nothing
// for any other command line, which starts the game (Qt's own options among it).
std::optional<QString> CommandLineAnswer(const QStringList& arguments);

// Runs the whole start-up and the game; returns the process's exit code. Asked
// for its help or its version, it prints them and ends at once, before it looks
// for a running copy (which it would bring forward) or opens anything.
// Lets events run: the whole program runs in its event loop.
int RunProgram(int argc, char** argv);
