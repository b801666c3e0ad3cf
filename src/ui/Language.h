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
#include <functional>
#include <string>

enum class TextLanguage { Japanese, English };

// The first of the desktop's UI languages (QLocale::system().uiLanguages(),
// which follows LANGUAGE, then LC_ALL, LC_MESSAGES and LANG) that the game can
// speak: Japanese (also for "C" and "POSIX") or English. A language the game
// has no translation for is passed over; when none is left, English, which
// serves a player who reads no Japanese better.
//
// The C and POSIX locales name no language. There the game is Japanese, as it
// always was, unless `screenReaderListening` says a screen reader is at work:
// a screen reader under those locales speaks English (its own words and its
// voice), and reads every kanji of a Japanese game as "Chinese letter", so
// that player gets the English game. It is asked only for those locales.
TextLanguage ChooseTextLanguage(const QStringList& uiLanguages,
                                const std::function<bool()>& screenReaderListening = {});

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
// full-width digits, a space and the word: "１２ 秒" (seconds), "３４ 手"
// (turns). Shown in the player's language: unchanged in Japanese, "12 s" and
// "34" in English.
QString ShownCounter(const std::string& engineText);
