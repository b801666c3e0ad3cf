// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The human's play: clicks turn cards for whichever human seat is on turn,
// the card under the mouse is shown magnified, the keyboard moves that same
// magnified card over the table and turns it, and the one-second tick counts
// the solitaire time or ages the opponents' memories.
#include "engine/HumanPlay.h"

#include <cstdlib>
#include <string>
#include <tuple>

#include "engine/ComputerPlayers.h"
#include "engine/GameLoop.h"
#include "engine/Reveal.h"
#include "engine/Views.h"

namespace {
bool HumanOnTurn(const GameState& game) {
    return game.currentSeat >= 0 && game.currentSeat < kSeats &&
           game.seats[game.currentSeat].kind == CharacterKind::You;
}

// Shows card `card` magnified, and puts the card magnified before it back in its cell.
void Magnify(GameState& game, int card) {
    const BoardCard& c = game.cards[card];
    if (card != game.hoveredCard) {
        if (game.hoveredCard != 0) {
            const BoardCard& h = game.cards[game.hoveredCard];
            PlaceCard(game, game.hoveredCard, NormalPlacement(h.col, h.row));
        }
        game.hoveredCard = card;
    }
    PlaceCard(game, card, MagnifiedPlacement(c.col, c.row));
    Cards().RaiseCard(game.hoveredCard);
}

// A card the keys can go to: lying on the table, dealt out, face down.
bool KeyTarget(const GameState& game, int card) {
    return card != 0 && game.cards[card].shown && !game.cards[card].faceUp;
}

// The card the player sees focused: the magnified one, still on the table.
// A card left magnified by an earlier game was laid back in its cell by the
// deal, so it is not focused any more.
bool ShownFocused(const GameState& game, int card) {
    if (card == 0 || !game.cards[card].shown) return false;
    const BoardCard& c = game.cards[card];
    return game.CardAt({c.col, c.row}) == card &&
           game.cards[card].place == MagnifiedPlacement(c.col, c.row);
}
}  // namespace

void CardMouseDown(GameState& game, int card) {
    if (!HumanOnTurn(game)) return;
    if (game.cards[card].faceUp || game.phase != GamePhase::Running) return;
    // Two cards are already up and wait for the loop to resolve them: a third
    // click in that short gap must not become a further pick.
    if (game.pickState == PickTwoUp) return;
    Cards().SetCardEnabled(card, false);
    FlipCard(game, card);
    if (game.firstPick != 0) {
        game.secondPick = card;
        game.pickState = PickTwoUp;
    } else {
        game.firstPick = card;
        game.pickState = PickOneUp;
    }
    Cards().SetCardEnabled(card, true);
}

void CardMouseMove(GameState& game, int card) {
    if (game.phase != GamePhase::Running || !HumanOnTurn(game)) return;
    Magnify(game, card);
    // The mouse has taken over: the keyboard's frame goes.
    Cards().SetFocusFrame(0);
}

void WindowMouseMove(GameState& game) {
    if (game.hoveredCard == 0) return;
    const BoardCard& h = game.cards[game.hoveredCard];
    PlaceCard(game, game.hoveredCard, NormalPlacement(h.col, h.row));
    game.hoveredCard = 0;
    Cards().SetFocusFrame(0);
}

int NextCardInDirection(const GameState& game, Cell from, int dx, int dy) {
    int best = 0;
    std::tuple<int, int, int> bestScore{};
    for (int row = 0; row < kRows; ++row) {
        for (int col = 0; col < kColumns; ++col) {
            const int card = game.CardAt({col, row});
            if (!KeyTarget(game, card)) continue;
            std::tuple<int, int, int> score;
            if (dx != 0) {
                // Reading order: how far along it, in the direction of the key.
                const int along = dx * ((row - from.row) * kColumns + (col - from.col));
                if (along <= 0) continue;
                score = {along, 0, 0};
            } else {
                // The nearest row in the direction; in it, the nearest column, the left one first.
                const int along = dy * (row - from.row);
                if (along <= 0) continue;
                score = {along, std::abs(col - from.col), col};
            }
            if (best == 0 || score < bestScore) best = card, bestScore = score;
        }
    }
    return best;
}

void CardKeyMove(GameState& game, int dx, int dy) {
    if (game.phase != GamePhase::Running || !HumanOnTurn(game)) return;
    const int focused = game.hoveredCard;
    // The keys' card as the player left it: magnified, or still framed though a
    // computer has turned it and laid it back in its cell meanwhile.
    const bool onIt =
        ShownFocused(game, focused) ||
        (focused != 0 && Cards().FramedCard() == focused && game.cards[focused].shown);
    int next = 0;
    // A focused card that has just been taken off the table still marks where the focus was.
    if (onIt || (focused != 0 && !game.cards[focused].shown)) {
        const BoardCard& f = game.cards[focused];
        next = NextCardInDirection(game, {f.col, f.row}, dx, dy);
        // At the edge the focus stays where it is, and shows itself.
        if (next == 0 && onIt) next = focused;
    } else {
        next = NextCardInDirection(game, {0, 0}, 1, 0);
        if (KeyTarget(game, game.CardAt({0, 0}))) next = game.CardAt({0, 0});
    }
    if (next == 0) return;
    Magnify(game, next);
    Cards().SetFocusFrame(next);
}

void CardKeyTurn(GameState& game) {
    // The same way as a click on the card, with the same refusals.
    if (ShownFocused(game, game.hoveredCard)) CardMouseDown(game, game.hoveredCard);
}

void SecondTick(GameState& game) {
    if (game.soloMode) {
        ++game.elapsedSeconds;
        GameWindow().SetTimeText(FullWidthDigits(std::to_string(game.elapsedSeconds)) + " 秒");
    } else if (!Seats().StillSpeaking()) {
        // The seconds the game waits for a player's screen reader are no
        // seconds of play: the computers' memories keep meanwhile.
        Computers().AgeMemories();
    }
}
