// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Turning a card over, and resolving an attempt: both cards shown for a
// while, then the pair taken into the seat's panel or both turned back.
#pragma once

#include "engine/GameState.h"

// Shows a card's side: the card is repainted and pending events run once, so
// the player sees the new side before the game goes on.
// Lets events run: once.
void ShowCardFace(GameState& game, int card, bool face);
// Lays a card out on the screen or takes it off.
void ShowCard(GameState& game, int card, bool shown);
// Moves a card and sizes it.
void PlaceCard(GameState& game, int card, const Rect& rect);
// Turns a card over in 16 frames of 10 ms (24 when magnified), the window's
// input blocked meanwhile.
// Lets events run: in every frame's wait and when the side changes.
void FlipCard(GameState& game, int card);
// Shows both picks for game.showSeconds, then takes the pair or turns both back.
// Lets events run: in the display wait and in every frame.
StepResult ResolvePicks(GameState& game, int seat);
