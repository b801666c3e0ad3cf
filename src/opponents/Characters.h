// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Who can sit at the table: the human, the computer characters and the empty
// seat, one row each. A row is everything the game knows of a character: its
// names, its picture, its digit in the settings file, how well it remembers,
// how quickly it reaches a card it knows, and what it says. Adding a character
// is a row here, its picture, and a digit for it in the settings file.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/GameState.h"

// The lines of a computer character, in the order of its speech: four
// greetings, then one line for each SpeechEvent after the greeting.
constexpr int kSpeechLines = 12;

struct Character {
    CharacterKind kind;
    // Its digit in the settings file's PLAYER list. The digits never change
    // meaning: a file written by any version seats the same characters.
    char digit;
    // Its picture in the picPlayer set.
    int picture;
    // Its English name: the seat panel's caption and the tools' word for it.
    const char* name;
    // What the settings dialog and a screen reader call it (translated in the
    // context "Characters").
    const char* displayName;
    // Its line in the result of a game against the computer (translated in the
    // context "VersusResultWindow"; the computer characters keep their English names).
    const char* resultName;
    bool computer;
    // How a computer character remembers (zero for the human and the empty seat):
    // its memory entries, the chance in a hundred to note the cards of its own
    // and of another seat's failed attempt, the chance to drop the cells of a
    // pair someone took, and the seconds an entry lasts.
    int memorySize = 0, recallOwnPct = 0, recallOtherPct = 0, forgetTakenPct = 0, lifetime = 0;
    // The hand's steps to a card it knows (a guess walks the usual 40).
    int quickStepLimit = 0;
    // Its lines (marked for translation in the context "Speech").
    std::array<const char*, kSpeechLines> lines{};
};

// Every row, in the order the settings dialog's seat buttons go through them.
const std::vector<Character>& Characters();
// The row of a kind; the empty seat's for a kind no row has.
const Character& CharacterOf(CharacterKind kind);
// The character a PLAYER digit names. Any character that is no digit stands
// for 0, the human; a digit no row has leaves the seat empty.
CharacterKind KindOfDigit(char32_t c);
