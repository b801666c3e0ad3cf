// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the main window's commands do in the running program: the settings
// dialog and what it confirmed, the about box, the two result windows, the
// help text and the sound switch. The windows themselves know nothing of the
// files or the sound; the program hands them these.
#pragma once

#include "engine/GameSettings.h"
#include "ui/MainWindow.h"

// The commands of the program's main window. `inForce` holds the settings the
// start-up read; it must outlive the window, and the settings dialog keeps it
// up to date.
MainWindow::Commands WindowCommands(GameSettings& inForce);

// What "Ｏ．Ｋ" of the settings dialog confirmed, put into force: into the game
// (ApplyChosenSettings) for the window's game, the table's cursor and `inForce`.
void ApplySettingsChoice(const GameSettings& chosen, GameSettings& inForce, MainWindow& window);
