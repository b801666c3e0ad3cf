// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One game: set-up, the passes in which every seat takes a small step, the
// pacing between passes, and the clean-up. The loop runs on the window
// thread; clicks, menu commands and timers run while it lets events through.
#include "engine/GameLoop.h"

#include <string>

#include "engine/ComputerPlayers.h"
#include "engine/Deal.h"
#include "engine/Host.h"
#include "engine/Reveal.h"
#include "engine/TextMarks.h"
#include "engine/Views.h"

namespace {
int64_t passCount = 0;

// Lets events run until at least 10 ms have passed since the previous pass.
void Pace(uint32_t& t0) {
    Host& host = CurrentHost();
    uint32_t t = host.TickCount();
    host.LetEventsRun();
    while (static_cast<int32_t>(t - t0) < 10) {
        host.WaitForEvents(t0 + 10);
        t = host.TickCount();
    }
    host.LetEventsRun();
    t0 = t;
}

bool AnySeatActive(const GameState& game) {
    for (const PlayerSlot& s : game.seats)
        if (s.active) return true;
    return false;
}

// One small step of a seat in this pass.
// Lets events run: when a human's attempt is resolved (ResolvePicks) and in a
// computer's step (ComputerPlayers::TurnStep).
StepResult SeatStep(GameState& game, int s) {
    PlayerSlot& seat = game.seats[s];
    if (seat.kind == CharacterKind::You) {
        if (s == game.currentSeat && game.pickState == PickTwoUp) {
            // Clicks rest while the two cards are shown. The player may quit or
            // close the window in that second: that choice outlives the attempt.
            if (game.phase == GamePhase::Running) game.phase = GamePhase::Resolving;
            const StepResult g = ResolvePicks(game, s);
            if (game.phase == GamePhase::Resolving) game.phase = GamePhase::Running;
            game.pickState = PickNone;
            ++game.turnCount;
            GameWindow().SetCountText(FullWidthDigits(std::to_string(game.turnCount)) + " 手");
            return g;
        }
        return StepResult::Continue;
    }
    if (seat.IsComputer()) {
        if (s != game.currentSeat) return Computers().IdleStep(s);
        // A player who listens hears every card the computer turns before it
        // goes on: its turn rests while the screen reader is still speaking.
        if (Seats().StillSpeaking()) return StepResult::Continue;
        return Computers().TurnStep(s);
    }
    return StepResult::Continue;
}
}  // namespace

std::string FullWidthDigits(const std::string& ascii) {
    std::string out;
    for (char ch : ascii) {
        if (ch >= '0' && ch <= '9') {
            // U+FF10.. in UTF-8: EF BC 90..99
            out += "\xEF\xBC";
            out += static_cast<char>(0x90 + (ch - '0'));
        } else if (ch == '-') {
            out += "\xEF\xBC\x8D";
        } else {
            out += ch;
        }
    }
    return out;
}

int64_t LoopPassCount() { return passCount; }

void StartCommand(GameState& game) {
    game.phase = GamePhase::Running;
    GameWindow().SetQuitEnabled(true);
    GameWindow().SetStartEnabled(false);
    RunGame(game);
}

void QuitCommand(GameState& game) {
    // Only a game under way can be quit; a game already over keeps its result,
    // and a program that is closing stays closing.
    if (game.phase == GamePhase::Running || game.phase == GamePhase::Resolving)
        game.phase = GamePhase::QuitRequested;
}

void SeatCharacter(GameState& game, int seat, CharacterKind kind) {
    PlayerSlot& player = game.seats[seat];
    player.active = kind != CharacterKind::Empty;
    player.kind = kind;
    Computers().SeatTaken(seat, kind);
}

void SetCardBack(GameState& game, int back) {
    game.cardBack = back;
    RedrawFaceDownCards(game);
}

void SetUpSeatPanels(GameState& game) {
    for (int s = 0; s < kSeats; ++s) {
        PlayerSlot& seat = game.seats[s];
        if (!seat.active) continue;
        seat.cardsTaken = 0;
        Seats().ShowSeatPanel(s, seat.kind);
        Seats().SetSeatCardCount(s, "0");
        Seats().SetSeatOnTurn(s, false);
    }
}

void HighlightSeat(int seat) {
    for (int s = 0; s < kSeats; ++s) Seats().SetSeatOnTurn(s, false);
    Seats().SetSeatOnTurn(seat, true);
}

void AdvanceTurn(GameState& game) {
    Computers().TurnLeaves(game.currentSeat % kSeats);
    // With no seat active the turn would never land anywhere; the game can then
    // only be quit, and the turn stays where it is.
    if (!AnySeatActive(game)) return;
    do {
        game.currentSeat = (game.currentSeat + 1) % kSeats;
    } while (!game.seats[game.currentSeat].active);
    game.firstPick = 0;
    game.secondPick = 0;
    game.pickState = PickNone;
    HighlightSeat(game.currentSeat);
    Computers().TurnComes(game.currentSeat);
}

void ShowVersusResult() { GameWindow().ShowVersusResult(); }

void RunGame(GameState& game) {
    Host& host = CurrentHost();

    // Set-up.
    Markers().SetBannerVisible(false);
    ResetDeck(game);
    SetUpSeatPanels(game);
    Deal(game);
    game.currentSeat = 0;
    HighlightSeat(0);
    GameWindow().SetSoloLabelsVisible(game.soloMode);
    game.elapsedSeconds = 0;
    game.turnCount = 0;
    GameWindow().StartSecondTimer();
    GameWindow().SetTimeText("");
    GameWindow().SetCountText("");
    game.showSeconds = 1;
    PlayerSlot& first = game.seats[0];
    if (!first.active && AnySeatActive(game)) {
        AdvanceTurn(game);
    } else if (first.active && first.IsComputer()) {
        Computers().OpensGame(0);
    }
    uint32_t t0 = host.TickCount();

    // Passes: every active seat takes one step, in seat order.
    while (game.phase == GamePhase::Running) {
        for (int s = 0; s < kSeats; ++s) {
            if (!game.seats[s].active) continue;
            const StepResult g = SeatStep(game, s);
            if (GameAbandoned(game)) return;
            if (g == StepResult::NextSeat) {
                Markers().SetHandVisible(false);
                AdvanceTurn(game);
            } else if (g == StepResult::GameOver) {
                // The last pair is taken: the game is won, and a quit chosen while that
                // pair was shown does not throw the result away.
                game.phase = GamePhase::Finished;
            }
        }
        Pace(t0);
        ++passCount;
    }
    if (GameAbandoned(game)) return;

    // End.
    GameWindow().StopSecondTimer();
    if (game.phase == GamePhase::QuitRequested) {
        GameWindow().ShowMessage(QT_TRANSLATE_NOOP("Engine", "このゲームを終了します"));
    } else if (game.phase == GamePhase::Finished) {
        if (game.soloMode)
            GameWindow().HandOverSoloResult();
        else
            ShowVersusResult();
    }
    if (GameAbandoned(game)) return;
    GameWindow().SetStartEnabled(true);
    GameWindow().SetQuitEnabled(false);
    for (int c = 0; c <= kCardCount; ++c) ShowCard(game, c, false);
    ResetDeck(game);
    for (int s = 0; s < kSeats; ++s) {
        Seats().HideSeatPanel(s);
        game.seats[s].cardsTaken = 0;
    }
    Markers().SetHandVisible(false);
    GameWindow().SetSoloLabelsVisible(false);
    Computers().ClearMemories();
    game.firstPick = 0;
    game.secondPick = 0;
    game.cardsTakenTotal = 0;
    game.currentSeat = 4;
    game.turnCount = 0;
    game.elapsedSeconds = 0;
    game.phase = GamePhase::Idle;
}
