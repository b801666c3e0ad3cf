// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings file "tomavel.ini" (beside the program, or in the player's
// configuration folder: app/Places.h), and the values it sets
// that belong to no game.
#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "engine/GameSettings.h"

// SettingsFolder() + kSettingsFileName ("tomavel.ini").
std::string SettingsFilePath();

// Reads one key of the settings file; false (and `value` untouched) when it is missing or empty.
// Values are UTF-8 here and CP932 in the file; a value comes back cut to 79 CP932 bytes.
// Lets events run: the message box about a missing settings file, the first time.
bool ReadIni(const std::string& section, const std::string& key, std::string& value);
// Writes one key into the file; false when the file could not be written.
bool WriteIni(const std::string& section, const std::string& key, const std::string& value);
// Writes several keys of one section at once, through the same profile writer:
// only those key lines change; every other line, the comment header and the
// file's form stay. A missing file is written as the default file first. False,
// with the file as it was and the reason in `error`, when it could not be.
bool WriteIniKeys(const std::string& section,
                  const std::vector<std::pair<std::string, std::string>>& keys,
                  QString* error = nullptr);
// The keys that start the next game as `settings` and the two menu switches say:
// the mode (and the seats, when several play), the card back, the display time,
// the cursor, the window's level, the sound switch and the keeping itself.
std::vector<std::pair<std::string, std::string>> KeysForNextStart(const GameSettings& settings);
// Writes the default file: the comment header and the eleven keys. False when it could not be.
bool WriteDefaultIni();
// Start-up: removes what saves cut short left behind, and writes the default file
// when there is none or the file holds no key at all (an empty file among them;
// any other text in it is kept as tomavel.ini.damaged). When that fails the old
// file stays as it was, the player is told once, the game starts with the
// default settings, and the result is false.
// Lets events run: the message box when the file cannot be made.
bool EnsureSettingsFile();
// A new start: the player may be told about the settings file again.
void ForgetSettingsFileNotice();

// Reads the file at start-up: seats, solitaire mode, card back, display time,
// cursor, the two menu switches, and whether changes are kept for the next start.
// Lets events run: the message box about a missing settings file (ReadIni).
GameSettings LoadSettings();
// Puts what the start-up read into the game: the seats and the mode, the card
// back, and the display time (the dialog preselects it until the first game
// starts; every game starts at 1 second).
void ApplyLoadedSettings(GameState& game, const GameSettings& settings);
// Puts what the settings dialog confirmed into the game. While a game runs its
// seats and mode stay as it began with them; the card back and the display
// time change at once, and the face-down cards are drawn with the new back.
void ApplyChosenSettings(GameState& game, const GameSettings& chosen);
// The settings in force now, for the dialog to open with: the game's seats,
// mode, card back and display time, the rest from `inForce`.
GameSettings SettingsInForce(const GameState& game, const GameSettings& inForce);
