// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One game: set-up, the passes in which every seat takes a small step, the
// pacing between passes, and the clean-up. The loop runs on the window
// thread; clicks, menu commands and timers run while it lets events through.
#include "engine/GameLoop.h"

#include <algorithm>
#include <string>

#include "engine/ComputerPlayers.h"
#include "engine/Deal.h"
#include "engine/Host.h"
#include "engine/Reveal.h"
#include "engine/TextMarks.h"
#include "engine/Views.h"

namespace {
int64_t passCount = 0;
// A quiet stretch this long is as good as for ever: the loop looks again when
// it is over (after some 17 minutes).
constexpr int kLongestQuietStretch = 100'000;

// How many of the coming passes would change nothing but counts: a human on
// turn waits for the mouse, a computer counts down its pause or its hand's
// pace, a balloon its life. 0 when the next pass has something to do, or when
// the game is no longer running and the loop must come round to see it.
int QuietPassesAhead(const GameState& game) {
    if (game.phase != GamePhase::Running) return 0;
    int quiet = kLongestQuietStretch;
    for (int s = 0; s < kSeats && quiet > 0; ++s) {
        const PlayerSlot& seat = game.seats[s];
        if (!seat.active) continue;
        if (seat.kind == CharacterKind::You) {
            if (s == game.currentSeat && game.pickState == PickTwoUp) return 0;
        } else if (seat.IsComputer()) {
            quiet = std::min(quiet, Computers().QuietPasses(s, s == game.currentSeat));
        }
    }
    return quiet;
}

// Quiet passes gone by: every seat's counts stand as if it had stepped them.
void PassQuietly(const GameState& game, int passes) {
    if (passes <= 0) return;
    for (int s = 0; s < kSeats; ++s) {
        const PlayerSlot& seat = game.seats[s];
        if (seat.active && seat.IsComputer())
            Computers().PassQuietly(s, s == game.currentSeat, passes);
    }
    passCount += passes;
}

// Lets events run until the next pass is due, at least 10 ms after the
// previous one (t0). A pass that would only count is not woken for: the wait
// runs on to the first pass with something to do, and an event that comes
// first finds the quiet passes before it already counted, so the game stands
// exactly as if the loop had made every pass. A game waiting for a click
// sleeps until the click, or until the clock's next second.
void Pace(GameState& game, uint32_t& t0) {
    Host& host = CurrentHost();
    uint32_t t = host.TickCount();
    host.LetEventsRun();
    for (;;) {
        while (static_cast<int32_t>(t - t0) < 10) {
            const int quiet = QuietPassesAhead(game);
            // With something to do next, or the next pass already due (an event
            // ran long), the wait is for that pass alone.
            if (quiet == 0 || static_cast<int32_t>(host.TickCount() - t0) >= 10) {
                host.WaitForEvents(t0 + 10);
            } else {
                // The quiet passes fall at t0 + 10, t0 + 20 ...; those before
                // the moment of waking have gone by.
                host.WaitForEvents(t0 + 10 * static_cast<uint32_t>(quiet + 1), [&](uint32_t woke) {
                    const int32_t since = static_cast<int32_t>(woke - t0);
                    const int passed = since > 0 ? std::min(quiet, (since - 1) / 10) : 0;
                    PassQuietly(game, passed);
                    t0 += 10 * static_cast<uint32_t>(passed);
                });
            }
            t = host.TickCount();
        }
        // The next pass falls at t. One that would only count is made at once,
        // and the pacing goes on from it.
        if (QuietPassesAhead(game) == 0) break;
        PassQuietly(game, 1);
        t0 = t;
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
        Pace(game, t0);
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
