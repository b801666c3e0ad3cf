// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The language the game speaks. Every text is written in Japanese, the game's
// own language; every other language is a translation compiled into the game,
// one translations/tomavel_<code>.ts each, found at run time as
// :/i18n/tomavel_<code>.qm. Nothing here lists the languages: a new .ts file is
// a new language.
//
// Japanese and the C/POSIX locale load no translator of ours, so those players
// get exactly the texts the game always had, byte for byte, with Qt's own
// buttons in Japanese. Any other language loads ours and Qt's own in it.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <string>

// A language is named as its translation file is: "ja", "en", "de", "pt_BR" ...
using TextLanguage = QString;
// The game's own language, which needs no translation.
inline const TextLanguage kGameLanguage = QStringLiteral("ja");
// What a player gets whose desktop speaks no language the game has: English
// serves a player who reads no Japanese better.
inline const TextLanguage kFallbackLanguage = QStringLiteral("en");

// Every language the game can speak: Japanese and each translation compiled in.
QStringList TextLanguages();

// The desktop's languages in the order a desktop program asks for them: each of
// LANGUAGE's colon-separated list, then LC_ALL, LC_MESSAGES and LANG, the
// empty ones left out.
QStringList DesktopLanguages();

// The first of the desktop's languages that the game speaks. A name is tried
// with its country first and then without ("pt_BR.UTF-8" tries pt_BR, then pt;
// "de_AT" finds de); "C" and "POSIX" (with or without a codeset) are the game's
// own Japanese, and so is a desktop that names no language at all. A desktop
// whose languages the game has none of gets English.
//
// The C and POSIX locales name no language. There the game is Japanese, as it
// always was, unless `screenReaderListening` says a screen reader is at work:
// a screen reader under those locales speaks English (its own words and its
// voice), and reads every kanji of a Japanese game as "Chinese letter", so
// that player gets the English game. It is asked only for those locales.
TextLanguage ChooseTextLanguage(const QStringList& desktop,
                                const QStringList& spoken = TextLanguages(),
                                const std::function<bool()>& screenReaderListening = {});

// Installs the translators for `language`: ours, with the English beneath it for
// a text the translation lacks, and Qt's own (its standard buttons) from Qt's
// translations when they are there. Returns false, and installs nothing of ours,
// when the game has no translation for it.
bool InstallTextLanguage(const TextLanguage& language);
// Removes what InstallTextLanguage installed; the tests go back to Japanese.
void RemoveTextLanguage();
TextLanguage CurrentTextLanguage();
// True while the game speaks its own Japanese, untranslated.
bool SpeaksGameLanguage();

// The help text's file name in `language`: the game's own readme.txt for
// Japanese, readme-<code>.txt for a translation.
std::string HelpFileNameFor(const TextLanguage& language);

// A count as the language writes it: Japanese sets it in full-width digits
// ("１２"), the others in plain ones ("12").
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

// The score table keeps its dates as the game has always written them,
// "2001/01/01 00:00:09". Shown as the player's language writes a date (the
// translation of the pattern "yyyy/MM/dd HH:mm:ss" says how); in Japanese, and
// for a date that does not read as one, exactly as stored.
QString ShownDate(const std::string& storedDate);
