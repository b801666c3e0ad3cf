// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The table's measures, written out once: every other test and the on-screen
// checks take their coordinates from the geometry, so these numbers hold them.
#include <gtest/gtest.h>

#include "engine/TableGeometry.h"

TEST(TableGeometry, CellsMagnifiedCardsAndTheHandLieWhereTheLayoutPutsThem) {
    const struct {
        int col, row;
        Rect cell, magnified, hand;
    } cases[] = {
        {0, 0, {168, 4, 48, 65}, {157, -11, 71, 96}, {165, 1, 57, 77}},
        {4, 2, {376, 142, 48, 65}, {365, 127, 71, 96}, {373, 139, 57, 77}},
        {8, 5, {584, 349, 48, 65}, {573, 334, 71, 96}, {581, 346, 57, 77}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.col << ", " << c.row);
        EXPECT_EQ(NormalPlacement(c.col, c.row), c.cell);
        EXPECT_EQ(MagnifiedPlacement(c.col, c.row), c.magnified);
        EXPECT_EQ(HandPlacement(c.col, c.row), c.hand);
    }
    // The last column ends inside the 640-pixel table, the last row inside its 420.
    EXPECT_LE(NormalPlacement(8, 5).left + kCardWidth, kTableWidth);
    EXPECT_LE(NormalPlacement(8, 5).top + kCardHeight, kTableHeight);
}

TEST(TableGeometry, SeatPanelsStackDownTheLeftSide) {
    const Rect boxes[4] = {
        {4, 4, 159, 100}, {4, 108, 159, 100}, {4, 212, 159, 100}, {4, 316, 159, 99}};
    const Rect characters[4] = {
        {8, 4, 71, 96}, {8, 108, 71, 96}, {8, 212, 71, 96}, {8, 320, 71, 96}};
    const Rect balloons[4] = {
        {72, 0, 101, 61}, {68, 104, 101, 61}, {68, 208, 101, 61}, {64, 312, 101, 61}};
    for (int seat = 0; seat < 4; ++seat) {
        EXPECT_EQ(SeatBoxRect(seat), boxes[seat]) << seat;
        EXPECT_EQ(SeatCharacterRect(seat), characters[seat]) << seat;
        EXPECT_EQ(SeatBalloonRect(seat), balloons[seat]) << seat;
    }
}
