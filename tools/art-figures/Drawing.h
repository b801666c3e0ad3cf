// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Small painting helpers shared by every picture of the generator: the magenta key,
// outlined shapes, gradients and lettering turned into paths.
#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <QStringList>

namespace Art {

// The colour the sprites show as see-through.
constexpr QRgb kMagenta = 0xFFFF00FF;

// Composites an antialiased figure (transparent ARGB) onto opaque magenta with a hard
// threshold: a pixel at least half covered keeps its own colour, fully opaque; anything
// less becomes exactly magenta, so no pinkish fringe appears around a sprite.
QImage KeyOnMagenta(const QImage& figure);

// True for an opaque colour close enough to the key to look like a fringe on the table.
bool NearMagenta(QRgb c);

// The fonts the pictures are lettered with; the generator refuses to draw without them
// rather than quietly falling back to another face.
QStringList MissingFonts();
QFont Font(const QString& family, int pixelSize, bool bold = false);

// Text as an outline, with the baseline at y = 0.
QPainterPath TextPath(const QString& text, const QFont& font);
// Scales (keeping the aspect) and centres a path in a box.
QPainterPath FitPath(const QPainterPath& path, const QRectF& box);

// Fills a path and draws its outline with round joins.
void Shape(QPainter& p, const QPainterPath& path, const QBrush& fill, const QColor& line,
           qreal width = 1.2);
void Ellipse(QPainter& p, QPointF centre, qreal rx, qreal ry, const QBrush& fill,
             const QColor& line, qreal width = 1.2);
// A stroke drawn twice: a wider dark edge under a narrower body, for limbs and tails.
void Limb(QPainter& p, const QPainterPath& path, qreal width, const QColor& body,
          const QColor& edge, qreal edgeWidth = 1.2);
void Line(QPainter& p, const QPainterPath& path, const QColor& colour, qreal width);

QLinearGradient Vertical(qreal y0, qreal y1, const QColor& top, const QColor& bottom);
QRadialGradient Glow(QPointF centre, qreal radius, QPointF focus, const QColor& inner,
                     const QColor& outer);

// Banner lettering: a dark drop shadow, a dark outline and a glossy fill.
enum class Letters { Gold, White };
void DrawLettering(QPainter& p, const QPainterPath& glyphs, Letters style, qreal outline,
                   QPointF shadow);

}  // namespace Art
