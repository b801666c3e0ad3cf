// A scripted human with a perfect memory: it clicks, at a human pace, the
// cards it knows make a pair, and otherwise a card it has not seen yet.
#pragma once

#include <functional>
#include <map>
#include <set>

#include "engine/Engine.h"
#include "engine/Headless.h"

class ClickPlayer {
public:
    ClickPlayer(VirtualClockHost& host, HeadlessTable& table, uint32_t pauseMs = 300)
        : host_(host), table_(table), pauseMs_(pauseMs) {
        host_.OnEveryPass([this] { Act(); });
    }
    int clicks = 0;
    // Runs first on every event pass: a test watching the table while the player plays.
    std::function<void()> watch;

private:
    bool OnBoard(int card) const { return FindCardCell(card).col != kNoCell; }

    int Choose() const {
        // Cards seen face up earlier and still lying on the table, by rank.
        std::map<int, std::vector<int>> known;
        for (int c : seen_)
            if (OnBoard(c) && !table_.cards[c].face)
                known[c >= 53 ? 53 : game.cards[c].rank].push_back(c);
        if (game.firstPick != 0) {
            const int f = game.firstPick;
            for (int c : known[f >= 53 ? 53 : game.cards[f].rank])
                if (c != f) return c;
        } else {
            for (auto& [rank, cards] : known)
                if (cards.size() >= 2) return cards[0];
        }
        for (int c = 1; c <= kCardCount; ++c)
            if (OnBoard(c) && !table_.cards[c].face && !seen_.count(c)) return c;
        for (int c = 1; c <= kCardCount; ++c)
            if (OnBoard(c) && !table_.cards[c].face) return c;
        return 0;
    }

    void Act() {
        if (watch) watch();
        for (int c = 1; c <= kCardCount; ++c)
            if (table_.cards[c].face && table_.cards[c].visible) seen_.insert(c);
        if (busy_ || game.phase != GamePhase::Running || !table_.windowEnabled) return;
        if (game.currentSeat > 3 || game.seats[game.currentSeat].kind != CharacterKind::You) return;
        if (game.pickState == PickTwoUp || host_.Now() < next_) return;
        const int card = Choose();
        if (!card) return;
        busy_ = true;
        ++clicks;
        CardMouseDown(card);
        seen_.insert(card);
        busy_ = false;
        next_ = host_.Now() + pauseMs_;
    }

    VirtualClockHost& host_;
    HeadlessTable& table_;
    uint32_t pauseMs_;
    uint32_t next_ = 0;
    bool busy_ = false;
    std::set<int> seen_;
};
