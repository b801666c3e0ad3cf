// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// matchrun [--games N] [--seed S] KIND KIND [KIND [KIND]]
//
// Plays N complete games between computer opponents (kinds swallow, wolf,
// tiger; seats in the order given, the others empty) with the real engine on
// the virtual clock, and prints for every seat the mean cards taken, its share
// of the wins (ties split) and the mean attempts per game. The seats keep
// their state from game to game, as they do when a player starts game after
// game. The same seed plays the same games.
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "engine/GameLoop.h"
#include "engine/HeadlessTable.h"
#include "engine/Random.h"
#include "opponents/Characters.h"
#include "opponents/Opponents.h"

namespace {

// Counts attempts by seat: the second card of an attempt is the one turned
// face up while a first pick lies on the table.
class CountingTable : public HeadlessTable {
public:
    using HeadlessTable::HeadlessTable;
    std::array<long, kSeats> attempts{};

    void SetCardFace(int card, bool face) override {
        const GameState& game = Game();
        const bool playing = game.phase == GamePhase::Running || game.phase == GamePhase::Resolving;
        if (face && playing && game.firstPick != 0 && game.firstPick != card &&
            game.currentSeat >= 0 && game.currentSeat < kSeats)
            ++attempts[game.currentSeat];
        HeadlessTable::SetCardFace(card, face);
    }
    // Nothing below is needed to play, and over thousands of games it would pile up.
    void MoveCard(int card, const Rect& rect) override { cards[card].rect = rect; }
    void ShowBalloon(int seat, const std::string& text) override {
        balloonShown[seat] = true;
        balloon[seat] = text;
    }
    void MoveHand(int left, int top) override { handLeft = left, handTop = top; }
};

int Usage() {
    std::string kinds;
    for (const Character& c : Characters())
        if (c.computer) kinds += (kinds.empty() ? "" : ", ") + std::string(c.name);
    std::fprintf(stderr,
                 "usage: matchrun [--games N] [--seed S] KIND KIND [KIND [KIND]]\n"
                 "       KIND is one of the computer characters: %s (in any case)\n",
                 kinds.c_str());
    return 2;
}

// A computer character by its name, in any case.
bool ParseKind(std::string_view text, CharacterKind& kind) {
    auto lower = [](std::string_view word) {
        std::string out(word);
        std::transform(out.begin(), out.end(), out.begin(),
                       [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
        return out;
    };
    for (const Character& c : Characters()) {
        if (c.computer && lower(c.name) == lower(text)) {
            kind = c.kind;
            return true;
        }
    }
    return false;
}

bool ParseNumber(const char* text, unsigned long long& value) {
    char* end = nullptr;
    if (!text || !*text || *text == '-') return false;
    value = std::strtoull(text, &end, 10);
    return *end == '\0';
}
}  // namespace

int main(int argc, char** argv) {
    unsigned long long games = 100;
    unsigned long long seed = static_cast<unsigned long long>(
        std::chrono::system_clock::now().time_since_epoch().count());
    std::vector<CharacterKind> kinds;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--games") {
            if (!ParseNumber(i + 1 < argc ? argv[++i] : nullptr, games) || games == 0)
                return Usage();
        } else if (arg == "--seed") {
            if (!ParseNumber(i + 1 < argc ? argv[++i] : nullptr, seed)) return Usage();
        } else {
            CharacterKind kind;
            if (!ParseKind(arg, kind)) return Usage();
            kinds.push_back(kind);
        }
    }
    if (kinds.size() < 2 || kinds.size() > kSeats) return Usage();

    VirtualClockHost host;
    host.recordSounds = false;
    GameState game;
    CountingTable table{game, &host};
    Opponents opponents{game};
    AttachHost(&host);
    AttachViews(table.AsViews());
    AttachComputerPlayers(&opponents);
    PinRandomSeed(seed);
    game.soloMode = false;
    for (int s = 0; s < kSeats; ++s)
        SeatCharacter(game, s,
                      s < static_cast<int>(kinds.size()) ? kinds[s] : CharacterKind::Empty);

    std::array<double, kSeats> cards{}, wins{};
    long finished = 0, abandoned = 0;
    table.onVersusResult = [&] {
        // The counts as the result window sees them, before the table is cleared.
        int best = 0;
        for (const PlayerSlot& s : game.seats) best = std::max(best, s.cardsTaken);
        int winners = 0;
        for (const PlayerSlot& s : game.seats) winners += s.active && s.cardsTaken == best;
        for (int s = 0; s < kSeats; ++s) {
            if (!game.seats[s].active) continue;
            cards[s] += game.seats[s].cardsTaken;
            if (game.seats[s].cardsTaken == best) wins[s] += 1.0 / winners;
        }
        ++finished;
    };

    const auto start = std::chrono::steady_clock::now();
    const uint32_t virtualStart = host.Now();
    for (unsigned long long g = 0; g < games; ++g) {
        // A game that has not ended after six virtual hours is stuck: give it up.
        const int guard = host.Every(6u * 3600 * 1000, [&game] { QuitCommand(game); });
        StartCommand(game);
        host.Cancel(guard);
        if (!table.messages.empty()) {
            ++abandoned;
            table.messages.clear();
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::printf("matchrun: %llu games, seed %llu\n", games, seed);
    std::printf("seat  character  cards   wins    attempts\n");
    const double n = static_cast<double>(std::max(finished, 1L));
    for (int s = 0; s < static_cast<int>(kinds.size()); ++s)
        std::printf("%-4d  %-9s  %5.2f  %5.1f%%  %8.2f\n", s, CharacterOf(kinds[s]).name,
                    cards[s] / n, 100.0 * wins[s] / n,
                    table.attempts[s] / static_cast<double>(games));
    std::printf("mean game length: %.1f s of play\n",
                (host.Now() - virtualStart) / 1000.0 / static_cast<double>(std::max(games, 1ULL)));
    std::printf("games per second: %.1f\n", seconds > 0 ? games / seconds : 0.0);
    if (abandoned) {
        std::fprintf(stderr, "matchrun: %ld games did not finish\n", abandoned);
        return 1;
    }
    return 0;
}
