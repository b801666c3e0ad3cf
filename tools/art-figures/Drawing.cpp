// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Drawing.h"

#include <QFontDatabase>
#include <QPainterPathStroker>

namespace Art {

QImage KeyOnMagenta(const QImage& figure) {
    const QImage src = figure.convertToFormat(QImage::Format_ARGB32);
    QImage out(src.size(), QImage::Format_RGB32);
    for (int y = 0; y < src.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            const QRgb c = in[x];
            row[x] = qAlpha(c) >= 128 ? qRgb(qRed(c), qGreen(c), qBlue(c)) : kMagenta;
        }
    }
    return out;
}

bool NearMagenta(QRgb c) {
    if ((c | 0xFF000000u) == kMagenta) return false;
    const int distance = (255 - qRed(c)) + qGreen(c) + (255 - qBlue(c));
    return distance < 150;
}

QStringList MissingFonts() {
    QStringList missing;
    const QStringList have = QFontDatabase::families();
    for (const char* family : {"DejaVu Sans", "MotoyaLMaru", "IPAGothic"})
        if (!have.contains(QString::fromLatin1(family))) missing << QString::fromLatin1(family);
    return missing;
}

QFont Font(const QString& family, int pixelSize, bool bold) {
    QFont f(family);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::NoFontMerging);
    return f;
}

QPainterPath TextPath(const QString& text, const QFont& font) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path;
}

QPainterPath FitPath(const QPainterPath& path, const QRectF& box) {
    const QRectF r = path.boundingRect();
    const qreal s = std::min(box.width() / r.width(), box.height() / r.height());
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(s, s);
    t.translate(-r.center().x(), -r.center().y());
    return t.map(path);
}

void Shape(QPainter& p, const QPainterPath& path, const QBrush& fill, const QColor& line,
           qreal width) {
    p.setBrush(fill);
    if (width > 0)
        p.setPen(QPen(line, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    else
        p.setPen(Qt::NoPen);
    p.drawPath(path);
}

void Ellipse(QPainter& p, QPointF centre, qreal rx, qreal ry, const QBrush& fill,
             const QColor& line, qreal width) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    Shape(p, path, fill, line, width);
}

void Limb(QPainter& p, const QPainterPath& path, qreal width, const QColor& body,
          const QColor& edge, qreal edgeWidth) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(edge, width + 2 * edgeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(body, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

void Line(QPainter& p, const QPainterPath& path, const QColor& colour, qreal width) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

QLinearGradient Vertical(qreal y0, qreal y1, const QColor& top, const QColor& bottom) {
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

QRadialGradient Glow(QPointF centre, qreal radius, QPointF focus, const QColor& inner,
                     const QColor& outer) {
    QRadialGradient g(centre, radius, focus);
    g.setColorAt(0, inner);
    g.setColorAt(1, outer);
    return g;
}

void DrawLettering(QPainter& p, const QPainterPath& glyphs, Letters style, qreal outline,
                   QPointF shadow) {
    const QRectF box = glyphs.boundingRect();
    const QColor ink = style == Letters::Gold ? QColor(40, 30, 0) : QColor(16, 20, 60);
    const QPen edge(ink, 2 * outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

    // The shadow is the outlined letters once more, shifted and solid.
    p.save();
    p.translate(shadow);
    p.setPen(QPen(QColor(20, 16, 0), 2 * outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(20, 16, 0));
    p.drawPath(glyphs);
    p.restore();

    p.setPen(edge);
    p.setBrush(Qt::NoBrush);
    p.drawPath(glyphs);

    QLinearGradient fill(0, box.top(), 0, box.bottom());
    if (style == Letters::Gold) {
        fill.setColorAt(0.0, QColor(255, 255, 170));
        fill.setColorAt(0.30, QColor(255, 236, 40));
        fill.setColorAt(0.62, QColor(214, 186, 0));
        fill.setColorAt(1.0, QColor(112, 110, 0));
    } else {
        fill.setColorAt(0.0, QColor(255, 255, 255));
        fill.setColorAt(0.55, QColor(250, 250, 255));
        fill.setColorAt(1.0, QColor(196, 204, 226));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(glyphs);

    // A soft gloss across the upper part of the letters.
    p.save();
    p.setClipPath(glyphs);
    QLinearGradient gloss(0, box.top(), 0, box.top() + box.height() * 0.45);
    gloss.setColorAt(0, QColor(255, 255, 255, 150));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(gloss);
    p.drawRect(QRectF(box.left(), box.top(), box.width(), box.height() * 0.45));
    p.restore();
}

}  // namespace Art
