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
    // The panel's own texts, line and small card back, as the layout had them.
    const Rect balloonTexts[4] = {
        {88, 8, 76, 44}, {84, 112, 76, 44}, {84, 216, 76, 44}, {80, 320, 76, 44}};
    const Rect lines[4] = {{84, 36, 72, 1}, {84, 144, 72, 1}, {84, 248, 72, 1}, {84, 352, 72, 1}};
    const Rect gotCards[4] = {
        {88, 64, 25, 33}, {84, 168, 25, 33}, {84, 272, 25, 33}, {84, 376, 25, 33}};
    const Rect times[4] = {
        {116, 76, 9, 16}, {112, 180, 9, 16}, {112, 284, 9, 16}, {112, 388, 9, 16}};
    const Rect counts[4] = {
        {128, 76, 32, 21}, {128, 180, 32, 21}, {128, 284, 32, 21}, {128, 388, 32, 21}};
    for (int seat = 0; seat < 4; ++seat) {
        SCOPED_TRACE(seat);
        EXPECT_EQ(SeatBoxRect(seat), boxes[seat]);
        EXPECT_EQ(SeatCharacterRect(seat), characters[seat]);
        EXPECT_EQ(SeatBalloonRect(seat), balloons[seat]);
        EXPECT_EQ(SeatBalloonTextRect(seat), balloonTexts[seat]);
        EXPECT_EQ(SeatLineRect(seat), lines[seat]);
        EXPECT_EQ(SeatGotCardRect(seat), gotCards[seat]);
        EXPECT_EQ(SeatTimesRect(seat), times[seat]);
        EXPECT_EQ(SeatCountRect(seat), counts[seat]);
    }
}
