// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The two jokers: a sitting cat and an owl on a branch, drawn in black line on
// white, each marked J with a star in its corners.

#include <QLinearGradient>

#include "ArtKit.h"
#include "Parts.h"

using ArtKit::Svg;

namespace Parts {

namespace {

const QColor kLine(20, 20, 20);
const QColor kPaper(255, 255, 255);
constexpr double kPen = 1.25;

// Shapes are filled with paper before their outline is drawn, so whatever lies
// in front hides the lines behind it, as on a pen drawing.
void Shape(QPainter& p, const QPainterPath& path, double pen = kPen) {
    FillAndLine(p, path, kPaper, kLine, pen);
}

void Line(QPainter& p, const QPainterPath& path, double pen = kPen) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kLine, pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

void Dot(QPainter& p, QPointF centre, double rx, double ry) {
    p.setPen(Qt::NoPen);
    p.setBrush(kLine);
    p.drawEllipse(centre, rx, ry);
}

void DrawPaper(QPainter& p) {
    QLinearGradient g(QPointF(0, 0), QPointF(71, 96));
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(1, QColor(246, 244, 238));
    p.fillRect(QRectF(0, 0, 71, 96), g);
}

void DrawCat(QPainter& p) {
    // Tail first: it curls up beside the body.
    Shape(p, Band(Svg("M 27 85 C 15 87 9.5 80 10 71.5 C 10.5 65.5 14 63.5 16.5 66"), 4.2));
    // Body, sitting upright.
    Shape(p, Svg("M 28 42 C 21 52 19 68 21 80 C 22 85 26 87 31 87 L 45 87 "
                 "C 51 87 55 84 55 79 C 56 66 51 52 44 42 Z"));
    // Chest fur and the front legs with their paws.
    Line(p, Svg("M 31 50 L 33 52.5 L 35 50.5 L 37 52.5 L 39 50.5 L 41 52.5"), 0.9);
    Line(p, Svg("M 32 62 C 31 70 31 78 31.5 84"));
    Line(p, Svg("M 42 62 C 43 70 43 78 42.5 84"));
    Shape(p, Svg("M 25.5 87 C 25.5 83.5 28 82.5 31 82.5 C 34 82.5 36 83.5 36 87 Z"));
    Shape(p, Svg("M 38 87 C 38 83.5 40 82.5 43 82.5 C 46 82.5 48.5 83.5 48.5 87 Z"));
    Line(p,
         Svg("M 29.5 87 L 29.5 85.2 M 32.5 87 L 32.5 85.2 M 41.5 87 L 41.5 85.2 "
             "M 44.5 87 L 44.5 85.2"),
         0.8);
    // Ears, then the head over their roots.
    Shape(p, Svg("M 24.5 31 L 23 13.5 L 33.5 22.5 Z"));
    Shape(p, Svg("M 39.5 22.5 L 50 13.5 L 48.5 31 Z"));
    Line(p, Svg("M 25.5 25 L 24.8 17 L 30 21.5 M 43 21.5 L 48.2 17 L 47.5 25"), 0.8);
    Shape(p, Svg("M 36.5 21 C 46 21 50.5 27 50.5 33 C 50.5 40.5 44 45 36.5 45 "
                 "C 29 45 22.5 40.5 22.5 33 C 22.5 27 27 21 36.5 21 Z"));
    // A collar with a little bell: a cat dressed for the fool's part.
    Line(p, Svg("M 27.5 43.5 Q 36.5 48 45.5 43.5"), 1.1);
    Shape(p, Svg("M 34.2 49.5 C 34.2 46.5 35.2 45.6 36.5 45.6 C 37.8 45.6 38.8 46.5 38.8 49.5 Z"),
          0.9);
    Dot(p, {36.5, 49.8}, 0.9, 0.7);
    // Eyes with slit pupils, nose, mouth and whiskers.
    for (double x : {30.5, 42.5}) {
        Shape(p,
              Svg(qPrintable(QStringLiteral("M %1 31.5 Q %2 28 %3 31.5 Q %2 35 %1 31.5 Z")
                                 .arg(x - 4)
                                 .arg(x)
                                 .arg(x + 4))),
              1.0);
        Dot(p, {x, 31.5}, 0.8, 2.3);
    }
    p.setBrush(kLine);
    p.setPen(Qt::NoPen);
    p.drawPath(Svg("M 35 36.2 L 38 36.2 L 36.5 38 Z"));
    Line(p, Svg("M 36.5 38 L 36.5 39.2 Q 34.8 41.2 33 39.8 M 36.5 39.2 Q 38.2 41.2 40 39.8"), 0.9);
    Line(p,
         Svg("M 28 37.5 L 18.5 35.5 M 28 39 L 18 39.5 M 28.5 40.5 L 19.5 43.5 "
             "M 45 37.5 L 54.5 35.5 M 45 39 L 55 39.5 M 44.5 40.5 L 53.5 43.5"),
         0.6);
}

void DrawOwl(QPainter& p) {
    // The branch it perches on.
    Shape(p,
          Svg("M 5 80 C 20 78 38 78.5 53 77.5 L 51.5 79.5 L 54 81.5 C 40 82.5 22 83.5 5 84.5 Z"));
    Line(p, Svg("M 14 80 C 11 76 10 72 12 68"), 1.0);
    Shape(p, Svg("M 12 68 C 8 66 7 62 9 58 C 13 60 14 64 12 68 Z"), 0.9);
    Line(p, Svg("M 12 68 L 10 61"), 0.6);
    // Body with the ear tufts.
    Shape(p, Svg("M 23 15 L 29.5 24.5 Q 36.5 22 43.5 24.5 L 50 15 C 54.5 23 55.5 31 54 39 "
                 "C 58 51 56.5 67 49 75 C 43 80.5 30 80.5 24 75 C 16.5 67 15 51 19 39 "
                 "C 17.5 31 18.5 23 23 15 Z"));
    // Wings folded at the sides.
    Line(p, Svg("M 20 44 C 19 56 21 67 27 74 M 53 44 C 54 56 52 67 46 74"));
    Line(p, Svg("M 21.5 58 Q 23 63 25 66 M 51.5 58 Q 50 63 48 66"), 0.7);
    // Chest feathers.
    Line(p,
         Svg("M 31 52 l 2 2 l 2 -2 M 38 52 l 2 2 l 2 -2 "
             "M 27.5 59 l 2 2 l 2 -2 M 34.5 59 l 2 2 l 2 -2 M 41.5 59 l 2 2 l 2 -2 "
             "M 31 66 l 2 2 l 2 -2 M 38 66 l 2 2 l 2 -2"),
         0.75);
    // Face: two round discs, big eyes, the hooked beak, the brow.
    for (double x : {29.5, 43.5}) {
        QPainterPath disc;
        disc.addEllipse(QPointF(x, 35.5), 7.8, 7.8);
        Shape(p, disc);
        QPainterPath eye;
        eye.addEllipse(QPointF(x, 35.5), 4.2, 4.2);
        Shape(p, eye, 1.0);
        Dot(p, {x, 35.5}, 2.5, 2.5);
        p.setBrush(kPaper);
        p.drawEllipse(QPointF(x + 0.9, 34.5), 0.8, 0.8);
    }
    Line(p, Svg("M 23 27 Q 29.5 25 35 29 M 50 27 Q 43.5 25 38 29"), 1.0);
    Shape(p, Svg("M 34.5 41.5 Q 36.5 40 38.5 41.5 L 36.5 47 Z"), 1.0);
    // Toes over the branch.
    Line(p,
         Svg("M 29 77 l -1.5 3 M 31 77.3 l 0 3 M 33 77 l 1.5 3 "
             "M 40 77 l -1.5 3 M 42 77.3 l 0 3 M 44 77 l 1.5 3"),
         1.0);
}

}  // namespace

void DrawJoker(QPainter& p, int which) {
    DrawPaper(p);
    if (which == 0)
        DrawCat(p);
    else
        DrawOwl(p);
    DrawIndices(p, QStringLiteral("J"), StarShape(), kLine, false);
}

}  // namespace Parts
