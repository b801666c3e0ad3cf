// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CardArt.h"

#include "ArtKit.h"
#include "Frame.h"
#include "Parts.h"

namespace CardArt {

namespace {

template <typename Draw>
QImage Render(int ratio, Draw draw) {
    QImage canvas = ArtKit::NewCanvas(ratio);
    {
        QPainter p(&canvas);
        ArtKit::Prepare(p);
        draw(p);
    }
    canvas.setDevicePixelRatio(1);  // from here on plain pixels, as the files hold them
    Frame::Stamp(canvas, ratio);
    return canvas.convertToFormat(QImage::Format_RGB888);
}

}  // namespace

QImage Face(int index, int ratio) {
    return Render(ratio, [index](QPainter& p) {
        if (index >= 52) {
            Parts::DrawJoker(p, index - 52);
            return;
        }
        const auto suit = static_cast<ArtKit::Suit>(index / 13);
        const int rank = index % 13 + 1;
        if (rank <= 10) {
            Parts::DrawNumberCard(p, suit, rank);
        } else if (suit == ArtKit::Suit::Spades) {
            Parts::DrawBirdCourt(p, rank);
        } else if (suit == ArtKit::Suit::Hearts) {
            Parts::DrawHoofedCourt(p, rank);
        } else {
            Parts::DrawLetterCourt(p, suit, rank);
        }
    });
}

QImage Back(int index, int ratio) {
    return Render(ratio, [index](QPainter& p) { Parts::DrawBack(p, index); });
}

}  // namespace CardArt
