// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// dealprint SEED: prints the first deal the pinned game makes with SEED, one
// line per card: card number, rank, column, row.
#include <cstdio>
#include <cstdlib>

#include "engine/Deal.h"
#include "engine/HeadlessTable.h"
#include "engine/Random.h"

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    PinRandomSeed(std::strtoull(argv[1], nullptr, 10));
    VirtualClockHost host;
    GameState game;
    HeadlessTable table(game, &host);
    AttachHost(&host);
    AttachViews(table.AsViews());
    ResetDeck(game);
    Deal(game);
    for (int c = 1; c <= kCardCount; ++c)
        std::printf("%d %d %d %d\n", c,
                    game.cards[c].rank == kJokerB ? kJokerA : game.cards[c].rank, game.cards[c].col,
                    game.cards[c].row);
    return 0;
}
