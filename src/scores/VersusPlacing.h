// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the players of a game against the computer finish, as the result
// window shows it with a face for each: 0 for first place .. 3 for last.
#pragma once

#include <array>

constexpr int kVersusSeats = 4;
// The face of a seat nobody sat in: it shows none.
constexpr int kNoFace = -1;

// A seated player's face is 3 minus the seats with strictly fewer cards, so
// players with equal cards share the lower face. An empty seat counts as a
// seat that took no cards, and gets kNoFace.
std::array<int, kVersusSeats> PlaceFaces(const std::array<int, kVersusSeats>& cardsTaken,
                                         const std::array<bool, kVersusSeats>& seated);
