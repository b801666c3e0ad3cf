// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The state of the game: the deck and the pair rule, the 9 x 6 table, the four
// seats and the running game's phase and counters. The program makes one record
// at start (a test, one per test) and hands it to the engine's commands, the
// opponents and the windows; nothing reaches it any other way.
#pragma once

#include <array>
#include <cstdint>

#include "engine/TableGeometry.h"

enum class GamePhase : int32_t {
    Idle = 0,
    Running = 1,
    Resolving = 2,
    QuitRequested = 5,
    Finished = 6,
    Exiting = 7,
};

enum class CharacterKind : int32_t { You = 0, Swallow = 1, Wolf = 2, Tiger = 3, Empty = 4 };

enum class StepResult : int32_t { Continue = 0, PairTaken = 16, GameOver = 32, NextSeat = 255 };

enum PickState : int32_t { PickNone = 0, PickOneUp = 64, PickTwoUp = 128 };

constexpr int kCardCount = 54;
constexpr int kJokerA = 53;
constexpr int kJokerB = 54;
constexpr int kColumns = 9;
constexpr int kRows = 6;
constexpr int kSeats = 4;
constexpr int kNoCell = 99;

struct BoardCard {
    int32_t rank = 0;
    int32_t col = 0;
    int32_t row = 0;
    // The side it shows, whether it lies out at all (dealt and not yet taken)
    // and where on the table it is drawn; the card on the screen follows all
    // three (ShowCardFace, ShowCard, PlaceCard).
    bool faceUp = false;
    bool shown = false;
    Rect place{};
};

struct Cell {
    int32_t col = kNoCell, row = kNoCell;
    bool operator==(const Cell&) const = default;
};

struct PlayerSlot {
    bool active = false;
    CharacterKind kind = CharacterKind::You;
    int32_t cardsTaken = 0;

    // Every character but the human and the empty seat is played by the computer.
    bool IsComputer() const { return kind != CharacterKind::You && kind != CharacterKind::Empty; }
};

struct GameState {
    // board[col][row]; columns 0..9 and rows 0..6 so that column 9 and row 6 read as empty.
    std::array<std::array<int32_t, kRows + 1>, kColumns + 1> board{};
    std::array<BoardCard, kCardCount + 1> cards{};  // index 0 holds no card
    std::array<PlayerSlot, kSeats> seats{};

    GamePhase phase = GamePhase::Idle;
    int32_t currentSeat = 0;
    int32_t firstPick = 0, secondPick = 0;
    int32_t pickState = PickNone;
    int32_t showSeconds = 0;
    int32_t cardsTakenTotal = 0;
    bool soloMode = false;
    int32_t elapsedSeconds = 0;
    int32_t turnCount = 0;
    int32_t hoveredCard = 0;
    int32_t handCol = 0, handRow = 0;
    int32_t cardBack = 0;

    // The card lying in a cell; 0 for an empty cell or one off the table.
    int CardAt(Cell cell) const;
};

// Asked after anything that lets events run: true once the window has been
// closed meanwhile, and the game must then be left at once, without its end
// steps (the program is ending).
inline bool GameAbandoned(const GameState& game) { return game.phase == GamePhase::Exiting; }

// Two cards are a pair when their ranks are equal, or when they are the two jokers.
bool IsPair(int rankA, int rankB);
bool CardsArePair(const GameState& game, int cardA, int cardB);

// Where a card lies on the board; (99, 99) when it is not there (taken, or not dealt).
Cell FindCardCell(const GameState& game, int card);
