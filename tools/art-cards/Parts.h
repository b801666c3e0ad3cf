// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The painters of the separate card designs. Each paints the whole 71 x 96 card
// area; the frame is stamped over the result afterwards.
#pragma once

#include <QPainter>
#include <QString>

#include "ArtKit.h"

namespace Parts {

// The rank lettering of a card: "A", "2".."10", "J", "Q", "K".
QString RankText(int rank);

// Rank and suit in the top-left corner and, turned round, in the bottom-right.
// With `onTab` they sit on a white tab, for pictures with a coloured ground.
void DrawIndices(QPainter& p, const QString& rank, ArtKit::Suit suit, bool onTab);
// The same with any small mark under the rank (a shape centred on (0, 0), about
// one unit across), in one ink.
void DrawIndices(QPainter& p, const QString& rank, const QPainterPath& mark, const QColor& ink,
                 bool onTab);

// A five-pointed star centred on (0, 0), one unit across.
QPainterPath StarShape();

// A line drawn as a band of the given width, to be filled and outlined.
QPainterPath Band(const QPainterPath& line, double width);

// Fills a shape and draws its outline in one go.
void FillAndLine(QPainter& p, const QPainterPath& shape, const QBrush& fill, const QColor& line,
                 double lineWidth);

void DrawNumberCard(QPainter& p, ArtKit::Suit suit, int rank);   // ace (1) .. 10
void DrawLetterCourt(QPainter& p, ArtKit::Suit suit, int rank);  // clubs and diamonds 11..13
void DrawBirdCourt(QPainter& p, int rank);                       // spades 11..13
void DrawHoofedCourt(QPainter& p, int rank);                     // hearts 11..13
void DrawJoker(QPainter& p, int which);                          // 0 cat, 1 owl
void DrawBack(QPainter& p, int index);                           // 0..3

// The figures of the bird and hoofed-animal court cards.
void DrawHeron(QPainter& p);
void DrawDucks(QPainter& p);
void DrawPenguin(QPainter& p);
void DrawHorse(QPainter& p);
void DrawAntelope(QPainter& p);
void DrawDeer(QPainter& p);

}  // namespace Parts
