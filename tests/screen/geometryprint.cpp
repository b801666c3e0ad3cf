// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// geometryprint: prints the table's geometry as shell assignments, so that the
// on-screen checks click and look where the game itself puts things. Table
// coordinates (below the menu bar); one array entry per column, row or seat.
#include <cstdio>
#include <functional>

#include "engine/GameState.h"
#include "engine/TableGeometry.h"

namespace {
void Array(const char* name, int count, const std::function<int(int)>& value) {
    std::printf("%s=(", name);
    for (int i = 0; i < count; ++i) std::printf(i ? " %d" : "%d", value(i));
    std::printf(")\n");
}
}  // namespace

int main() {
    std::printf("TABLE_WIDTH=%d\nTABLE_HEIGHT=%d\n", kTableWidth, kTableHeight);
    std::printf("CELL_WIDTH=%d\nCELL_HEIGHT=%d\n", kCardWidth, kCardHeight);
    std::printf("BIG_WIDTH=%d\nBIG_HEIGHT=%d\n", kBigCardWidth, kBigCardHeight);
    std::printf("CHAR_WIDTH=%d\nCHAR_HEIGHT=%d\n", SeatCharacterRect(0).width,
                SeatCharacterRect(0).height);
    // A card in its cell, and its centre.
    Array("CELL_LEFT", kColumns, [](int c) { return NormalPlacement(c, 0).left; });
    Array("CELL_TOP", kRows, [](int r) { return NormalPlacement(0, r).top; });
    Array("CELL_CX", kColumns, [](int c) { return NormalPlacement(c, 0).left + kCardWidth / 2; });
    Array("CELL_CY", kRows, [](int r) { return NormalPlacement(0, r).top + kCardHeight / 2; });
    // The card magnified under the mouse, and the opponents' hand marker over a cell.
    Array("BIG_LEFT", kColumns, [](int c) { return MagnifiedPlacement(c, 0).left; });
    Array("BIG_TOP", kRows, [](int r) { return MagnifiedPlacement(0, r).top; });
    Array("HAND_LEFT", kColumns, [](int c) { return HandPlacement(c, 0).left; });
    Array("HAND_TOP", kRows, [](int r) { return HandPlacement(0, r).top; });
    // The seat panels' boxes, characters and speech balloons.
    Array("SEAT_BOX_LEFT", kSeats, [](int s) { return SeatBoxRect(s).left; });
    Array("SEAT_BOX_TOP", kSeats, [](int s) { return SeatBoxRect(s).top; });
    Array("SEAT_BOX_HEIGHT", kSeats, [](int s) { return SeatBoxRect(s).height; });
    Array("SEAT_CHAR_LEFT", kSeats, [](int s) { return SeatCharacterRect(s).left; });
    Array("SEAT_CHAR_TOP", kSeats, [](int s) { return SeatCharacterRect(s).top; });
    Array("BALLOON_LEFT", kSeats, [](int s) { return SeatBalloonRect(s).left; });
    Array("BALLOON_TOP", kSeats, [](int s) { return SeatBalloonRect(s).top; });
    return 0;
}
