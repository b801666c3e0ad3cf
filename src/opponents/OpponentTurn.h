// A computer opponent's turn, played one loop pass at a time.
#pragma once

#include "engine/GameState.h"

StepResult OpponentTurnStep(int seat);
StepResult OpponentIdleStep(int seat);
Cell PickRandomCell();
Cell PickRandomCellExcept(int card);
void MoveHandMarker();
int HandStartRow(int seat);
int QuickStepLimit(CharacterKind kind);
