// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The frame every card face and card back shares: a black one-pixel outline with
// rounded corners, and outside the rounding five pixels per corner in the
// table-edge green RGB(51, 153, 102).
#pragma once

#include <QImage>
#include <QRgb>
#include <QStringList>

namespace Frame {

constexpr QRgb kCornerGreen = 0xFF339966;  // RGB(51, 153, 102)
constexpr QRgb kOutline = 0xFF000000;

// True for the five pixels outside the rounding at each corner.
bool OutsideRounding(int x, int y, int width, int height);
// True for the pixels of the outline itself: the edge pixels of the card's shape.
bool OnOutline(int x, int y, int width, int height);

// Paints the frame over a finished picture, pixel by pixel, so nothing smooths it. A picture
// for a denser screen (`ratio` pixels to the card's pixel) gets the same frame: its outline is
// one card pixel wide, `ratio` pixels of its own.
void Stamp(QImage& image, int ratio = 1);

// What is wrong with a picture's size, depth or frame at a ratio; empty when all is right.
QStringList Faults(const QImage& image, int ratio = 1);

}  // namespace Frame
