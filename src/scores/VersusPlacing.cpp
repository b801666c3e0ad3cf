// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scores/VersusPlacing.h"

std::array<int, kVersusSeats> PlaceFaces(const std::array<int, kVersusSeats>& cardsTaken,
                                         const std::array<bool, kVersusSeats>& seated) {
    std::array<int, kVersusSeats> faces{};
    for (int seat = 0; seat < kVersusSeats; ++seat) {
        faces[seat] = kNoFace;
        if (!seated[seat]) continue;
        int below = 0;
        for (int other = 0; other < kVersusSeats; ++other) {
            const int taken = seated[other] ? cardsTaken[other] : 0;
            if (other != seat && taken < cardsTaken[seat]) ++below;
        }
        faces[seat] = 3 - below;
    }
    return faces;
}
