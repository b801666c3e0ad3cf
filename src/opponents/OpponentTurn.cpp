// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A computer opponent's turn, one small step per pass of the game loop, so the
// window stays responsive and the player can watch it think: a pause, a
// greeting, the choice of a card from memory or at random, the hand marker
// walking there cell by cell, the card turned up, the same for the second
// card, and then either another attempt after a pair or the end of the turn.
// About 100 passes make a second.
#include "opponents/OpponentTurn.h"

#include <algorithm>
#include <cmath>

#include "engine/Host.h"
#include "engine/Random.h"
#include "engine/Reveal.h"
#include "engine/Views.h"
#include "opponents/Characters.h"
#include "opponents/Memory.h"
#include "opponents/OpponentSeat.h"
#include "opponents/Speech.h"

namespace {
constexpr int kRandomStepLimit = 20;  // the hand's pace towards a guessed card
constexpr int kGreetingPause = 100;   // counted on from the opening wait
constexpr int kPairPause = 150;       // only the first pair of a turn is followed by a pause

int Sign(int x) { return (x > 0) - (x < 0); }

bool OnTable(const GameState& game, Cell cell) { return game.CardAt(cell) != 0; }

// A cell drawn at random: column first, then row; drawn again until it holds a
// card that is not at `except`.
Cell DrawCellWithCard(const GameState& game, Cell except) {
    // The loop can only end when such a cell exists; a turn always has one, and
    // with none the opponent gives up instead of hanging the game.
    bool any = false;
    for (int c = 0; c < kColumns && !any; ++c)
        for (int r = 0; r < kRows && !any; ++r)
            any = game.board[c][r] != 0 && !(Cell{c, r} == except);
    if (!any) return {};
    for (;;) {
        const int c = static_cast<int>(std::floor(Rnd() * kColumns));
        const int r = static_cast<int>(std::floor(Rnd() * kRows));
        if (Cell{c, r} == except) continue;
        if (game.board[c][r] != 0) return {c, r};
    }
}

void SetTarget(OpponentSeat& s, Cell cell) {
    s.targetCol = cell.col;
    s.targetRow = cell.row;
}

// The turn ends as after a failed attempt: a pause of the length that is left,
// then the turn-over line.
void EndAttempt(OpponentSeat& s) {
    s.aiState = AiState::AiPause;
    s.aiNextState = AiState::AiEndTurn;
    s.partnerCard = 0;
    s.targetCol = 0;
    s.targetRow = 0;
}

// Nothing left to aim at (the table holds no card where one was expected):
// the opponent turns its first card back and passes instead of wandering off.
// Lets events run: while the first card turns back (FlipCard).
void GiveUpAttempt(GameState& game, OpponentSeat& s) {
    if (game.firstPick != 0) {
        const int first = game.firstPick;
        FlipCard(game, first);
        PlaceCard(game, first, NormalPlacement(game.cards[first].col, game.cards[first].row));
        game.firstPick = 0;
    }
    EndAttempt(s);
}

void ShowHand(const GameState& game) {
    MoveHandMarker(game);
    Markers().SetHandVisible(true);
}

// Lets events run: when there is nothing to aim at (GiveUpAttempt).
void ChooseFirst(GameState& game, OpponentSeats& seats, int seat) {
    OpponentSeat& s = seats[seat];
    s.aiState = AiState::AiMoveHand;
    s.stepLimit = kRandomStepLimit;
    s.stepCount = 0;
    const KnownPair known = FindKnownPair(game, seats, seat);
    if (known.found) {
        SetTarget(s, known.a);
        s.partnerCard = game.CardAt(known.b);
        Say(game, seats, seat, SpeechEvent::KnownPairFirst);
        s.stepLimit = QuickStepLimit(game.seats[seat].kind);
        s.stepCount = 0;
    } else {
        SetTarget(s, PickRandomCell(game));
        s.partnerCard = 0;
    }
    if (!OnTable(game, {s.targetCol, s.targetRow})) return GiveUpAttempt(game, s);
    ShowHand(game);
}

// Lets events run: when there is nothing to aim at (GiveUpAttempt).
void ChooseSecond(GameState& game, OpponentSeats& seats, int seat) {
    OpponentSeat& s = seats[seat];
    s.aiState = AiState::AiMoveHand;
    s.stepLimit = kRandomStepLimit;
    s.stepCount = 0;
    if (s.partnerCard != 0) {
        // The planned partner; the hand still stands on the first card.
        SetTarget(s, FindCardCell(game, s.partnerCard));
        Say(game, seats, seat, SpeechEvent::KnownPairSecond);
        s.stepLimit = QuickStepLimit(game.seats[seat].kind);
        s.stepCount = 0;
        if (!OnTable(game, {s.targetCol, s.targetRow})) GiveUpAttempt(game, s);
        return;
    }
    const int remembered = FindRememberedPartner(game, seats, seat, game.firstPick);
    if (remembered != 0) {
        SetTarget(s, FindCardCell(game, remembered));
        Say(game, seats, seat, SpeechEvent::PartnerRemembered);
        s.stepLimit = QuickStepLimit(game.seats[seat].kind);
        s.stepCount = 0;
    } else {
        SetTarget(s, PickRandomCellExcept(game, game.firstPick));
        Say(game, seats, seat, SpeechEvent::Guessing);
    }
    if (!OnTable(game, {s.targetCol, s.targetRow})) return GiveUpAttempt(game, s);
    ShowHand(game);
}

void MoveHandStep(GameState& game, OpponentSeat& s) {
    if (s.stepCount <= s.stepLimit) {
        ++s.stepCount;
        return;
    }
    s.stepCount = 0;
    // One cell per step, diagonally while both the column and the row differ.
    game.handCol += Sign(s.targetCol - game.handCol);
    game.handRow += Sign(s.targetRow - game.handRow);
    PlaySound("movesw.wav", 1);
    MoveHandMarker(game);
    if (game.handCol == s.targetCol && game.handRow == s.targetRow) s.aiState = AiState::AiOpenCard;
}

// Turns up the card under the hand; the second one is resolved at once.
// Returns GameOver when that took the last pair.
// Lets events run: while the card turns (FlipCard), the attempt is shown and
// resolved (ResolvePicks), or the attempt is given up (GiveUpAttempt).
StepResult OpenCard(GameState& game, OpponentSeats& seats, int seat) {
    OpponentSeat& s = seats[seat];
    const int card = game.CardAt({game.handCol, game.handRow});
    if (card == 0 || card == game.firstPick) {
        GiveUpAttempt(game, s);
        return StepResult::Continue;
    }
    FlipCard(game, card);
    const BoardCard& at = game.cards[card];
    PlaceCard(game, card, MagnifiedPlacement(at.col, at.row));

    if (game.firstPick == 0) {
        Say(game, seats, seat, SpeechEvent::FirstOpened);
        game.firstPick = card;
        s.aiState = AiState::AiChooseSecond;
        return StepResult::Continue;
    }

    // A pair planned from memory needs no comment when its second card shows.
    if (s.partnerCard == 0) Say(game, seats, seat, SpeechEvent::SecondOpened);
    const int first = game.firstPick;
    game.secondPick = card;
    const StepResult r = ResolvePicks(game, seat);
    for (int c : {first, card})
        PlaceCard(game, c, NormalPlacement(game.cards[c].col, game.cards[c].row));

    if (r == StepResult::PairTaken) {
        s.aiState = AiState::AiPause;
        s.waitLimit = kPairPause;
        s.aiNextState = AiState::AiChooseFirst;
        Say(game, seats, seat, SpeechEvent::GotPair);
        return StepResult::Continue;
    }
    if (r == StepResult::GameOver) return StepResult::GameOver;
    EndAttempt(s);
    return StepResult::Continue;
}
}  // namespace

int HandStartRow(int seat) {
    static constexpr int rows[kSeats] = {0, 2, 3, 5};
    return rows[seat];
}

int QuickStepLimit(CharacterKind kind) { return CharacterOf(kind).quickStepLimit; }

Cell PickRandomCell(const GameState& game) { return DrawCellWithCard(game, Cell{}); }

Cell PickRandomCellExcept(const GameState& game, int card) {
    return DrawCellWithCard(game, FindCardCell(game, card));
}

void MoveHandMarker(const GameState& game) {
    const Rect hand = HandPlacement(game.handCol, game.handRow);
    Markers().MoveHand(hand.left, hand.top);
}

StepResult OpponentTurnStep(GameState& game, OpponentSeats& seats, int seat) {
    OpponentSeat& s = seats[seat];
    StepResult result = StepResult::Continue;

    // The opening wait; its balloon does not age until the greeting.
    if (s.turnJustStarted) {
        ++s.waitCount;
        if (s.waitCount < s.waitLimit) return StepResult::Continue;
        Greet(game, seats, seat);
        s.turnJustStarted = false;
        s.aiState = AiState::AiPause;
        s.waitLimit = kGreetingPause;
        s.aiNextState = AiState::AiChooseFirst;
        game.handCol = 0;
        game.handRow = HandStartRow(seat);
    }

    switch (s.aiState) {
        case AiState::AiMoveHand:
            MoveHandStep(game, s);
            break;
        case AiState::AiChooseFirst:
            ChooseFirst(game, seats, seat);
            break;
        case AiState::AiChooseSecond:
            ChooseSecond(game, seats, seat);
            break;
        case AiState::AiPause:
            ++s.waitCount;
            if (s.waitCount > s.waitLimit) s.aiState = s.aiNextState;
            break;
        case AiState::AiOpenCard:
            if (OpenCard(game, seats, seat) == StepResult::GameOver) return StepResult::GameOver;
            break;
        case AiState::AiEndTurn:
            Say(game, seats, seat, SpeechEvent::TurnOver);
            // The next turn's opening wait: 25..75 passes.
            s.waitLimit = RoundHalfEven(Rnd() * 50 + 25);
            s.aiState = AiState::AiIdle;
            result = StepResult::NextSeat;
            break;
        case AiState::AiIdle:
            break;
    }
    TickBalloon(seats, seat);
    return result;
}

StepResult OpponentIdleStep(OpponentSeats& seats, int seat) {
    TickBalloon(seats, seat);
    return StepResult::Continue;
}

// The turn's quiet passes, read off the same counts the step above counts with.
int OpponentQuietPasses(const OpponentSeats& seats, int seat, bool onTurn) {
    const OpponentSeat& s = seats[seat];
    if (!onTurn) return BalloonQuietPasses(s);
    // The opening wait counts alone; its last pass greets.
    if (s.turnJustStarted) return std::max(0, s.waitLimit - 1 - s.waitCount);
    int quiet = 0;
    switch (s.aiState) {
        case AiState::AiMoveHand:
            // Each pass counts the step up until it exceeds the limit; that pass moves the hand.
            quiet = std::max(0, s.stepLimit - s.stepCount + 1);
            break;
        case AiState::AiPause:
            // The pass that takes the count past the limit moves on to the next state.
            quiet = std::max(0, s.waitLimit - s.waitCount);
            break;
        case AiState::AiIdle:
            quiet = kQuietForever;
            break;
        default:
            return 0;  // choosing, turning a card, ending the turn
    }
    return std::min(quiet, BalloonQuietPasses(s));
}

void OpponentPassQuietly(OpponentSeats& seats, int seat, bool onTurn, int passes) {
    OpponentSeat& s = seats[seat];
    if (onTurn && s.turnJustStarted) {
        s.waitCount += passes;  // the balloon does not age in the opening wait
        return;
    }
    if (onTurn && s.aiState == AiState::AiMoveHand) s.stepCount += passes;
    if (onTurn && s.aiState == AiState::AiPause) s.waitCount += passes;
    AgeBalloon(s, passes);
}
