// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The four card backs: a white cat on pink, a rabbit under the moon on a blue
// gradient, a blue chequer, and a plain glossy dark blue.

#include <QLinearGradient>
#include <QRadialGradient>
#include <QTransform>
#include <cmath>

#include "ArtKit.h"
#include "Parts.h"

using ArtKit::Svg;

namespace Parts {

namespace {

// Every back leaves a narrow white border inside the outline.
const QRectF kField(3, 3, 65, 90);

QPainterPath FieldShape() {
    QPainterPath field;
    field.addRoundedRect(kField, 2.5, 2.5);
    return field;
}

void FillField(QPainter& p, const QBrush& brush) {
    p.setPen(Qt::NoPen);
    p.setBrush(brush);
    p.drawPath(FieldShape());
}

void InnerRule(QPainter& p, const QColor& colour, double inset, double width) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, width));
    p.drawRoundedRect(kField.adjusted(inset, inset, -inset, -inset), 2, 2);
}

QPainterPath PawPrint(QPointF at, double size) {
    QPainterPath paw;
    paw.addEllipse(at + QPointF(0, 0.35 * size), 0.42 * size, 0.34 * size);
    paw.addEllipse(at + QPointF(-0.5 * size, -0.12 * size), 0.16 * size, 0.2 * size);
    paw.addEllipse(at + QPointF(-0.18 * size, -0.42 * size), 0.16 * size, 0.2 * size);
    paw.addEllipse(at + QPointF(0.18 * size, -0.42 * size), 0.16 * size, 0.2 * size);
    paw.addEllipse(at + QPointF(0.5 * size, -0.12 * size), 0.16 * size, 0.2 * size);
    return paw;
}

void DrawCatBack(QPainter& p) {
    QRadialGradient pink(QPointF(35.5, 44), 58);
    pink.setColorAt(0, QColor(255, 214, 228));
    pink.setColorAt(1, QColor(240, 128, 170));
    FillField(p, pink);
    p.save();
    p.setClipPath(FieldShape());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 70));
    for (int row = 0; row < 8; ++row) {
        for (int col = 0; col < 5; ++col) {
            const double x = 9 + col * 14 + (row % 2) * 7;
            const double y = 9 + row * 12;
            p.save();
            p.translate(x, y);
            p.rotate(row % 2 ? 18 : -18);
            p.drawPath(PawPrint({0, 0}, 4.5));
            p.restore();
        }
    }
    p.restore();
    InnerRule(p, QColor(255, 255, 255, 200), 2, 0.8);

    const QColor line(150, 96, 122);
    QLinearGradient fur(QPointF(22, 0), QPointF(54, 0));
    fur.setColorAt(0, QColor(255, 255, 255));
    fur.setColorAt(0.6, QColor(255, 255, 255));
    fur.setColorAt(1, QColor(238, 222, 232));
    const double pen = 1.1;
    // Tail, body and paws.
    FillAndLine(p, Band(Svg("M 46 82 C 58 84 62 75 60 67 C 59 62 55 61 53 64"), 5), fur, line, pen);
    FillAndLine(p,
                Svg("M 26 44 C 19 54 17 68 19 78 C 20 84 25 86 30 86 L 42 86 "
                    "C 48 86 52 84 53 78 C 55 68 52 54 45 44 Z"),
                fur, line, pen);
    FillAndLine(p, ArtKit::Ellipse({30, 85}, 5, 2.8), Qt::white, line, pen);
    FillAndLine(p, ArtKit::Ellipse({41.5, 85}, 5, 2.8), Qt::white, line, pen);
    // Ears with pink insides, then the round head.
    FillAndLine(p, Svg("M 22.5 34 L 21 15 L 32.5 24 Z"), fur, line, pen);
    FillAndLine(p, Svg("M 38.5 24 L 50 15 L 48.5 34 Z"), fur, line, pen);
    FillAndLine(p, Svg("M 24 30 L 23.2 19.5 L 29.5 24.5 Z"), QColor(250, 170, 196), line, 0);
    FillAndLine(p, Svg("M 41.5 24.5 L 47.8 19.5 L 47 30 Z"), QColor(250, 170, 196), line, 0);
    FillAndLine(p, ArtKit::Ellipse({35.5, 35}, 14.5, 12), fur, line, pen);
    // A content face: closed eyes, pink cheeks, nose and mouth, whiskers.
    FillAndLine(p, ArtKit::Ellipse({26.5, 39.5}, 3, 1.8), QColor(255, 160, 190, 150), line, 0);
    FillAndLine(p, ArtKit::Ellipse({44.5, 39.5}, 3, 1.8), QColor(255, 160, 190, 150), line, 0);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(70, 40, 56), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(Svg("M 26.5 35 Q 29.5 31.8 32.5 35 M 38.5 35 Q 41.5 31.8 44.5 35"));
    FillAndLine(p, Svg("M 34 37.8 L 37 37.8 L 35.5 39.6 Z"), QColor(240, 110, 150),
                QColor(240, 110, 150), 0.6);
    p.setPen(QPen(QColor(110, 60, 84), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(Svg("M 35.5 39.6 L 35.5 40.6 Q 34 42.4 32.4 41 M 35.5 40.6 Q 37 42.4 38.6 41"));
    p.setPen(QPen(QColor(160, 120, 140), 0.55, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(Svg("M 23 38 L 14 36 M 23 40 L 14 41 M 48 38 L 57 36 M 48 40 L 57 41"));
}

void DrawRabbitBack(QPainter& p) {
    QLinearGradient night(kField.topLeft(), kField.bottomLeft());
    night.setColorAt(0, QColor(14, 38, 110));
    night.setColorAt(1, QColor(84, 150, 226));
    FillField(p, night);
    p.save();
    p.setClipPath(FieldShape());
    // The full moon with its glow, and a few stars.
    QRadialGradient glow(QPointF(48, 23), 22);
    glow.setColorAt(0, QColor(255, 250, 210, 150));
    glow.setColorAt(1, QColor(255, 250, 210, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(48, 23), 22, 22);
    QRadialGradient moon(QPointF(45, 20), 12);
    moon.setColorAt(0, QColor(255, 253, 236));
    moon.setColorAt(1, QColor(252, 236, 170));
    p.setBrush(moon);
    p.drawEllipse(QPointF(48, 23), 10, 10);
    p.setBrush(QColor(236, 218, 150, 120));
    p.drawEllipse(QPointF(45, 21), 2.2, 1.8);
    p.drawEllipse(QPointF(51, 26), 1.6, 1.4);
    p.setBrush(QColor(255, 255, 255, 220));
    const QPointF stars[] = {{12, 12}, {22, 21}, {9, 34}, {30, 9}, {61, 42}, {17, 48}, {58, 8}};
    for (const QPointF& s : stars)
        p.drawPath(QTransform::fromTranslate(s.x(), s.y())
                       .map(QTransform::fromScale(3.2, 3.2).map(StarShape())));
    // A hill to sit on.
    p.setBrush(QColor(20, 50, 110));
    p.drawPath(Svg("M 0 84 Q 34 74 71 80 L 71 96 L 0 96 Z"));
    p.restore();
    InnerRule(p, QColor(255, 255, 255, 140), 2, 0.7);

    // The rabbit, sitting and looking up at the moon.
    const QColor line(96, 116, 160);
    QLinearGradient fur(QPointF(0, 40), QPointF(0, 88));
    fur.setColorAt(0, QColor(255, 255, 255));
    fur.setColorAt(1, QColor(222, 230, 244));
    const double pen = 1.0;
    FillAndLine(p, ArtKit::Ellipse({15.5, 74}, 4, 3.6), Qt::white, line, pen);  // tail
    FillAndLine(p,
                Svg("M 17 82 C 13 74 15 62 24 57 C 31 53 40 55 43 62 C 46 69 45 79 41 84 "
                    "L 21 84 C 19 84 18 83.5 17 82 Z"),
                fur, line, pen);
    // The haunch and the long hind foot.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(line, 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(Svg("M 20.5 79 C 20 71.5 26.5 67.5 32.5 70.5"));
    FillAndLine(p, ArtKit::Ellipse({25.5, 83.6}, 7, 2.1), Qt::white, line, pen);
    FillAndLine(p, ArtKit::Ellipse({41, 83}, 4.2, 2.2), Qt::white, line, pen);  // front paw
    FillAndLine(p, ArtKit::Ellipse({33, 38}, 3.4, 11, -24), fur, line, pen);    // far ear
    FillAndLine(p, ArtKit::Ellipse({38.5, 37}, 3.6, 12, -8), fur, line, pen);   // near ear
    FillAndLine(p, ArtKit::Ellipse({38.6, 38}, 1.6, 8.5, -8), QColor(246, 178, 200), line, 0);
    FillAndLine(p, ArtKit::Ellipse({42, 53}, 8.5, 7, -18), fur, line, pen);  // head
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 30, 60));
    p.drawEllipse(QPointF(44.5, 50.5), 1.3, 1.5);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(44.9, 50), 0.45, 0.45);
    p.setBrush(QColor(240, 130, 160));
    p.drawEllipse(QPointF(49.6, 51.5), 1.1, 0.9);
    p.setBrush(QColor(255, 170, 190, 120));
    p.drawEllipse(QPointF(44, 55.5), 2.2, 1.4);
}

void DrawChequerBack(QPainter& p) {
    FillField(p, QColor(26, 72, 168));
    p.save();
    p.setClipPath(FieldShape());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 130, 220));
    constexpr int cell = 5;
    for (int row = 0; row * cell < kField.height(); ++row) {
        for (int col = 0; col * cell < kField.width(); ++col) {
            if ((row + col) % 2 == 0)
                p.drawRect(
                    QRectF(kField.left() + col * cell, kField.top() + row * cell, cell, cell));
        }
    }
    // A soft sheen from the top-left corner.
    QLinearGradient sheen(kField.topLeft(), kField.bottomRight());
    sheen.setColorAt(0, QColor(255, 255, 255, 90));
    sheen.setColorAt(0.5, QColor(255, 255, 255, 0));
    sheen.setColorAt(1, QColor(0, 0, 40, 60));
    p.setBrush(sheen);
    p.drawRect(kField);
    p.restore();
    InnerRule(p, QColor(255, 255, 255), 2.5, 1.0);
}

void DrawGlossBack(QPainter& p) {
    QLinearGradient deep(kField.topLeft(), kField.bottomLeft());
    deep.setColorAt(0, QColor(36, 70, 160));
    deep.setColorAt(0.5, QColor(16, 38, 112));
    deep.setColorAt(1, QColor(6, 18, 66));
    FillField(p, deep);
    p.save();
    p.setClipPath(FieldShape());
    // The gloss: a bright sweep over the upper part, as on lacquer.
    QLinearGradient gloss(QPointF(0, 3), QPointF(0, 46));
    gloss.setColorAt(0, QColor(255, 255, 255, 120));
    gloss.setColorAt(1, QColor(255, 255, 255, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawPath(Svg("M 0 0 L 71 0 L 71 30 C 50 44 22 48 0 54 Z"));
    QRadialGradient shine(QPointF(20, 14), 16);
    shine.setColorAt(0, QColor(255, 255, 255, 90));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(shine);
    p.drawEllipse(QPointF(20, 14), 16, 16);
    p.restore();
    InnerRule(p, QColor(120, 160, 240, 160), 1.5, 0.8);
}

}  // namespace

void DrawBack(QPainter& p, int index) {
    p.fillRect(QRectF(0, 0, ArtKit::kCardWidth, ArtKit::kCardHeight), Qt::white);
    switch (index) {
        case 0:
            DrawCatBack(p);
            break;
        case 1:
            DrawRabbitBack(p);
            break;
        case 2:
            DrawChequerBack(p);
            break;
        default:
            DrawGlossBack(p);
            break;
    }
}

}  // namespace Parts
