// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Small drawing kit shared by every card picture: paths from compact outline
// data, suit symbols, lettering turned into outlines, and the card's colours.
#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace ArtKit {

constexpr int kCardWidth = 71;
constexpr int kCardHeight = 96;

enum class Suit { Clubs, Spades, Diamonds, Hearts };

// Outline data written like an SVG path: M L H V C S Q T Z, upper case absolute,
// lower case relative. Unknown letters or broken numbers abort the program, so a
// typo in a drawing is found the first time the generator runs.
QPainterPath Svg(const char* data);

// A suit symbol centred on (0, 0), about one unit wide and one unit high.
QPainterPath SuitShape(Suit suit);

// An ellipse with radii rx, ry centred on `centre`, turned by `degrees`.
QPainterPath Ellipse(QPointF centre, double rx, double ry, double degrees = 0);

// Scales and centres a path into a box, keeping its proportions.
QPainterPath FitInto(const QPainterPath& path, const QRectF& box);
// Scales a path so its height fills the box; it is narrowed (never widened) when
// it would be wider than the box. Centred.
QPainterPath FitHeight(const QPainterPath& path, const QRectF& box);

// The outline of some lettering in an installed font, fitted by height into a box.
QPainterPath TextShape(const QString& text, const QFont& font, const QRectF& box);

// An installed font by family; the generator refuses to draw with a stand-in,
// because a stand-in would change the pictures behind our back.
QFont InstalledFont(const QString& family, int weight, int stretch = 100);

bool IsRed(Suit suit);
// The strong ink of a suit: near black or a deep signal red.
QColor Ink(Suit suit);
// The same ink as a gentle top-to-bottom sheen over a box.
QBrush InkBrush(Suit suit, const QRectF& box);

QColor Mix(const QColor& a, const QColor& b, double t);

// A fresh card-sized canvas at a device pixel ratio (`ratio` pixels to the card's unit in each
// direction; painters on it draw in card units), and a painter set up for smooth drawing.
QImage NewCanvas(int ratio = 1);
void Prepare(QPainter& p);

// Runs `draw` once as seen from the top-left corner and once turned half round,
// as seen from the bottom-right corner (the two ends of a card).
template <typename Draw>
void BothEnds(QPainter& p, Draw draw) {
    p.save();
    draw();
    p.restore();
    p.save();
    p.translate(kCardWidth, kCardHeight);
    p.rotate(180);
    draw();
    p.restore();
}

}  // namespace ArtKit
