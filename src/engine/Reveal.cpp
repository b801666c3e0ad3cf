// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Turning a card over, and resolving an attempt: show both cards for a while,
// then take the pair into the seat's panel or turn both back.
#include "engine/Reveal.h"

#include <string>

#include "engine/ComputerPlayers.h"
#include "engine/Host.h"
#include "engine/Views.h"

namespace {
// Integer division truncating towards zero, as the slide steps want it.
int TruncDiv(int a, int b) { return a / b; }

// Both cards of an attempt lie face up for the display time, and, for a
// player who listens, until the screen reader has said them.
// Lets events run: in the waits.
void ShowBothCards(const GameState& game) {
    WaitWithEvents(game.showSeconds * 1000);
    while (Seats().StillSpeaking()) WaitWithEvents(10);
}
}  // namespace

void ShowCardFace(GameState& game, int card, bool face) {
    game.cards[card].faceUp = face;
    Cards().SetCardFace(card, face);
    CurrentHost().LetEventsRun();
}

void ShowCard(GameState& game, int card, bool shown) {
    game.cards[card].shown = shown;
    Cards().SetCardVisible(card, shown);
}

void PlaceCard(GameState& game, int card, const Rect& rect) {
    game.cards[card].place = rect;
    Cards().MoveCard(card, rect);
}

void FlipCard(GameState& game, int card) {
    GameWindow().SetWindowEnabled(false);
    PlaySound("open.wav", 1);
    const Rect r = game.cards[card].place;
    const int left = r.left, width = r.width;
    // Shrink to a sliver, turn, grow back: 8 + 8 frames at width 48, 12 + 12 at 71.
    for (int o = 0; o <= width / 2 - 1; o += 3) {
        PlaceCard(game, card, {left + o, r.top, width - 2 * o, r.height});
        WaitWithEvents(10);
    }
    ShowCardFace(game, card, !game.cards[card].faceUp);
    for (int o = width / 2 - 1; o >= 0; o -= 3) {
        PlaceCard(game, card, {left + o, r.top, width - 2 * o, r.height});
        WaitWithEvents(10);
    }
    PlaceCard(game, card, {left, r.top, width, r.height});
    Cards().RaiseCard(card);
    GameWindow().SetWindowEnabled(true);
}

StepResult ResolvePicks(GameState& game, int seat) {
    const int first = game.firstPick, second = game.secondPick;

    if (!CardsArePair(game, first, second)) {
        // The computer seats may memorise both cards while they still lie face up.
        Computers().SeeFailedAttempt(first, second, game.currentSeat);
        ShowBothCards(game);
        FlipCard(game, first);
        FlipCard(game, second);
        game.firstPick = 0;
        game.secondPick = 0;
        return StepResult::NextSeat;
    }

    ShowBothCards(game);
    Cards().SetCardEnabled(first, false);
    Cards().SetCardEnabled(second, false);
    // Slide both cards into the seat's panel in 10 frames.
    const Rect target = SeatCharacterRect(seat);
    const int picks[2] = {first, second};
    int dx[2], dy[2];
    for (int i = 0; i < 2; ++i) {
        const Rect r = game.cards[picks[i]].place;
        dx[i] = TruncDiv(r.left - target.left, 10);
        dy[i] = TruncDiv(r.top - target.top, 10);
    }
    for (int frame = 0; frame < 10; ++frame) {
        for (int i = 0; i < 2; ++i) {
            const Rect r = game.cards[picks[i]].place;
            PlaceCard(game, picks[i], {r.left - dx[i], r.top - dy[i], kCardWidth, kCardHeight});
        }
        WaitWithEvents(10);
    }
    ShowCard(game, first, false);
    ShowCard(game, second, false);
    PlaySound("bonus.wav", 1);

    PlayerSlot& taker = game.seats[seat];
    taker.cardsTaken += 2;
    Seats().SetSeatCardCount(seat, std::to_string(taker.cardsTaken));
    game.cardsTakenTotal += 2;
    if (game.cardsTakenTotal == kCardCount) return StepResult::GameOver;

    Computers().SeeTakenPair(first, second);
    const Cell a = FindCardCell(game, first), b = FindCardCell(game, second);
    game.board[a.col][a.row] = 0;
    game.board[b.col][b.row] = 0;
    game.firstPick = 0;
    game.secondPick = 0;
    return StepResult::PairTaken;
}
