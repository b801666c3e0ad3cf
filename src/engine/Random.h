// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The one random generator of the program: uniform numbers in [0, 1),
// seeded from the clock at every deal. Tests pin the seed.
#pragma once

#include <cstdint>
#include <optional>

double Rnd();
// Seeds from the current date and time, unless a fixed seed is pinned.
void RandomizeFromClock();
// Pins every later RandomizeFromClock to `seed` (tests, the match runner); nullopt unpins.
void PinRandomSeed(std::optional<uint64_t> seed);

// A chance of p percent: one draw r with r * 100 < p.
inline bool Chance(int percent) { return Rnd() * 100 < percent; }
// Nearest integer, halves to even (the rounding the game has always used).
int32_t RoundHalfEven(double x);
