// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The player's choices that outlast a game: who sits where, solitaire or not,
// the card back, how long a turned pair stays up, the table's cursor, the
// window's level and the sound switch. The start-up reads them from the
// settings file once; the settings dialog hands back a changed copy, and the
// program applies it to the game. A plain value: no file and no window in it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "engine/GameState.h"

struct GameSettings {
    bool solitaire = true;
    // Who sits in each seat. A seat the settings file does not name (its
    // PLAYER list is shorter than four) is left as it was: no value.
    std::array<std::optional<CharacterKind>, kSeats> seats{};
    int32_t cardBack = 0;     // option 0..3 of the dialog
    int32_t showSeconds = 1;  // 1, 2 or 4 (0 before the first game, when nothing set it)
    int32_t cursor = 0;       // option 0..3 of the dialog
    bool topMost = false;     // "常に手前に表示"
    bool mute = false;        // "音を出さない"
    // "次回もこの設定で始める": the choices go back into the settings file, so that
    // the next start begins with them. Off, the file is never written.
    bool keepForNextStart = false;
};
