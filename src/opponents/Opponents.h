// The computer opponents: what they remember and forget, how they play a turn
// one loop pass at a time, and what they say.
#pragma once

#include <string>

#include "engine/GameState.h"

// Memory.
void RememberFailedAttempt(int firstCard, int secondCard, int seatOnTurn);
void RememberCard(int seat, int card);
int FindFreeMemorySlot(int seat);
void ForgetTakenPair(int firstCard, int secondCard);
void AgeMemories();
void ClearMemories();
struct KnownPair {
    bool found = false;
    Cell a, b;
};
KnownPair FindKnownPair(int seat);
int FindRememberedPartner(int seat, int card);

// The turn.
StepResult OpponentTurnStep(int seat);
StepResult OpponentIdleStep(int seat);
Cell PickRandomCell();
Cell PickRandomCellExcept(int card);
void MoveHandMarker();
int HandStartRow(int seat);
int QuickStepLimit(CharacterKind kind);

// Speech.
enum class SpeechEvent {
    Greeting,
    KnownPairFirst,
    KnownPairSecond,
    PartnerRemembered,
    Guessing,
    FirstOpened,
    SecondOpened,
    GotPair,
    TurnOver,
};
// The line of a character for an event; for Greeting, `variant` 0..3 picks one of its four lines.
const std::string& LineFor(CharacterKind kind, SpeechEvent event, int variant = 0);
void SayLine(int seat, const std::string& text);
void Say(int seat, SpeechEvent event);
void Greet(int seat);  // one draw: silence or one of the four greetings
void TickBalloon(int seat);
