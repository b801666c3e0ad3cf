// One game: the Start and Quit commands, the loop in which every seat takes
// a small step per pass, the seat panels' set-up and highlight, and the
// passing of the turn.
#pragma once

#include <cstdint>
#include <string>

void StartCommand();  // "開始": phase Running, menus, RunGame
void QuitCommand();   // "このゲームやめ"
void RunGame();
void SetUpSeatPanels();
void HighlightSeat(int seat);
void AdvanceTurn();
void ShowVersusResult();
// Passes the game loop has made since the program started (for measurements).
int64_t LoopPassCount();

// "12" -> "１２": the solitaire status lines count in full-width digits.
std::string FullWidthDigits(const std::string& ascii);
