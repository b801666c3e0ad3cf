// The human's mouse play: clicks turn cards for whichever human seat is on
// turn, the card under the mouse is shown magnified, and the one-second tick
// counts the solitaire time or ages the opponents' memories.
#include "engine/HumanPlay.h"

#include <string>

#include "engine/ComputerPlayers.h"
#include "engine/GameLoop.h"
#include "engine/Reveal.h"
#include "engine/Views.h"

namespace {
bool HumanOnTurn() {
    return game.currentSeat >= 0 && game.currentSeat < kSeats &&
           game.seats[game.currentSeat].kind == CharacterKind::You;
}
}  // namespace

void CardMouseDown(int card) {
    if (!HumanOnTurn()) return;
    if (Cards().CardFace(card) || game.phase != GamePhase::Running) return;
    // Two cards are already up and wait for the loop to resolve them: a third
    // click in that short gap must not become a further pick.
    if (game.pickState == PickTwoUp) return;
    Cards().SetCardEnabled(card, false);
    FlipCard(card);
    if (game.firstPick != 0) {
        game.secondPick = card;
        game.pickState = PickTwoUp;
    } else {
        game.firstPick = card;
        game.pickState = PickOneUp;
    }
    Cards().SetCardEnabled(card, true);
}

void CardMouseMove(int card) {
    if (game.phase != GamePhase::Running || !HumanOnTurn()) return;
    const BoardCard& c = game.cards[card];
    if (card != game.hoveredCard) {
        if (game.hoveredCard != 0) {
            const BoardCard& h = game.cards[game.hoveredCard];
            Cards().MoveCard(game.hoveredCard, NormalPlacement(h.col, h.row));
        }
        game.hoveredCard = card;
    }
    Cards().MoveCard(card, MagnifiedPlacement(c.col, c.row));
    Cards().RaiseCard(game.hoveredCard);
}

void WindowMouseMove() {
    if (game.hoveredCard == 0) return;
    const BoardCard& h = game.cards[game.hoveredCard];
    Cards().MoveCard(game.hoveredCard, NormalPlacement(h.col, h.row));
    game.hoveredCard = 0;
}

void SecondTick() {
    if (game.soloMode) {
        ++game.elapsedSeconds;
        GameWindow().SetTimeText(FullWidthDigits(std::to_string(game.elapsedSeconds)) + " 秒");
    } else {
        Computers().AgeMemories();
    }
}
