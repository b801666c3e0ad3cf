// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Jack, queen and king: tall letters for clubs (blue) and diamonds (red), birds
// for spades on a light blue sky, hoofed animals for hearts against an orange dusk.

#include <QLinearGradient>
#include <QRadialGradient>

#include "ArtKit.h"
#include "Parts.h"

using ArtKit::Suit;

namespace Parts {

namespace {

const QRectF kCard(0, 0, ArtKit::kCardWidth, ArtKit::kCardHeight);

struct LetterColours {
    QColor deep, light, glow, letterTop, letterBottom, letterEdge, trim;
};

LetterColours ColoursOf(Suit suit) {
    if (suit == Suit::Clubs)
        return {QColor(16, 42, 120),   QColor(70, 150, 230),  QColor(150, 205, 255),
                QColor(255, 255, 255), QColor(198, 222, 255), QColor(8, 22, 70),
                QColor(246, 214, 120)};
    return {QColor(128, 6, 22),    QColor(236, 60, 60),   QColor(255, 170, 150),
            QColor(255, 255, 255), QColor(255, 218, 206), QColor(70, 0, 10),
            QColor(250, 214, 110)};
}

void DrawTrim(QPainter& p, const QColor& colour) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, 0.9));
    p.drawRoundedRect(QRectF(3.5, 3.5, 64, 89), 3.5, 3.5);
}

}  // namespace

void DrawLetterCourt(QPainter& p, Suit suit, int rank) {
    const LetterColours c = ColoursOf(suit);
    QLinearGradient ground(QPointF(0, 0), QPointF(30, 96));
    ground.setColorAt(0, c.deep);
    ground.setColorAt(1, c.light);
    p.fillRect(kCard, ground);
    QRadialGradient glow(QPointF(35.5, 46), 34);
    QColor g = c.glow;
    g.setAlpha(150);
    glow.setColorAt(0, g);
    g.setAlpha(0);
    glow.setColorAt(1, g);
    p.fillRect(kCard, glow);
    DrawTrim(p, c.trim);

    // A large pale suit behind the letter.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 44));
    p.drawPath(ArtKit::FitInto(ArtKit::SuitShape(suit), QRectF(11.5, 24, 48, 48)));

    static const QFont serif = ArtKit::InstalledFont(QStringLiteral("DejaVu Serif"), QFont::Bold);
    const QPainterPath letter =
        ArtKit::TextShape(RankText(rank), serif, QRectF(16.5, 24.5, 38, 47));
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawPath(letter.translated(1.6, 1.8));
    QLinearGradient fill(letter.boundingRect().topLeft(), letter.boundingRect().bottomLeft());
    fill.setColorAt(0, c.letterTop);
    fill.setColorAt(1, c.letterBottom);
    p.setBrush(fill);
    p.setPen(QPen(c.letterEdge, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(letter);

    // Small suit marks above and below the letter.
    p.setPen(Qt::NoPen);
    p.setBrush(c.trim);
    p.drawPath(ArtKit::FitInto(ArtKit::SuitShape(suit), QRectF(31, 11, 9, 9)));
    p.drawPath(ArtKit::FitInto(ArtKit::SuitShape(suit), QRectF(31, 76, 9, 9)));

    DrawIndices(p, RankText(rank), suit, true);
}

void DrawBirdCourt(QPainter& p, int rank) {
    QLinearGradient sky(kCard.topLeft(), kCard.bottomLeft());
    sky.setColorAt(0, QColor(236, 248, 255));
    sky.setColorAt(1, QColor(160, 208, 240));
    p.fillRect(kCard, sky);
    if (rank == 11) DrawHeron(p);
    if (rank == 12) DrawDucks(p);
    if (rank == 13) DrawPenguin(p);
    DrawIndices(p, RankText(rank), Suit::Spades, true);
}

void DrawHoofedCourt(QPainter& p, int rank) {
    QLinearGradient dusk(kCard.topLeft(), kCard.bottomLeft());
    dusk.setColorAt(0, QColor(255, 214, 120));
    dusk.setColorAt(0.6, QColor(250, 150, 60));
    dusk.setColorAt(1, QColor(226, 92, 30));
    p.fillRect(kCard, dusk);
    if (rank == 11) DrawHorse(p);
    if (rank == 12) DrawAntelope(p);
    if (rank == 13) DrawDeer(p);
    DrawIndices(p, RankText(rank), Suit::Hearts, true);
}

}  // namespace Parts
