// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/Views.h"

#include <cassert>

namespace {
Views attached;
}

void AttachViews(const Views& views) { attached = views; }

CardsView& Cards() {
    assert(attached.cards && "no cards view attached");
    return *attached.cards;
}

SeatsView& Seats() {
    assert(attached.seats && "no seats view attached");
    return *attached.seats;
}

MarkersView& Markers() {
    assert(attached.markers && "no markers view attached");
    return *attached.markers;
}

WindowView& GameWindow() {
    assert(attached.window && "no window view attached");
    return *attached.window;
}
