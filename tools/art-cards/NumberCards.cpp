// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Ace to ten: the corner indices and the pips over a pale diagonal shading.

#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <cmath>
#include <vector>

#include "ArtKit.h"
#include "Parts.h"

using ArtKit::Suit;

namespace Parts {

namespace {

// Where the rank and the small suit of the top-left index sit. They are large on
// purpose: on the table the card is shrunk to two thirds and must still read.
const QRectF kRankBox(2.0, 3.5, 13.0, 15.0);
const QRectF kTenBox(1.3, 3.5, 15.0, 15.0);
const QRectF kIndexSuitBox(3.5, 21.0, 10.0, 10.5);

QPainterPath RankShape(const QString& rank) {
    if (rank == QLatin1String("10")) {
        // Two narrow figures set tight, so the ten keeps the height of the others.
        static const QFont narrow =
            ArtKit::InstalledFont(QStringLiteral("DejaVu Sans"), QFont::Bold, QFont::Condensed);
        QPainterPath one, zero;
        one.addText(0, 0, narrow, QStringLiteral("1"));
        zero.addText(0, 0, narrow, QStringLiteral("0"));
        const double gap = 0.9;
        const double oneWidth = 5.2;
        QPainterPath ten = ArtKit::FitHeight(
            one, QRectF(kTenBox.left(), kTenBox.top(), oneWidth, kTenBox.height()));
        ten.addPath(
            ArtKit::FitHeight(zero, QRectF(kTenBox.left() + oneWidth + gap, kTenBox.top(),
                                           kTenBox.width() - oneWidth - gap, kTenBox.height())));
        return ten;
    }
    static const QFont bold = ArtKit::InstalledFont(QStringLiteral("DejaVu Sans"), QFont::Bold);
    return ArtKit::TextShape(rank, bold, kRankBox);
}

void DrawShadedGround(QPainter& p, Suit suit) {
    const QRectF card(0, 0, ArtKit::kCardWidth, ArtKit::kCardHeight);
    const QColor tint = ArtKit::IsRed(suit) ? QColor(250, 224, 216) : QColor(216, 228, 242);
    QLinearGradient g(card.topLeft(), card.bottomRight());
    g.setColorAt(0.0, QColor(255, 255, 255));
    g.setColorAt(0.55, ArtKit::Mix(Qt::white, tint, 0.45));
    g.setColorAt(1.0, tint);
    p.fillRect(card, g);
    // Soft diagonal bands, like light falling through a blind.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 120));
    for (double k = -ArtKit::kCardHeight; k < ArtKit::kCardWidth + 4; k += 7) {
        const QPointF band[] = {{k, 0},
                                {k + 2.5, 0},
                                {k + 2.5 + ArtKit::kCardHeight, double(ArtKit::kCardHeight)},
                                {k + ArtKit::kCardHeight, double(ArtKit::kCardHeight)}};
        p.drawPolygon(band, 4);
    }
}

void DrawPip(QPainter& p, Suit suit, QPointF centre, double w, double h, bool turned) {
    p.save();
    p.translate(centre);
    if (turned) p.rotate(180);
    const QRectF box(-w / 2, -h / 2, w, h);
    const QPainterPath shape = ArtKit::FitInto(ArtKit::SuitShape(suit), box);
    p.setPen(Qt::NoPen);
    p.setBrush(ArtKit::InkBrush(suit, turned ? box.translated(0, 0) : box));
    p.drawPath(shape);
    p.restore();
}

struct Pip {
    double x, y;
};

// The classic arrangements on a grid of three columns and up to four rows.
std::vector<Pip> PipLayout(int rank) {
    constexpr double L = 23.5, C = 35.5, R = 47.5;
    constexpr double T = 16.5, B = 79.5, M = 48;
    constexpr double U = 37.5, D = 58.5;  // the two inner rows of the four-row cards
    switch (rank) {
        case 2:
            return {{C, T}, {C, B}};
        case 3:
            return {{C, T}, {C, M}, {C, B}};
        case 4:
            return {{L, T}, {R, T}, {L, B}, {R, B}};
        case 5:
            return {{L, T}, {R, T}, {C, M}, {L, B}, {R, B}};
        case 6:
            return {{L, T}, {R, T}, {L, M}, {R, M}, {L, B}, {R, B}};
        case 7:
            return {{L, T}, {R, T}, {C, 32.25}, {L, M}, {R, M}, {L, B}, {R, B}};
        case 8:
            return {{L, T}, {R, T}, {C, 32.25}, {L, M}, {R, M}, {C, 63.75}, {L, B}, {R, B}};
        case 9:
            return {{L, T}, {R, T}, {L, U}, {R, U}, {C, M}, {L, D}, {R, D}, {L, B}, {R, B}};
        case 10:
            return {{L, T}, {R, T}, {C, 27}, {L, U}, {R, U},
                    {L, D}, {R, D}, {C, 69}, {L, B}, {R, B}};
    }
    return {};
}

void DrawAce(QPainter& p, Suit suit) {
    const QPointF centre(35.5, 48);
    // A faint halo in the suit's colour behind the one big pip.
    QColor glow = ArtKit::Ink(suit);
    QRadialGradient halo(centre, 24);
    glow.setAlpha(46);
    halo.setColorAt(0.0, glow);
    glow.setAlpha(0);
    halo.setColorAt(1.0, glow);
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(centre, 24, 24);
    QColor ring = ArtKit::Ink(suit);
    ring.setAlpha(110);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ring, 0.8));
    p.drawEllipse(centre, 21.5, 21.5);
    DrawPip(p, suit, centre, 28, 30, false);
}

}  // namespace

QString RankText(int rank) {
    switch (rank) {
        case 1:
            return QStringLiteral("A");
        case 11:
            return QStringLiteral("J");
        case 12:
            return QStringLiteral("Q");
        case 13:
            return QStringLiteral("K");
    }
    return QString::number(rank);
}

void DrawIndices(QPainter& p, const QString& rank, Suit suit, bool onTab) {
    DrawIndices(p, rank, ArtKit::SuitShape(suit), ArtKit::Ink(suit), onTab);
}

void DrawIndices(QPainter& p, const QString& rank, const QPainterPath& mark, const QColor& ink,
                 bool onTab) {
    const QPainterPath rankShape = RankShape(rank);
    const QPainterPath markShape = ArtKit::FitInto(mark, kIndexSuitBox);
    ArtKit::BothEnds(p, [&] {
        if (onTab) {
            p.setPen(QPen(QColor(40, 40, 40, 150), 0.8));
            p.setBrush(QColor(255, 255, 255));
            p.drawRoundedRect(QRectF(-6, -6, 23.5, 40.5), 5, 5);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawPath(rankShape);
        p.drawPath(markShape);
    });
}

QPainterPath StarShape() {
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const double r = (i % 2 == 0) ? 0.5 : 0.2;
        const QPointF pt(r * std::cos(angle), r * std::sin(angle));
        if (i == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    return star;
}

QPainterPath Band(const QPainterPath& line, double width) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(line).simplified();
}

void FillAndLine(QPainter& p, const QPainterPath& shape, const QBrush& fill, const QColor& line,
                 double lineWidth) {
    p.setBrush(fill);
    if (lineWidth > 0)
        p.setPen(QPen(line, lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    else
        p.setPen(Qt::NoPen);
    p.drawPath(shape);
}

void DrawNumberCard(QPainter& p, Suit suit, int rank) {
    DrawShadedGround(p, suit);
    DrawIndices(p, RankText(rank), suit, false);
    if (rank == 1) {
        DrawAce(p, suit);
        return;
    }
    for (const Pip& pip : PipLayout(rank)) {
        DrawPip(p, suit, {pip.x, pip.y}, 12.5, 13.5, pip.y > 48.5);
    }
}

}  // namespace Parts
