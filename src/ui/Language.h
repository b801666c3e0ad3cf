// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The language the game speaks. Every text is written in Japanese, the game's
// own language; a player whose desktop speaks anything else reads English,
// from the translation compiled into the game (translations/tomavel_en.ts).
//
// Japanese and the C/POSIX locale load no translator at all, so those players
// get exactly the texts the game always had, byte for byte, with Qt's own
// buttons in Japanese. English loads ours and leaves Qt's own in English.
#pragma once

#include <QString>
#include <QStringList>
#include <string>

enum class TextLanguage { Japanese, English };

// The first of the desktop's UI languages (QLocale::system().uiLanguages(),
// which follows LANGUAGE, then LC_ALL, LC_MESSAGES and LANG) that the game can
// speak: Japanese (also for "C" and "POSIX") or English. A language the game
// has no translation for is passed over; when none is left, English, which
// serves a player who reads no Japanese better.
TextLanguage ChooseTextLanguage(const QStringList& uiLanguages);

// Installs the translators for `language` (and remembers it for the
// typography below). Returns false when the game's own English translation
// could not be loaded.
bool InstallTextLanguage(TextLanguage language);
// Removes what InstallTextLanguage installed; the tests go back to Japanese.
void RemoveTextLanguage();
TextLanguage CurrentTextLanguage();

// A count as the language writes it: Japanese sets it in full-width digits
// ("１２"), English in plain ones ("12").
QString CountDigits(long long n);

// The engine writes the solitaire status lines in the game's own typography,
// full-width digits, a space and the word: "１２３ 秒" (seconds), "３４ 手"
// (turns), and nothing before the first second and the first attempt. Shown in
// the player's language: unchanged in Japanese; in English the time as the score
// table writes it, " 02:03", and the turns as a plain count, " 34", from " 00:00"
// and " 0" on (the space sets the value off from its caption, as the Japanese
// caption's full-width colon does).
enum class Counter { Time, Turns };
QString ShownCounter(const std::string& engineText, Counter counter);
