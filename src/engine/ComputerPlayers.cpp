#include "engine/ComputerPlayers.h"

#include <cassert>

namespace {
ComputerPlayers* attached = nullptr;
}

void AttachComputerPlayers(ComputerPlayers* players) { attached = players; }

ComputerPlayers& Computers() {
    assert(attached && "no computer players attached");
    return *attached;
}
