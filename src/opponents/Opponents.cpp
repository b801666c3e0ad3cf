// TEMPORARY placeholder bodies so that the engine links while the opponents are
// being written; replaced wholesale by the real opponents.
#include "opponents/Opponents.h"

void RememberFailedAttempt(int, int, int) {}
void ForgetTakenPair(int, int) {}
void AgeMemories() {}
void ClearMemories() {}
StepResult OpponentTurnStep(int) { return StepResult::Continue; }
StepResult OpponentIdleStep(int) { return StepResult::Continue; }
