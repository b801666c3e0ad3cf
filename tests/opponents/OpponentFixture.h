// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A table laid out in card order (card c in column (c - 1) % 9, row (c - 1) / 9)
// so that a test knows where every card lies, and a way to play a computer
// seat's turn pass by pass while noting on which pass it did what.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "opponents/Memory.h"
#include "opponents/OpponentSeat.h"
#include "opponents/OpponentTurn.h"
#include "opponents/Speech.h"
#include "support/EngineFixture.h"

class OpponentFixture : public EngineFixture {
protected:
    static constexpr Cell CellOf(int card) {
        return {(card - 1) % kColumns, (card - 1) / kColumns};
    }

    // Every card of `cards` face down at its cell; the others count as taken.
    void LayOut(std::initializer_list<int> cards) { LayOut(std::vector<int>(cards)); }
    void LayOut(const std::vector<int>& cards) {
        ResetDeck(game);
        game.board = {};
        for (int c = 1; c <= kCardCount; ++c) {
            game.cards[c].col = CellOf(c).col;
            game.cards[c].row = CellOf(c).row;
            game.cards[c].shown = table.cards[c].visible = false;
            game.cards[c].faceUp = false;
            table.cards[c].face = false;
            game.cards[c].place = table.cards[c].rect =
                NormalPlacement(CellOf(c).col, CellOf(c).row);
        }
        for (int c : cards) {
            game.board[CellOf(c).col][CellOf(c).row] = c;
            game.cards[c].shown = table.cards[c].visible = true;
        }
        game.cardsTakenTotal = kCardCount - static_cast<int>(cards.size());
        game.phase = GamePhase::Running;
        game.showSeconds = 1;
    }
    void LayOutAll() {
        std::vector<int> all;
        for (int c = 1; c <= kCardCount; ++c) all.push_back(c);
        LayOut(all);
    }

    void Remember(int seat, std::initializer_list<int> cards) {
        for (int c : cards) RememberCard(game, seats, seat, c);
    }

    // The seat's turn has just come round to it, as AdvanceTurn leaves it.
    void TurnStartsFor(int seat, int waitLimit = 50) {
        game.currentSeat = seat;
        OpponentSeat& s = seats[seat];
        s.turnJustStarted = true;
        s.waitCount = 0;
        s.waitLimit = waitLimit;
        s.aiState = AiState::AiIdle;
    }

    // What happened on which pass of a turn (passes counted from 1).
    struct Event {
        int pass;
        std::string what;  // "said:<line>", "hand", "result:<n>"
    };
    struct Run {
        int passes = 0;
        StepResult last = StepResult::Continue;
        std::vector<Event> events;
        std::vector<std::string> Said() const {
            std::vector<std::string> out;
            for (const Event& e : events)
                if (e.what.rfind("said:", 0) == 0) out.push_back(e.what.substr(5));
            return out;
        }
        std::vector<int> PassesOf(const std::string& what) const {
            std::vector<int> out;
            for (const Event& e : events)
                if (e.what == what) out.push_back(e.pass);
            return out;
        }
    };

    // Steps the seat until `done` holds after a step, or the turn ends.
    Run PlayUntil(int seat, const std::function<bool()>& done, int limit = 20000) {
        Run run;
        while (run.passes < limit) {
            const size_t said = table.said.size(), hand = table.handPath.size();
            run.last = OpponentTurnStep(game, seats, seat);
            ++run.passes;
            for (size_t i = said; i < table.said.size(); ++i)
                run.events.push_back({run.passes, "said:" + table.said[i].second});
            for (size_t i = hand; i < table.handPath.size(); ++i)
                run.events.push_back({run.passes, "hand"});
            if (run.last != StepResult::Continue || done()) break;
        }
        return run;
    }
};
