// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A scripted human with a perfect memory who leaves the mouse alone: it walks
// the focus to the card it wants with the arrow keys, one key at a human
// pace, by the shortest way the keys allow, and turns it with Space.
#pragma once

#include <array>
#include <deque>
#include <map>
#include <utility>

#include "engine/HeadlessTable.h"
#include "engine/HumanPlay.h"
#include "support/PerfectMemory.h"

class KeyPlayer {
public:
    KeyPlayer(VirtualClockHost& host, HeadlessTable& table, uint32_t pauseMs = 60)
        : host_(host), table_(table), memory_(table), pauseMs_(pauseMs) {
        host_.OnEveryPass([this] { Act(); });
    }
    int arrows = 0, turns = 0;
    int unreachable = 0;  // cards the arrows could not lead to

private:
    static constexpr std::array<std::pair<int, int>, 4> kArrows{{{-1, 0}, {1, 0}, {0, -1}, {0, 1}}};

    // The first arrow of a shortest way from the focus to `target`; -1 if none.
    int FirstArrowTowards(int target) const {
        const GameState& game = table_.Game();
        const BoardCard& f = game.cards[game.hoveredCard];
        std::map<int, int> firstArrow;  // card reached -> the arrow that set out
        std::deque<std::pair<Cell, int>> queue{{{f.col, f.row}, -1}};
        while (!queue.empty()) {
            const auto [cell, first] = queue.front();
            queue.pop_front();
            for (int k = 0; k < 4; ++k) {
                const int next =
                    NextCardInDirection(game, cell, kArrows[k].first, kArrows[k].second);
                if (next == 0 || firstArrow.count(next)) continue;
                firstArrow[next] = first < 0 ? k : first;
                if (next == target) return firstArrow[next];
                queue.push_back({FindCardCell(game, next), firstArrow[next]});
            }
        }
        return -1;
    }

    void Act() {
        memory_.Look();
        GameState& game = table_.Game();
        if (busy_ || game.phase != GamePhase::Running || !table_.windowEnabled) return;
        if (game.currentSeat > 3 || game.seats[game.currentSeat].kind != CharacterKind::You) return;
        if (game.pickState == PickTwoUp || host_.Now() < next_) return;
        const int target = memory_.Choose();
        if (!target) return;
        busy_ = true;
        next_ = host_.Now() + pauseMs_;
        // A player about to press a key is an event the waiting game wakes for.
        host_.At(next_, [] {});
        if (table_.focusFrame == target) {
            ++turns;
            CardKeyTurn(game);
            memory_.Saw(target);
        } else {
            // Nothing focused yet: any arrow puts the focus on the table.
            int k = game.hoveredCard == 0 ? 1 : FirstArrowTowards(target);
            if (k < 0) {
                ++unreachable;
                k = 1;
            }
            ++arrows;
            CardKeyMove(game, kArrows[k].first, kArrows[k].second);
        }
        busy_ = false;
    }

    VirtualClockHost& host_;
    HeadlessTable& table_;
    PerfectMemory memory_;
    uint32_t pauseMs_;
    uint32_t next_ = 0;
    bool busy_ = false;
};
