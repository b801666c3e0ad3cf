// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The deal: the deck renumbered, a loose pile while the shuffle sounds, the
// start banner, and the cards laid face down into the 9 x 6 grid.
#pragma once

#include "engine/GameState.h"

// Ranks and pictures back in deck order, every card face up and enabled.
// Lets events run: once for every card turned face up.
void ResetDeck(GameState& game);
// Lets events run: twice for every card turned face down, and in every drop's wait.
void Deal(GameState& game);
// The list position a draw u in [0, 1) takes when m cards are left: every position
// can come out, the first and the last with weight 1.5 against 2 for the others.
int DealListPosition(double u, int m);
void ShowMessageSprite(int n);
// After a change of card back: the face-down cards and the seats' small backs repainted.
void RedrawFaceDownCards(GameState& game);
