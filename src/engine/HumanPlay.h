// The human's mouse play: mouse on the cards and on the table, and the
// one-second tick. These run as event handlers inside the game loop's waits.
#pragma once

// A press on a table card: turns it up as the pick of the human seat on turn.
// Lets events run: while the card turns (FlipCard).
void CardMouseDown(int card);
// The mouse over a table card: magnifies it while a human seat is on turn.
void CardMouseMove(int card);
// The mouse over the table itself: the magnified card goes back to its cell.
void WindowMouseMove();
// Every second of a game: the solitaire time, or the opponents' memories ageing.
void SecondTick();
