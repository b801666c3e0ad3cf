// The game's operations: the deal, the game loop with its seats and turns,
// turning and matching cards, and the human's mouse play.
#pragma once

#include "engine/GameState.h"
#include "engine/Host.h"
#include "engine/TableView.h"

// Deal.
void ResetDeck();
void Deal();
// The list position a draw u in [0, 1) takes when m cards are left: every position
// can come out, the first and the last with weight 1.5 against 2 for the others.
int DealListPosition(double u, int m);
void ShowMessageSprite(int n);
void RedrawFaceDownCards();

// Game loop.
void StartCommand();  // "開始": phase Running, menus, RunGame
void QuitCommand();   // "このゲームやめ"
void RunGame();
void SetUpSeatPanels();
void HighlightSeat(int seat);
void AdvanceTurn();
void ShowVersusResult();
// Passes the game loop has made since the program started (for measurements).
int64_t LoopPassCount();

// Reveal and match.
void FlipCard(int card);
StepResult ResolvePicks(int seat);

// Human play: mouse on the cards and on the table, and the one-second tick.
void CardMouseDown(int card);
void CardMouseMove(int card);
void WindowMouseMove();
void SecondTick();

// "12" -> "１２": the solitaire status lines count in full-width digits.
std::string FullWidthDigits(const std::string& ascii);
