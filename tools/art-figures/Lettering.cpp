// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The banners that float over the table, and the title lettering of the about box.
#include <QPainterPathStroker>
#include <cmath>

#include "Drawing.h"
#include "Pictures.h"

namespace Art {

namespace {

const QString kTitle = QStringLiteral("トマベル");

QFont Latin(int size) { return Font(QStringLiteral("DejaVu Sans"), size, true); }

// Leans lettering forward, for banners that should feel lively.
QPainterPath Lean(const QPainterPath& path, qreal amount) {
    const QRectF r = path.boundingRect();
    QTransform t;
    t.translate(0, r.bottom());
    t.shear(-amount, 0);
    t.translate(0, -r.bottom());
    return t.map(path);
}

// The rounded font is light; a round stroke around each glyph makes it chunky and soft.
QPainterPath Embolden(const QPainterPath& glyphs, qreal width) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setJoinStyle(Qt::RoundJoin);
    stroker.setCapStyle(Qt::RoundCap);
    return stroker.createStroke(glyphs).united(glyphs).simplified();
}

// One letter of the title. Thickening would melt the two small ticks of a voiced kana
// (the dakuten of ベ) into one blob, so they are moved apart by the added weight first.
QPainterPath TitleGlyph(const QString& letter, const QFont& font, qreal weight) {
    const QPainterPath glyph = TextPath(letter, font);
    const QRectF whole = glyph.boundingRect();
    QPainterPath body;
    std::vector<QPolygonF> ticks;
    for (const QPolygonF& part : glyph.toSubpathPolygons()) {
        const QRectF r = part.boundingRect();
        if (r.width() * r.height() < 0.03 * whole.width() * whole.height())
            ticks.push_back(part);
        else
            body.addPolygon(part);
    }
    if (ticks.size() == 2) {
        QPointF apart = ticks[1].boundingRect().center() - ticks[0].boundingRect().center();
        apart /= std::hypot(apart.x(), apart.y());
        ticks[0].translate(-apart * weight * 0.6);
        ticks[1].translate(apart * weight * 0.6);
    }
    for (const QPolygonF& t : ticks) body.addPolygon(t);
    body.setFillRule(Qt::WindingFill);
    return Embolden(ticks.size() == 2 ? body : glyph, weight);
}

// The four letters of the title, each emboldened, set a little apart and bouncing.
std::vector<QPainterPath> TitleLetters(qreal weight, qreal bounce) {
    const QFont font = Font(QStringLiteral("MotoyaLMaru"), 80);
    const qreal tilt[] = {-7, 4, -4, 7};
    const qreal lift[] = {0, -1, 1, 0};
    std::vector<QPainterPath> letters;
    qreal x = 0;
    for (int i = 0; i < kTitle.size(); ++i) {
        QPainterPath g = TitleGlyph(kTitle.mid(i, 1), font, weight);
        const QRectF r = g.boundingRect();
        QTransform t;
        t.translate(x - r.left() + r.width() / 2, lift[i] * bounce);
        t.rotate(tilt[i] * bounce);
        t.translate(-r.width() / 2, 0);
        g = t.map(g);
        x += r.width() + weight * 0.3;
        letters.push_back(g);
    }
    return letters;
}

void FitAll(std::vector<QPainterPath>& letters, const QRectF& box) {
    QPainterPath all;
    for (const QPainterPath& l : letters) all.addPath(l);
    const QRectF r = all.boundingRect();
    const qreal s = std::min(box.width() / r.width(), box.height() / r.height());
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(s, s);
    t.translate(-r.center().x(), -r.center().y());
    for (QPainterPath& l : letters) l = t.map(l);
}

// Texture tiles for the title's letters, 16 units square, drawn at the canvas's pixel ratio
// so the pattern is as sharp as the letters around it.
QImage Tile(int kind, qreal ratio) {
    QImage tile(QSize(16, 16) * ratio, QImage::Format_ARGB32_Premultiplied);
    tile.setDevicePixelRatio(ratio);
    QPainter p(&tile);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    switch (kind) {
        case 0:  // candy stripes
            tile.fill(QColor(255, 250, 240));
            p.setBrush(QColor(232, 36, 48));
            for (int k = -16; k <= 16; k += 8)
                p.drawPolygon(QPolygonF(
                    {QPointF(k, 16), QPointF(k + 4, 16), QPointF(k + 20, 0), QPointF(k + 16, 0)}));
            break;
        case 1:  // checks
            tile.fill(QColor(80, 200, 60));
            p.setBrush(QColor(200, 250, 90));
            p.drawRect(0, 0, 8, 8);
            p.drawRect(8, 8, 8, 8);
            break;
        case 2:  // polka dots
            tile.fill(QColor(255, 110, 170));
            p.setBrush(QColor(255, 240, 250));
            p.drawEllipse(QPointF(4, 4), 2.6, 2.6);
            p.drawEllipse(QPointF(12, 12), 2.6, 2.6);
            break;
        default: {  // waves
            tile.fill(QColor(255, 190, 30));
            QPainterPath wave;
            for (qreal y : {4.0, 12.0}) {
                wave.moveTo(-4, y);
                wave.quadTo(0, y - 3, 4, y);
                wave.quadTo(8, y + 3, 12, y);
                wave.quadTo(16, y - 3, 20, y);
            }
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(255, 244, 150), 2.2));
            p.drawPath(wave);
            break;
        }
    }
    return tile;
}

void Banner(QPainter& p, const QString& text, const QRectF& box, Letters style, qreal outline,
            QPointF shadow, qreal lean) {
    const QPainterPath glyphs = FitPath(Lean(TextPath(text, Latin(64)), lean), box);
    DrawLettering(p, glyphs, style, outline, shadow);
}

}  // namespace

void DrawByeBye(QPainter& p) {
    Banner(p, QStringLiteral("Bye Bye!"), QRectF(4, 5, 128, 38), Letters::White, 1.6,
           QPointF(2.5, 2.5), 0.12);
}

void DrawPlayStart(QPainter& p) {
    Banner(p, QStringLiteral("Play Start!"), QRectF(10, 12, 296, 68), Letters::Gold, 2.6,
           QPointF(4, 4), 0.16);
}

void DrawTitleBanner(QPainter& p) {
    std::vector<QPainterPath> letters = TitleLetters(7, 0.6);
    FitAll(letters, QRectF(14, 8, 290, 76));
    QPainterPath all;
    for (const QPainterPath& l : letters) all.addPath(l);
    DrawLettering(p, all, Letters::Gold, 2.6, QPointF(4, 4));
}

void DrawPause(QPainter& p) {
    Banner(p, QStringLiteral("Pause!"), QRectF(8, 7, 214, 50), Letters::White, 2.2,
           QPointF(3.5, 3.5), 0.1);
}

void DrawPlayerWins(QPainter& p, int player) {
    Banner(p, QStringLiteral("Player%1 Win!").arg(player), QRectF(8, 14, 300, 64), Letters::Gold,
           2.4, QPointF(4, 4), 0.12);
}

void DrawTitleLettering(QPainter& p) {
    std::vector<QPainterPath> letters = TitleLetters(8, 1.0);
    FitAll(letters, QRectF(9, 8, 252, 84));
    const QColor navy(10, 14, 60);
    // Shadow, white rim, dark line, then each letter's own texture with a gloss on top.
    for (const QPainterPath& l : letters) {
        p.save();
        p.translate(3, 4);
        p.setPen(QPen(QColor(0, 0, 30, 200), 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(0, 0, 30, 200));
        p.drawPath(l);
        p.restore();
    }
    for (size_t i = 0; i < letters.size(); ++i) {
        const QPainterPath& l = letters[i];
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255), 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(l);
        p.setPen(QPen(navy, 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(l);
        QBrush texture(Tile(static_cast<int>(i), p.device()->devicePixelRatio()));
        QTransform t;
        t.rotate(i % 2 ? 8 : -8);
        texture.setTransform(t);
        p.setPen(Qt::NoPen);
        p.setBrush(texture);
        p.drawPath(l);
        p.save();
        p.setClipPath(l);
        const QRectF r = l.boundingRect();
        QLinearGradient gloss(0, r.top(), 0, r.top() + r.height() * 0.5);
        gloss.setColorAt(0, QColor(255, 255, 255, 170));
        gloss.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(gloss);
        p.drawRect(QRectF(r.left(), r.top(), r.width(), r.height() * 0.5));
        p.restore();
    }
}

}  // namespace Art
