// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The figures of the court cards: three birds for spades (heron, a pair of ducks,
// a king penguin) and three hoofed animals for hearts (horse, antelope, stag).

#include <QLinearGradient>
#include <QRadialGradient>
#include <QTransform>

#include "ArtKit.h"
#include "Parts.h"

using ArtKit::Svg;

namespace Parts {

namespace {

QBrush Shade(QPointF from, QPointF to, const QColor& light, const QColor& dark) {
    QLinearGradient g(from, to);
    g.setColorAt(0, light);
    g.setColorAt(1, dark);
    return g;
}

void Stroke(QPainter& p, const QPainterPath& path, const QColor& colour, double width) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

void Eye(QPainter& p, QPointF at, double r, const QColor& iris) {
    p.setPen(Qt::NoPen);
    p.setBrush(iris);
    p.drawEllipse(at, r, r);
    p.setBrush(QColor(10, 10, 10));
    p.drawEllipse(at, r * 0.55, r * 0.55);
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawEllipse(at + QPointF(-r * 0.3, -r * 0.35), r * 0.28, r * 0.28);
}

// Shallow water with a few bright ripples, for the wading and swimming birds.
void Water(QPainter& p, double top) {
    QLinearGradient g(QPointF(0, top), QPointF(0, 96));
    g.setColorAt(0, QColor(120, 186, 228));
    g.setColorAt(1, QColor(62, 132, 196));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRect(QRectF(0, top, 71, 96 - top));
    Stroke(p, Svg("M 4 0 h 10 M 22 0 h 14 M 44 0 h 8").translated(0, top + 3),
           QColor(255, 255, 255, 170), 0.8);
    Stroke(p, Svg("M 10 0 h 12 M 30 0 h 9 M 50 0 h 14").translated(0, top + 7),
           QColor(255, 255, 255, 120), 0.7);
}

// ---- spades: the birds --------------------------------------------------------

void HeronFigure(QPainter& p) {
    const QColor ink(40, 48, 58);
    // Legs, standing in the water.
    Stroke(p, Svg("M 41 60 L 40 86 M 45 60 L 47.5 86"), QColor(176, 150, 88), 1.5);
    // Body and the folded wing.
    p.setPen(QPen(ink, 0.8));
    p.setBrush(Shade({32, 44}, {56, 62}, QColor(210, 218, 228), QColor(150, 164, 180)));
    p.drawPath(
        Svg("M 31 48 C 35 42 45 42 52 47 C 56 50 58.5 55 59 60 C 54 61.5 49 61.5 44 61 "
            "C 37 60 32 56 31 48 Z"));
    p.setBrush(Shade({36, 45}, {58, 60}, QColor(140, 154, 170), QColor(92, 104, 120)));
    p.drawPath(
        Svg("M 35 46.5 C 42 44 49 45.5 54 50 C 57 53 58.5 56.5 58.5 59.5 "
            "C 52 57.5 45 54.5 39 51.5 C 36.5 50 35 48.5 35 46.5 Z"));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(36, 42, 52));
    p.drawPath(Svg("M 49 52 C 53 53.5 56.5 56 58.5 59.5 C 54.5 58.5 51 56.5 48 54 Z"));
    // Drooping breast plumes.
    Stroke(p, Svg("M 32 49 C 31 53 31.5 56 33 58 M 34 50 C 33.5 54 34.5 57 36 59"),
           QColor(235, 240, 246), 1.0);
    // The long neck in an S, then the head.
    p.setPen(QPen(ink, 0.8));
    p.setBrush(Shade({26, 20}, {38, 46}, QColor(252, 253, 255), QColor(214, 222, 232)));
    p.drawPath(
        Svg("M 31 50 C 25 42 29 35 27.5 28.5 C 27 25 25.5 23 25.5 20.5 L 30.5 19.5 "
            "C 32 23 33.5 28 34 33 C 34.5 39 36.5 43 39 45 Z"));
    Stroke(p, Svg("M 28.5 26 l 0.6 1.8 M 29 31 l 0.6 1.8 M 29.5 36 l 0.7 1.8 M 30.5 41 l 0.8 1.6"),
           QColor(50, 56, 66), 0.9);
    // The black crest trailing back from the crown.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(24, 26, 32));
    p.drawPath(Svg("M 29 15.5 C 33 14 38 14.5 42 17.5 C 37 16.8 33 17.2 30 18.6 Z"));
    p.setPen(QPen(ink, 0.7));
    p.setBrush(QColor(246, 248, 252));
    p.drawPath(ArtKit::Ellipse({28, 18.2}, 4.2, 3.3, -8));
    // The dagger of a beak.
    p.setBrush(Shade({24, 16}, {14, 22}, QColor(250, 200, 70), QColor(214, 140, 30)));
    p.setPen(QPen(QColor(150, 96, 20), 0.5));
    p.drawPath(Svg("M 25 16.6 L 12.5 21.2 L 25.2 19.6 Z"));
    Stroke(p, Svg("M 25.5 16.3 Q 28 15.2 31 15.8"), QColor(24, 26, 32), 1.1);
    Eye(p, {26.6, 17.6}, 1.1, QColor(250, 210, 60));
}

void DuckFigure(QPainter& p, bool drake) {
    const QColor ink(50, 40, 32);
    // A dark reflection and a ring of ripples around the waterline.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 80, 130, 50));
    p.drawPath(ArtKit::Ellipse({-1, 1.2}, 15, 2.2));
    Stroke(p, Svg("M -19 1.5 Q -17 0.6 -15 1.5 M 14 1.2 Q 16.5 0.2 19 1.4 M -8 3.2 Q 0 4 8 3.2"),
           QColor(255, 255, 255, 200), 0.7);

    const QPainterPath body =
        Svg("M -13 -5 C -13 -10 -7 -12 0 -11 C 5 -10.5 9 -11 13.5 -13.5 C 14 -9 12.5 -3 8.5 0 "
            "L -9 0 C -12 -1 -13 -3 -13 -5 Z");
    p.setPen(QPen(ink, 0.6));
    if (drake) {
        p.setBrush(Shade({0, -12}, {0, 0}, QColor(236, 236, 232), QColor(186, 186, 182)));
        p.drawPath(body);
        // Chestnut breast.
        p.save();
        p.setClipPath(body);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(122, 56, 34));
        p.drawPath(Svg("M -16 -14 L -5 -14 C -4 -9 -5 -4 -7 2 L -16 2 Z"));
        p.restore();
        // Black curled tail.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(24, 24, 28));
        p.drawPath(Svg("M 9 -11 C 11 -12 13 -13 13.5 -13.5 C 13.8 -11 13 -8 11.5 -6 Z"));
        Stroke(p, Svg("M 12.4 -13 C 13.5 -15.5 11.5 -16.5 10.8 -15"), QColor(24, 24, 28), 0.7);
    } else {
        p.setBrush(Shade({0, -12}, {0, 0}, QColor(196, 158, 110), QColor(150, 112, 72)));
        p.drawPath(body);
        p.save();
        p.setClipPath(body);
        for (int i = 0; i < 5; ++i)
            Stroke(p, Svg("M -1.2 0 l 1.2 1 l 1.2 -1").translated(-8 + i * 4, -6 + (i % 2) * 2.5),
                   QColor(96, 66, 40), 0.6);
        p.restore();
    }
    // The folded wing with its blue mirror.
    p.setPen(QPen(ink, 0.5));
    p.setBrush(drake ? QColor(150, 140, 128) : QColor(128, 94, 60));
    p.drawPath(Svg("M -5 -8 C 0 -10.5 7 -10 11.5 -8 C 9.5 -4 3 -3 -3 -4 C -5 -5 -6 -6.5 -5 -8 Z"));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 84, 200));
    p.drawPath(Svg("M 3.5 -8.6 L 9.5 -8.2 L 8.5 -6.4 L 3 -6.6 Z"));
    Stroke(p, Svg("M 3.3 -9.1 L 9.7 -8.7 M 2.8 -6.1 L 8.4 -5.9"), QColor(255, 255, 255), 0.45);
    // Neck and head.
    const QColor head = drake ? QColor(24, 116, 58) : QColor(150, 112, 74);
    p.setPen(Qt::NoPen);
    p.setBrush(head);
    p.drawPath(Band(Svg("M -10 -15 L -9.6 -8.5"), 5.6));
    p.setPen(QPen(ink, 0.5));
    p.setBrush(drake ? QBrush(Shade({-13, -21}, {-7, -12}, QColor(60, 170, 96), QColor(14, 88, 46)))
                     : QBrush(head));
    p.drawPath(ArtKit::Ellipse({-10, -16.5}, 4.6, 4.2));
    if (drake) {
        Stroke(p, Svg("M -12.6 -10.8 Q -9.6 -9.6 -7 -10.8"), QColor(255, 255, 255), 1.0);
    } else {
        Stroke(p, Svg("M -14 -17.6 L -7 -17"), QColor(92, 64, 40), 0.8);  // eye stripe
    }
    // Flat bill.
    p.setPen(QPen(ink, 0.45));
    p.setBrush(drake ? QColor(236, 200, 56) : QColor(220, 140, 50));
    p.drawPath(
        Svg("M -14 -18.3 Q -18 -18.4 -20.6 -15.9 Q -19.8 -14.5 -17 -14.8 "
            "Q -15.4 -14.9 -13.8 -15.2 Z"));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 20, 14));
    p.drawEllipse(QPointF(-19.6, -15.6), 0.6, 0.5);
    Eye(p, {-11.2, -17.6}, 0.85, QColor(60, 36, 20));
}

void PenguinFigure(QPainter& p) {
    // The floe it stands on.
    p.setPen(Qt::NoPen);
    p.setBrush(Shade({0, 80}, {0, 96}, QColor(250, 253, 255), QColor(190, 214, 236)));
    p.drawPath(Svg("M 2 90 C 14 84 44 82 70 86 L 71 96 L 0 96 Z"));
    p.setBrush(QColor(60, 90, 130, 60));
    p.drawPath(ArtKit::Ellipse({38, 87.5}, 13, 2));

    const QColor ink(10, 12, 18);
    // Feet.
    p.setBrush(QColor(40, 40, 46));
    p.drawPath(ArtKit::Ellipse({33, 86.5}, 4, 1.6));
    p.drawPath(ArtKit::Ellipse({43.5, 86.5}, 4, 1.6));
    // The back and head, silver-grey going to black.
    const QPainterPath body =
        Svg("M 38 13 C 45 13 49 19 48.5 27 C 53 38 57 54 55 69 C 53.5 80 47 86.5 38.5 86.5 "
            "C 29 86.5 23 80.5 22 70 C 21 58 24.5 44 30 34 C 28.5 29 28.5 22 30.5 18 "
            "C 32 15 35 13 38 13 Z");
    p.setPen(QPen(ink, 0.7));
    p.setBrush(Shade({28, 40}, {58, 56}, QColor(30, 36, 46), QColor(118, 134, 156)));
    p.drawPath(body);
    // White front with the golden-orange throat.
    QLinearGradient front(QPointF(0, 30), QPointF(0, 60));
    front.setColorAt(0.0, QColor(246, 160, 40));
    front.setColorAt(0.3, QColor(252, 214, 96));
    front.setColorAt(0.62, QColor(255, 255, 255));
    front.setColorAt(1.0, QColor(236, 240, 246));
    p.setPen(Qt::NoPen);
    p.setBrush(front);
    p.drawPath(
        Svg("M 31 33 C 26 45 24 60 26 72 C 27.5 80.5 33 84.5 39 84.5 "
            "C 44.5 84.5 48 79 48 70 C 48 56 44 43 39.5 31.5 C 36.5 30 33.5 30.8 31 33 Z"));
    // The orange ear patch behind the eye.
    p.setBrush(Shade({36, 21}, {38, 32}, QColor(255, 200, 60), QColor(240, 130, 20)));
    p.drawPath(
        Svg("M 37 21.5 C 40.5 21.5 41.5 26 39.5 30 C 38.5 32 36.5 33 35 32.5 "
            "C 37.5 29 37.5 25.5 37 21.5 Z"));
    // The flipper against the side.
    p.setPen(QPen(ink, 0.6));
    p.setBrush(Shade({44, 40}, {52, 70}, QColor(70, 84, 104), QColor(20, 24, 32)));
    p.drawPath(Svg("M 45.5 39 C 50.5 48 52.5 60 48.5 71 C 46 62 44 51 44 41 Z"));
    // The long curved bill with its orange stripe.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(16, 16, 20));
    p.drawPath(Svg("M 30.5 20.8 C 26.5 21 22 23 18.5 26.8 C 23 25.8 27 25.3 31 25 Z"));
    Stroke(p, Svg("M 29.5 24.6 C 26.5 24.9 23.5 25.5 20.5 26.3"), QColor(246, 130, 40), 0.9);
    // A bright eye on the black head.
    p.setBrush(QColor(70, 60, 50));
    p.drawEllipse(QPointF(33.2, 20.3), 1.0, 1.0);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(QPointF(32.9, 19.9), 0.4, 0.4);
}

// ---- hearts: the hoofed animals -------------------------------------------------

// A pale low sun and far hills, behind every animal of the suit.
void Dusk(QPainter& p, QPointF sun) {
    QRadialGradient glow(sun, 26);
    glow.setColorAt(0, QColor(255, 250, 214, 230));
    glow.setColorAt(0.45, QColor(255, 236, 170, 150));
    glow.setColorAt(1, QColor(255, 220, 140, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(sun, 26, 26);
    p.setBrush(QColor(190, 70, 30, 120));
    p.drawPath(Svg("M 0 80 C 12 74 22 76 32 80 C 44 74 58 72 71 78 L 71 96 L 0 96 Z"));
}

void HorseFigure(QPainter& p) {
    const QColor ink(58, 22, 8);
    // Neck and head in one piece.
    const QPainterPath horse = Svg(
        "M 44.5 17 C 50 19 55 26 57 35 C 59 45 58.5 58 56 70 C 54.5 78 53.5 88 53.5 96 "
        "L 37 96 C 38 88 40.5 78 42.5 70 C 44.5 62 46.5 55 46.5 48.5 "
        "C 45.5 53 42 55.5 38 56.5 C 34 57.5 29 57.5 24.5 57.2 C 20.5 57 18 54.5 18.2 51 "
        "C 18.5 47.5 20.5 44 22.5 40.5 C 26.5 34 30.5 27 34.5 21.5 C 37.5 17.5 41 16 44.5 17 Z");
    p.setPen(QPen(ink, 0.8));
    p.setBrush(Shade({22, 20}, {56, 70}, QColor(200, 108, 48), QColor(120, 50, 18)));
    p.drawPath(horse);
    // Jaw line and cheek.
    Stroke(p, Svg("M 37.5 55.5 C 43.5 52.5 45.5 45.5 41.5 40.5"), QColor(110, 44, 14), 0.9);
    // A white blaze down the face.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 246, 232));
    p.drawPath(
        Svg("M 34 24 C 35.5 24 36 25.5 35 27.5 C 31 34 26.5 42 22.5 50 "
            "C 21.5 51.5 20.5 51 21 49.5 C 24 41 28.5 32 32 25.5 C 32.5 24.5 33.2 24 34 24 Z"));
    // The ears.
    p.setPen(QPen(ink, 0.7));
    p.setBrush(QColor(100, 40, 14));
    p.drawPath(Svg("M 40 19 C 40 13 42 8 44.5 5.5 C 46 9 46.5 14 45.5 19 Z"));
    p.drawPath(Svg("M 44.5 19.5 C 45.5 13.5 48 9 50.5 7 C 51.5 11 51 16 49 20.5 Z"));
    // The flowing dark mane along the crest, and the forelock.
    p.setPen(Qt::NoPen);
    p.setBrush(Shade({50, 18}, {60, 80}, QColor(70, 30, 14), QColor(34, 12, 4)));
    p.drawPath(
        Svg("M 46 16.5 C 53 18 58.5 26 60.5 36 C 62.5 46 62 58 60 68 "
            "C 59 74 59.5 80 61 86 C 57 82 55.5 76 56 70 C 54 74 53 80 53.5 86 "
            "C 51 79 51.5 71 53.5 64 C 55.5 54 55.5 42 52.5 32 C 51 26 48.5 21 45 18 Z"));
    p.drawPath(Svg("M 41.5 18.5 C 39 20 36.5 22.5 35 26.5 C 38 24.5 40 23.5 43 23.5 Z"));
    Stroke(p, Svg("M 56.5 30 C 58.5 40 58.5 52 56.5 62 M 53.5 26 C 56 34 57 44 55.5 54"),
           QColor(110, 52, 26), 0.5);
    // Eye, nostril and mouth.
    Eye(p, {36.8, 32.8}, 1.5, QColor(60, 30, 14));
    Stroke(p, Svg("M 34.6 30.8 Q 36.8 29.4 39 30.8"), QColor(60, 20, 6), 0.6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(46, 16, 6));
    p.drawPath(ArtKit::Ellipse({21.4, 49}, 1.4, 0.9, -50));
    Stroke(p, Svg("M 19.5 54.2 Q 22 55 24.5 54.6"), QColor(70, 26, 8), 0.6);
    // A red bridle with a small heart on the cheek strap.
    Stroke(p,
           Svg("M 40.5 20.5 C 41.5 28 42 36 41 44 C 40.5 48 38 51 34 53.5 "
               "M 23.5 45 C 30 46.5 35 45.5 41 42.5 M 33 27 C 36 27.5 39 26.5 41.2 24.5"),
           QColor(196, 20, 40), 1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 210, 80));
    p.drawPath(
        ArtKit::FitInto(ArtKit::SuitShape(ArtKit::Suit::Hearts), QRectF(39, 40.5, 4.5, 4.5)));
}

void AntelopeFigure(QPainter& p) {
    const QColor ink(70, 34, 10);
    // Two long scimitar horns sweeping back, ringed near the base.
    const QColor horn(52, 36, 26);
    p.setPen(Qt::NoPen);
    p.setBrush(Shade({36, 20}, {62, 4}, QColor(90, 66, 46), horn));
    p.drawPath(Svg("M 37.5 24 C 38 14 45 6.5 58.5 3.5 C 47.5 8.5 42.5 15 41.5 25 Z"));
    p.drawPath(Svg("M 41.5 25 C 43 15.5 50.5 8.5 64 6.5 C 53 11 47 17.5 45.5 26 Z"));
    for (int i = 0; i < 5; ++i) {
        const double t = i * 2.2;
        Stroke(p, Svg("M 0 0 l 4 0.6").translated(37.8 + t * 0.35, 22 - t), QColor(150, 120, 90),
               0.55);
        Stroke(p, Svg("M 0 0 l 4 0.6").translated(41.9 + t * 0.45, 23 - t), QColor(150, 120, 90),
               0.55);
    }
    // Slender neck and long face.
    const QPainterPath body =
        Svg("M 44 23 C 49 25 52.5 31 53.5 40 C 54.5 50 53 62 51.5 74 C 50.5 82 50.5 90 51 96 "
            "L 37 96 C 38 87 40 78 41 70 C 42 63 42 58 40.5 55 C 37.5 55 34 56 30.5 57.5 "
            "C 27 59 23.5 59.5 21.5 58 C 19.5 56.5 19.5 53.5 21 50.5 C 24 44 28.5 36 32.5 29.5 "
            "C 35.5 25 39 22 44 23 Z");
    p.setPen(QPen(ink, 0.8));
    p.setBrush(Shade({24, 24}, {54, 70}, QColor(232, 170, 92), QColor(168, 96, 40)));
    p.drawPath(body);
    // The ears, held out to the side.
    p.setBrush(QColor(206, 140, 70));
    p.drawPath(Svg("M 46 27 C 50 23.5 55 22 60 22.5 C 57 26.5 52 29.5 47 30.5 Z"));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 226, 200));
    p.drawPath(Svg("M 48 27.5 C 51.5 25.3 54.5 24.4 57.5 24.2 C 55 26.5 51.5 28.3 48.5 29 Z"));
    // Face markings: a dark band through the eye, white cheek and muzzle, pale throat.
    p.setBrush(QColor(60, 34, 20));
    p.drawPath(
        Svg("M 40.5 27 C 37 31 33 38 29 47 C 27.5 50 25.5 52.5 23 53.5 "
            "C 27 47 31 38 35.5 30 C 37 27.5 38.7 26.5 40.5 27 Z"));
    p.setBrush(QColor(255, 250, 240));
    p.drawPath(
        Svg("M 41.5 30 C 39.5 36 36 44 32 51 C 30.5 53.5 28.5 55 26 55.5 "
            "C 30.5 50 34.5 42 38 34 C 39 31.5 40 30 41.5 30 Z"));
    p.drawPath(Svg("M 20.6 54 C 21.5 57.5 24.5 58.5 28 57 C 25.5 56.5 22.5 55.5 20.6 54 Z"));
    p.setBrush(QColor(255, 244, 226, 200));
    p.drawPath(Svg("M 41 56 C 42.5 62 42.5 70 41 78 L 44 78 C 45 70 44.5 62 43 56 Z"));
    // Eye and nostril.
    Eye(p, {38.2, 32.6}, 1.4, QColor(40, 24, 14));
    p.setBrush(QColor(40, 20, 10));
    p.setPen(Qt::NoPen);
    p.drawPath(ArtKit::Ellipse({22.2, 52.5}, 1.2, 0.8, -55));
}

void Antler(QPainter& p, const char* shape, const QColor& colour, double width,
            QPointF offset = {}) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(Svg(shape).translated(offset));
}

// The rack seen a little from the front: the near antler sweeps back, the far one
// rises forward, so the two open like a V above the head.
const char* const kNearAntler =
    "M 43 28 C 45 21 49 15 54 11 C 57 8.5 60 7 63.5 6.5 "  // main beam
    "M 44.5 24 C 47.5 22 50.5 21.5 53.5 22.5 "             // brow tine
    "M 48.5 15.5 C 48 12 48.5 8.5 50 5.5 "                 // bez tine
    "M 56.5 9.5 C 57 7 58 5 59.5 3.5 "                     // the crown
    "M 63.5 6.5 C 65 6.5 66.5 7.5 67 9";
const char* const kFarAntler =
    "M 39 27.5 C 37.5 21 35 15.5 30.5 11 C 28.5 9 26.5 7.5 24 6.5 "
    "M 38 23.5 C 35 22 32 22 29 23.5 "
    "M 35 16.5 C 36.5 13 36.5 9.5 35.5 6 "
    "M 28.5 9.5 C 28.5 7 29 5 30.5 3.5";

void DeerFigure(QPainter& p) {
    const QColor ink(64, 26, 8);
    // The far antler first, darker, a little behind.
    Antler(p, kFarAntler, QColor(88, 56, 30), 2.4);
    // The neck with its shaggy ruff and the head.
    const QPainterPath body =
        Svg("M 45 27 C 51 29 55 36 56 46 C 57 56 55 68 53.5 78 C 52.5 84 52.5 90 53 96 "
            "L 36 96 C 37 88 38.5 80 39 74 C 36.5 72 37.5 68 36 66 C 35 63.5 37 61 36.5 58.5 "
            "C 33.5 58.5 30 59.5 27 60.5 C 23.5 61.5 20.5 61 19.5 58.5 C 18.5 56 19.5 53 21.5 50 "
            "C 25 44 29 38 33 33 C 36.5 28.5 40.5 26 45 27 Z");
    p.setPen(QPen(ink, 0.8));
    p.setBrush(Shade({22, 28}, {56, 72}, QColor(196, 110, 56), QColor(118, 54, 22)));
    p.drawPath(body);
    Stroke(p, Svg("M 39.5 66 l -3 1.5 M 39 70 l -3 1.8 M 40 61.5 l -2.5 1.2"), QColor(96, 40, 14),
           0.8);
    // The ear.
    p.setBrush(QColor(170, 92, 44));
    p.setPen(QPen(ink, 0.7));
    p.drawPath(Svg("M 46.5 31 C 50.5 27.5 55.5 26.5 60 27.5 C 57 31 52 33.5 47.5 34 Z"));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 210, 186));
    p.drawPath(Svg("M 48.5 31.5 C 51.5 29.5 54.5 28.8 57.5 29 C 55 31 52 32.3 49 32.8 Z"));
    // Pale muzzle, dark nose, white throat patch.
    p.setBrush(QColor(236, 200, 170));
    p.drawPath(Svg("M 20 56.5 C 21 60 25 61 29 59.5 C 26 59 22.5 58 20 56.5 Z"));
    p.setBrush(QColor(34, 20, 14));
    p.drawPath(Svg("M 19.3 51.8 C 20.5 50 22.5 50 23 51.8 C 23 53.5 21 54.5 19.6 54.2 Z"));
    p.setBrush(QColor(255, 248, 238));
    p.drawPath(Svg("M 38.5 62 C 40.5 60.5 43 60.5 44 62.5 C 43 64.5 40.5 65 38.5 64 Z"));
    // Eye with a dark lash line.
    Eye(p, {37.4, 38}, 1.45, QColor(40, 20, 10));
    Stroke(p, Svg("M 35 36.6 Q 37.4 35.2 39.8 36.8"), QColor(40, 16, 6), 0.6);
    // The near antler over the head.
    Antler(p, kNearAntler, QColor(70, 44, 22), 2.8);
    Antler(p, kNearAntler, QColor(226, 196, 148), 0.9, {-0.5, -0.5});
}

}  // namespace

void DrawHeron(QPainter& p) {
    Water(p, 80);
    // Reeds at the water's edge.
    Stroke(p,
           Svg("M 9 90 C 8 78 7 68 8 56 M 12 90 C 12 80 13.5 72 16 62 M 6 90 C 5 82 3.5 76 2 70"),
           QColor(62, 118, 64), 1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 80, 40));
    p.drawPath(ArtKit::Ellipse({8, 57}, 1.3, 4));
    p.save();
    p.translate(5, 0);
    HeronFigure(p);
    p.restore();
}

void DrawDucks(QPainter& p) {
    p.save();
    p.translate(45, 41);
    p.scale(1.12, 1.12);
    DuckFigure(p, true);
    p.restore();
    p.save();
    p.translate(27, 81);
    p.scale(-1.12, 1.12);
    DuckFigure(p, false);
    p.restore();
}

void DrawPenguin(QPainter& p) {
    p.save();
    p.translate(3, 0);
    PenguinFigure(p);
    p.restore();
}

void DrawHorse(QPainter& p) {
    Dusk(p, {44, 30});
    HorseFigure(p);
}

void DrawAntelope(QPainter& p) {
    Dusk(p, {40, 34});
    AntelopeFigure(p);
}

void DrawDeer(QPainter& p) {
    Dusk(p, {46, 26});
    DeerFigure(p);
}

}  // namespace Parts
