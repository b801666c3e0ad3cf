// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game with its random stream pinned to a seed given as the first argument,
// so an on-screen check knows the deal in advance. Built for the tests only;
// the shipped game always seeds from the clock and reads no arguments.
#include <cstdlib>

#include "app/Startup.h"
#include "engine/Random.h"

int main(int argc, char** argv) {
    if (argc > 1) PinRandomSeed(std::strtoull(argv[1], nullptr, 10));
    return RunProgram(argc, argv);
}
