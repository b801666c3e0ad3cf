// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/Host.h"

#include <cassert>

namespace {
Host* attached = nullptr;
}

void AttachHost(Host* host) { attached = host; }

Host& CurrentHost() {
    assert(attached && "no host attached");
    return *attached;
}

void WaitWithEvents(int32_t ms) {
    Host& host = CurrentHost();
    const uint32_t start = host.TickCount();
    host.LetEventsRun();
    // Unsigned differences stay right when the counter wraps during the wait.
    while (static_cast<int64_t>(host.TickCount() - start) < static_cast<int64_t>(ms))
        host.WaitForEvents(start + static_cast<uint32_t>(ms));
}
