// The human's mouse play: mouse on the cards and on the table, and the one-second tick.
#pragma once

void CardMouseDown(int card);
void CardMouseMove(int card);
void WindowMouseMove();
void SecondTick();
