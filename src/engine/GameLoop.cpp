// One game: set-up, the passes in which every seat takes a small step, the
// pacing between passes, and the clean-up. The loop runs on the window
// thread; clicks, menu commands and timers run while it lets events through.
#include <string>

#include "engine/Engine.h"
#include "opponents/Opponents.h"

namespace {
int64_t passCount = 0;

// Lets events run until at least 10 ms have passed since the previous pass.
void Pace(uint32_t& t0) {
    Host& host = CurrentHost();
    uint32_t t = host.TickCount();
    host.ProcessEvents();
    while (static_cast<int32_t>(t - t0) < 10) {
        host.WaitForEvents(t0 + 10);
        t = host.TickCount();
    }
    host.ProcessEvents();
    t0 = t;
}

bool AnySeatActive() {
    for (const PlayerSlot& s : game.seats)
        if (s.active) return true;
    return false;
}

StepResult SeatStep(int s) {
    PlayerSlot& seat = game.seats[s];
    switch (seat.kind) {
        case CharacterKind::You:
            if (s == game.currentSeat && game.pickState == PickTwoUp) {
                // Clicks rest while the two cards are shown. The player may quit or
                // close the window in that second: that choice outlives the attempt.
                if (game.phase == GamePhase::Running) game.phase = GamePhase::Resolving;
                const StepResult g = ResolvePicks(s);
                if (game.phase == GamePhase::Resolving) game.phase = GamePhase::Running;
                game.pickState = PickNone;
                ++game.turnCount;
                View().SetCountText(FullWidthDigits(std::to_string(game.turnCount)) + " 手");
                return g;
            }
            return StepResult::Continue;
        case CharacterKind::Swallow:
        case CharacterKind::Wolf:
        case CharacterKind::Tiger:
            return s == game.currentSeat ? OpponentTurnStep(s) : OpponentIdleStep(s);
        case CharacterKind::Empty:
            break;
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

void StartCommand() {
    game.phase = GamePhase::Running;
    View().SetQuitEnabled(true);
    View().SetStartEnabled(false);
    RunGame();
}

void QuitCommand() {
    // Only a game under way can be quit; a game already over keeps its result,
    // and a program that is closing stays closing.
    if (game.phase == GamePhase::Running || game.phase == GamePhase::Resolving)
        game.phase = GamePhase::QuitRequested;
}

void SetUpSeatPanels() {
    TableView& view = View();
    for (int s = 0; s < kSeats; ++s) {
        PlayerSlot& seat = game.seats[s];
        if (!seat.active) continue;
        seat.cardsTaken = 0;
        view.ShowSeatPanel(s, seat.kind);
        view.SetSeatCardCount(s, "0");
        view.SetSeatOnTurn(s, false);
    }
}

void HighlightSeat(int seat) {
    for (int s = 0; s < kSeats; ++s) View().SetSeatOnTurn(s, false);
    View().SetSeatOnTurn(seat, true);
}

void AdvanceTurn() {
    game.seats[game.currentSeat % kSeats].turnJustStarted = false;
    // With no seat active the turn would never land anywhere; the game can then
    // only be quit, and the turn stays where it is.
    if (!AnySeatActive()) return;
    do {
        game.currentSeat = (game.currentSeat + 1) % kSeats;
    } while (!game.seats[game.currentSeat].active);
    game.firstPick = 0;
    game.secondPick = 0;
    game.pickState = PickNone;
    HighlightSeat(game.currentSeat);
    PlayerSlot& next = game.seats[game.currentSeat];
    next.turnJustStarted = true;
    next.waitCount = 0;
}

void ShowVersusResult() { View().ShowVersusResult(); }

void RunGame() {
    TableView& view = View();
    Host& host = CurrentHost();

    // Set-up.
    view.SetBannerVisible(false);
    ResetDeck();
    SetUpSeatPanels();
    Deal();
    game.currentSeat = 0;
    HighlightSeat(0);
    view.SetSoloLabelsVisible(game.soloMode);
    game.elapsedSeconds = 0;
    game.turnCount = 0;
    view.StartSecondTimer();
    view.SetTimeText("");
    view.SetCountText("");
    game.showSeconds = 1;
    PlayerSlot& first = game.seats[0];
    if (!first.active && AnySeatActive()) {
        AdvanceTurn();
    } else if (first.active && first.IsComputer()) {
        first.aiState = AiState::AiChooseFirst;
    }
    uint32_t t0 = host.TickCount();

    // Passes: every active seat takes one step, in seat order.
    while (game.phase == GamePhase::Running) {
        for (int s = 0; s < kSeats; ++s) {
            if (!game.seats[s].active) continue;
            const StepResult g = SeatStep(s);
            if (game.phase == GamePhase::Exiting) return;
            if (g == StepResult::NextSeat) {
                view.SetHandVisible(false);
                AdvanceTurn();
            } else if (g == StepResult::GameOver && game.phase != GamePhase::Exiting) {
                // The last pair is taken: the game is won, and a quit chosen while that
                // pair was shown does not throw the result away.
                game.phase = GamePhase::Finished;
            }
        }
        Pace(t0);
        ++passCount;
    }
    if (game.phase == GamePhase::Exiting) return;

    // End.
    view.StopSecondTimer();
    if (game.phase == GamePhase::QuitRequested) {
        view.ShowMessage("このゲームを終了します");
    } else if (game.phase == GamePhase::Finished) {
        if (game.soloMode)
            view.HandOverSoloResult();
        else
            ShowVersusResult();
    }
    if (game.phase == GamePhase::Exiting) return;
    view.SetStartEnabled(true);
    view.SetQuitEnabled(false);
    for (int c = 0; c <= kCardCount; ++c) view.SetCardVisible(c, false);
    ResetDeck();
    for (int s = 0; s < kSeats; ++s) {
        view.HideSeatPanel(s);
        game.seats[s].cardsTaken = 0;
        game.seats[s].partnerCard = 0;
    }
    view.SetHandVisible(false);
    view.SetSoloLabelsVisible(false);
    ClearMemories();
    game.firstPick = 0;
    game.secondPick = 0;
    game.cardsTakenTotal = 0;
    game.currentSeat = 4;
    game.turnCount = 0;
    game.elapsedSeconds = 0;
    game.phase = GamePhase::Idle;
}
