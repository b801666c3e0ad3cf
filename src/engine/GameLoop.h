// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One game: the Start and Quit commands, the loop in which every seat takes
// a small step per pass, the seat panels' set-up and highlight, and the
// passing of the turn.
#pragma once

#include <cstdint>
#include <string>

#include "engine/GameState.h"

// "開始": phase Running, the menus switched, and the whole game run.
// Lets events run: all through the game (RunGame).
void StartCommand(GameState& game);
// "このゲームやめ": the loop ends the game after its current pass.
void QuitCommand(GameState& game);
// "設定": a character takes a seat (the empty seat leaves it inactive), and the
// computer players make that seat's player anew.
void SeatCharacter(GameState& game, int seat, CharacterKind kind);
// A new card back: the face-down cards and the seats' small backs show it.
void SetCardBack(GameState& game, int back);
// Set-up and deal, the passes until the game is over, the result or the quit
// message, and the table cleared. Returns at once when the window is closed.
// Lets events run: between passes, in every animation and in the result windows.
void RunGame(GameState& game);
void SetUpSeatPanels(GameState& game);
void HighlightSeat(int seat);
void AdvanceTurn(GameState& game);
// Lets events run: the result window's own event loop.
void ShowVersusResult();
// Passes the game loop has made since the program started (for measurements).
int64_t LoopPassCount();

// "12" -> "１２": the solitaire status lines count in full-width digits.
std::string FullWidthDigits(const std::string& ascii);
