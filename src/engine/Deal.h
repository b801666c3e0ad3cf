// The deal: the deck renumbered, a loose pile while the shuffle sounds, the
// start banner, and the cards laid face down into the 9 x 6 grid.
#pragma once

void ResetDeck();
void Deal();
// The list position a draw u in [0, 1) takes when m cards are left: every position
// can come out, the first and the last with weight 1.5 against 2 for the others.
int DealListPosition(double u, int m);
void ShowMessageSprite(int n);
void RedrawFaceDownCards();
