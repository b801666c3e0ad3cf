// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

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
