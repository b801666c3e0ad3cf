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
// When the player keeps the settings for the next start (or stops keeping them),
// they are written into the settings file too; a file that cannot be written
// is told, and the settings stay in force all the same.
// Lets events run: the message box when the file cannot be written.
void ApplySettingsChoice(const GameSettings& chosen, GameSettings& inForce, MainWindow& window);
// Tells the player that the settings file could not keep the settings, and why.
// Lets events run: the message box.
void TellSettingsNotKept(QWidget* parent, const QString& reason);
