// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where things lie on the green table, in pixels of the table (the main
// window's client area below its menu bar): the 9 x 6 cells, a card magnified
// under the mouse, the deal pile, the opponents' hand marker and the four seat
// panels down the left side. The engine, the opponents, the table widget, the
// headless table, the tests and the on-screen checks all take them from here.
#pragma once

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const Rect&) const = default;
};

struct Size {
    int width = 0, height = 0;
};

constexpr int kTableWidth = 640, kTableHeight = 420;

// A card in its cell; the cells start right of the seat panels, 52 by 69 pixels apart.
constexpr int kCardWidth = 48, kCardHeight = 65;
constexpr int kTableLeft = 168, kTableTop = 4;
constexpr int kCellPitchX = 52, kCellPitchY = 69;
constexpr Rect NormalPlacement(int col, int row) {
    return {kTableLeft + kCellPitchX * col, kTableTop + kCellPitchY * row, kCardWidth, kCardHeight};
}

// The card under the mouse, at the pictures' own size, grown about its cell's
// top left corner: 11 pixels out to the left and 15 up.
constexpr int kBigCardWidth = 71, kBigCardHeight = 96;
constexpr Rect MagnifiedPlacement(int col, int row) {
    const Rect cell = NormalPlacement(col, row);
    return {cell.left - 11, cell.top - 15, kBigCardWidth, kBigCardHeight};
}

// Where the first half of the deck drops while it is shuffled, before the
// cards go to their cells; the layout's template card waits there too.
constexpr int kPileLeft = 380, kPileTop = 177;

// The opponents' hand marker over a cell: a hatched frame three pixels round the card.
constexpr Rect HandPlacement(int col, int row) {
    const Rect cell = NormalPlacement(col, row);
    return {cell.left - 3, cell.top - 3, 57, 77};
}

// The seat panels, seat 0 at the top: each a yellow-edged box with the
// character at its left, which is where a taken pair slides to.
constexpr Rect SeatBoxRect(int seat) { return {4, 4 + 104 * seat, 159, seat == 3 ? 99 : 100}; }
constexpr Rect SeatCharacterRect(int seat) {
    // The last character sits four pixels lower in its box than the others.
    return {8, seat == 3 ? 320 : 4 + 104 * seat, 71, 96};
}
// A seat's speech balloon, over the top right of its panel, and its text inside it.
constexpr Rect SeatBalloonRect(int seat) {
    constexpr int lefts[4] = {72, 68, 68, 64};
    return {lefts[seat], 104 * seat, 101, 61};
}
constexpr Rect SeatBalloonTextRect(int seat) {
    constexpr int lefts[4] = {88, 84, 84, 80};
    return {lefts[seat], 8 + 104 * seat, 76, 44};
}

// The rest of a seat panel, right of the character: the player's name at the
// top right (a name that needs more room grows to the left, but never past
// kSeatNameLeftLimit, over the character), the line under it, the small card
// back of the cards taken, and "x" and the count beside it.
constexpr Rect SeatNameRect(int seat) {
    constexpr Rect rects[4] = {
        {111, 8, 42, 19}, {109, 116, 46, 19}, {100, 216, 54, 19}, {76, 320, 83, 19}};
    return rects[seat];
}
constexpr int kSeatNameLeftLimit = 80;
constexpr Rect SeatLineRect(int seat) {
    constexpr int tops[4] = {36, 144, 248, 352};
    return {84, tops[seat], 156 - 84, 1};
}
constexpr Rect SeatGotCardRect(int seat) { return {seat == 0 ? 88 : 84, 64 + 104 * seat, 25, 33}; }
constexpr Rect SeatTimesRect(int seat) { return {seat == 0 ? 116 : 112, 76 + 104 * seat, 9, 16}; }
constexpr Rect SeatCountRect(int seat) { return {128, 76 + 104 * seat, 32, 21}; }

// The solitaire status lines under the first seat's panel: the time and the
// turns, each a caption standing right against its value.
constexpr Rect kSoloTimeCaptionRect{8, 116, 80, 16};
constexpr Rect kSoloTimeRect{88, 116, 32, 16};
constexpr Rect kSoloTurnsCaptionRect{40, 136, 48, 16};
constexpr Rect kSoloTurnsRect{88, 136, 40, 16};
