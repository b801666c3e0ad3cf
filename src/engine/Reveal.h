// Turning a card over, and resolving an attempt: both cards shown for a
// while, then the pair taken into the seat's panel or both turned back.
#pragma once

#include "engine/GameState.h"

void FlipCard(int card);
StepResult ResolvePicks(int seat);
