// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "opponents/OpponentSeat.h"

namespace {
std::array<OpponentSeat, kSeats> seats{};
}

std::array<OpponentSeat, kSeats>& OpponentSeats() { return seats; }

void ResetOpponentSeats() { seats = {}; }
