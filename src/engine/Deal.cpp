// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The deal: renumber the deck, gather the cards into a loose pile while the
// shuffle sounds, show the start banner, then lay the cards face down into the
// 9 x 6 grid in a random order.
#include "engine/Deal.h"

#include <vector>

#include "engine/Host.h"
#include "engine/Random.h"
#include "engine/Reveal.h"
#include "engine/Views.h"

int DealListPosition(double u, int m) { return RoundHalfEven(u * (2 * m - 1)) / 2; }

void ResetDeck(GameState& game) {
    for (int c = 1; c <= kCardCount; ++c) {
        int rank = c;
        if (c >= 14 && c <= 26)
            rank = c - 13;
        else if (c >= 27 && c <= 39)
            rank = c - 26;
        else if (c >= 40 && c <= 52)
            rank = c - 39;
        game.cards[c].rank = rank;
    }
    for (int c = 1; c <= kCardCount; ++c) {
        Cards().SetCardPicture(c, c - 1);
        ShowCardFace(game, c, true);
        Cards().SetCardEnabled(c, true);
    }
}

void ShowMessageSprite(int n) { Markers().LoadBanner(n); }

void Deal(GameState& game) {
    GameWindow().SetWindowEnabled(false);
    RandomizeFromClock();

    for (int c = 1; c <= kCardCount; ++c) {
        ShowCard(game, c, false);
        ShowCardFace(game, c, false);
        CurrentHost().LetEventsRun();
    }

    ShowMessageSprite(1);
    Markers().RaiseBanner();
    const int w = Markers().BannerSize().width;
    const int outerWidth = Markers().WindowOuterWidth();
    Markers().MoveBanner(RoundHalfEven(outerWidth - kTableLeft - w) / 2 + kTableLeft, 50);
    Markers().SetBannerVisible(true);

    // The first half of the deck drops onto a loose pile, each card with its riffle.
    for (int c = 1; c <= kCardCount; ++c) {
        if (c < 27) {
            const int dx = RoundHalfEven(Rnd() * 32 - 16);
            const int dy = RoundHalfEven(Rnd() * 32 - 16);
            PlaceCard(game, c, {kPileLeft + dx, kPileTop + dy, kCardWidth, kCardHeight});
            Cards().RaiseCard(c);
            PlaySound("shuffle.wav", 0);
        }
        ShowCard(game, c, true);
        WaitWithEvents(5);
    }
    Markers().SetBannerVisible(false);

    // Shuffle into the grid: each cell takes a card from the ordered list of
    // those left; the first and last positions weigh 1.5 against 2 for the others.
    std::vector<int> left;
    for (int c = 1; c <= kCardCount; ++c) left.push_back(c);
    for (int r = 0; r < kRows; ++r) {
        for (int k = 0; k < kColumns; ++k) {
            const int i = DealListPosition(Rnd(), static_cast<int>(left.size()));
            const int card = left[i];
            left.erase(left.begin() + i);
            game.board[k][r] = card;
            game.cards[card].col = k;
            game.cards[card].row = r;
        }
    }
    for (int c = 1; c <= kCardCount; ++c)
        PlaceCard(game, c, NormalPlacement(game.cards[c].col, game.cards[c].row));
    GameWindow().SetWindowEnabled(true);
}

void RedrawFaceDownCards(GameState& game) {
    for (int c = 1; c <= kCardCount; ++c)
        if (!game.cards[c].faceUp) Cards().DrawCard(c);
    Cards().DrawGotCards();
}
