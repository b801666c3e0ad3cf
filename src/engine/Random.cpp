// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/Random.h"

#include <chrono>
#include <cmath>
#include <random>

namespace {
std::mt19937_64 generator{5489u};
std::optional<uint64_t> pinned;
}  // namespace

double Rnd() { return std::generate_canonical<double, 53>(generator) * (1.0 - 1e-16); }

void PinRandomSeed(std::optional<uint64_t> seed) {
    pinned = seed;
    if (seed) generator.seed(*seed);
}

void RandomizeFromClock() {
    if (pinned) {
        // A pinned run keeps one stream across deals, so successive games differ
        // but the whole run repeats exactly.
        return;
    }
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    generator.seed(
        static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
}

int32_t RoundHalfEven(double x) { return static_cast<int32_t>(std::nearbyint(x)); }
