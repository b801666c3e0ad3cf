// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a scripted human with a perfect memory turns next: a card it knows
// makes a pair, and otherwise a card it has not seen yet.
#pragma once

#include <map>
#include <set>
#include <vector>

#include "engine/HeadlessTable.h"

class PerfectMemory {
public:
    explicit PerfectMemory(const HeadlessTable& table) : table_(table) {}

    // Looks at the table: every card lying face up is remembered.
    void Look() {
        for (int c = 1; c <= kCardCount; ++c)
            if (table_.cards[c].face && table_.cards[c].visible) seen_.insert(c);
    }
    void Saw(int card) { seen_.insert(card); }

    int Choose() const {
        const GameState& game = table_.Game();
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

private:
    bool OnBoard(int card) const { return FindCardCell(table_.Game(), card).col != kNoCell; }
    const HeadlessTable& table_;
    std::set<int> seen_;
};
