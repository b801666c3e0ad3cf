// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The card pictures of the picture store, drawn from code: faces 0..53 (clubs,
// spades, diamonds, hearts ace..king, then the cat and owl jokers) and backs 0..3.
#pragma once

#include <QImage>

namespace CardArt {

constexpr int kFaceCount = 54;
constexpr int kBackCount = 4;

// Finished pictures, 71 x 96 at ratio 1 (142 x 192 at 2, 213 x 288 at 3), 24-bit RGB, frame
// included. Every ratio is drawn from the same outlines, never scaled from another.
QImage Face(int index, int ratio = 1);
QImage Back(int index, int ratio = 1);

}  // namespace CardArt
