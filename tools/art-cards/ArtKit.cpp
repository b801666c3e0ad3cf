// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ArtKit.h"

#include <QFontInfo>
#include <QLinearGradient>
#include <QTransform>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace ArtKit {

namespace {

[[noreturn]] void BadOutline(const char* data, const char* at) {
    std::fprintf(stderr, "art-cards: broken outline data at offset %d: %.40s\n",
                 static_cast<int>(at - data), at);
    std::exit(2);
}

}  // namespace

QPainterPath Svg(const char* data) {
    QPainterPath path;
    const char* s = data;
    const char* end = data + std::strlen(data);
    char command = 0;
    QPointF current;
    QPointF lastControl;  // for the smooth S and T continuations
    char lastKind = 0;

    auto skip = [&] {
        while (s < end && (std::isspace(static_cast<unsigned char>(*s)) || *s == ',')) ++s;
    };
    auto number = [&] {
        skip();
        double value = 0;
        const char* from = s;
        if (from < end && *from == '+') ++from;
        auto [ptr, ec] = std::from_chars(from, end, value);
        if (ec != std::errc() || ptr == from) BadOutline(data, s);
        s = ptr;
        return value;
    };

    for (;;) {
        skip();
        if (s >= end) break;
        if (std::isalpha(static_cast<unsigned char>(*s))) {
            command = *s++;
        } else if (command == 0) {
            BadOutline(data, s);
        }
        const bool rel = std::islower(static_cast<unsigned char>(command));
        const QPointF base = rel ? current : QPointF(0, 0);
        const char kind = static_cast<char>(std::toupper(static_cast<unsigned char>(command)));
        switch (kind) {
            case 'M': {
                const double x = number(), y = number();
                current = base + QPointF(x, y);
                path.moveTo(current);
                command = rel ? 'l' : 'L';  // further pairs are lines
                break;
            }
            case 'L': {
                const double x = number(), y = number();
                current = base + QPointF(x, y);
                path.lineTo(current);
                break;
            }
            case 'H': {
                const double x = number();
                current.setX(rel ? current.x() + x : x);
                path.lineTo(current);
                break;
            }
            case 'V': {
                const double y = number();
                current.setY(rel ? current.y() + y : y);
                path.lineTo(current);
                break;
            }
            case 'C': {
                const double x1 = number(), y1 = number(), x2 = number(), y2 = number();
                const double x = number(), y = number();
                const QPointF c1 = base + QPointF(x1, y1), c2 = base + QPointF(x2, y2);
                current = base + QPointF(x, y);
                path.cubicTo(c1, c2, current);
                lastControl = c2;
                break;
            }
            case 'S': {
                const double x2 = number(), y2 = number(), x = number(), y = number();
                const QPointF c1 = lastKind == 'C' ? 2 * current - lastControl : current;
                const QPointF c2 = base + QPointF(x2, y2);
                current = base + QPointF(x, y);
                path.cubicTo(c1, c2, current);
                lastControl = c2;
                break;
            }
            case 'Q': {
                const double x1 = number(), y1 = number(), x = number(), y = number();
                const QPointF c = base + QPointF(x1, y1);
                current = base + QPointF(x, y);
                path.quadTo(c, current);
                lastControl = c;
                break;
            }
            case 'T': {
                const double x = number(), y = number();
                const QPointF c = lastKind == 'Q' ? 2 * current - lastControl : current;
                current = base + QPointF(x, y);
                path.quadTo(c, current);
                lastControl = c;
                break;
            }
            case 'Z':
                path.closeSubpath();
                current = path.currentPosition();
                break;
            default:
                BadOutline(data, s - 1);
        }
        lastKind = (kind == 'S') ? 'C' : (kind == 'T') ? 'Q' : kind;
    }
    return path;
}

QPainterPath SuitShape(Suit suit) {
    switch (suit) {
        case Suit::Hearts:
            return Svg(
                "M 0 0.5 C -0.1 0.36 -0.5 0.12 -0.5 -0.17 C -0.5 -0.38 -0.36 -0.5 -0.24 -0.5 "
                "C -0.11 -0.5 -0.03 -0.42 0 -0.3 C 0.03 -0.42 0.11 -0.5 0.24 -0.5 "
                "C 0.36 -0.5 0.5 -0.38 0.5 -0.17 C 0.5 0.12 0.1 0.36 0 0.5 Z");
        case Suit::Diamonds:
            return Svg(
                "M 0 -0.5 Q 0.16 -0.22 0.41 0 Q 0.16 0.22 0 0.5 Q -0.16 0.22 -0.41 0 "
                "Q -0.16 -0.22 0 -0.5 Z");
        case Suit::Spades: {
            QPainterPath blade =
                Svg("M 0 -0.5 C 0.1 -0.34 0.5 -0.14 0.5 0.1 C 0.5 0.28 0.37 0.36 0.25 0.36 "
                    "C 0.15 0.36 0.07 0.31 0.03 0.24 Q 0.05 0.42 0.2 0.5 L -0.2 0.5 "
                    "Q -0.05 0.42 -0.03 0.24 C -0.07 0.31 -0.15 0.36 -0.25 0.36 "
                    "C -0.37 0.36 -0.5 0.28 -0.5 0.1 C -0.5 -0.14 -0.1 -0.34 0 -0.5 Z");
            return blade;
        }
        case Suit::Clubs: {
            QPainterPath club;
            const double r = 0.225;
            club.addEllipse(QPointF(0, -0.265), r, r);
            club.addEllipse(QPointF(-0.265, 0.09), r, r);
            club.addEllipse(QPointF(0.265, 0.09), r, r);
            club.addEllipse(QPointF(0, 0.02), 0.13, 0.13);
            QPainterPath stem =
                Svg("M -0.035 0.05 L 0.035 0.05 Q 0.05 0.4 0.19 0.5 L -0.19 0.5 "
                    "Q -0.05 0.4 -0.035 0.05 Z");
            club.setFillRule(Qt::WindingFill);
            return club.united(stem).simplified();
        }
    }
    return {};
}

QPainterPath FitInto(const QPainterPath& path, const QRectF& box) {
    const QRectF b = path.boundingRect();
    if (b.isEmpty()) return path;
    const double scale = std::min(box.width() / b.width(), box.height() / b.height());
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(scale, scale);
    t.translate(-b.center().x(), -b.center().y());
    return t.map(path);
}

QPainterPath FitHeight(const QPainterPath& path, const QRectF& box) {
    const QRectF b = path.boundingRect();
    if (b.isEmpty()) return path;
    const double sy = box.height() / b.height();
    const double sx = std::min(sy, box.width() / b.width());
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(sx, sy);
    t.translate(-b.center().x(), -b.center().y());
    return t.map(path);
}

QPainterPath TextShape(const QString& text, const QFont& font, const QRectF& box) {
    QPainterPath p;
    p.addText(0, 0, font, text);
    return FitHeight(p, box);
}

QFont InstalledFont(const QString& family, int weight, int stretch) {
    QFont font(family);
    // Outlines are taken at a large size and scaled down, so hinting plays no part.
    font.setPixelSize(200);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setStretch(stretch);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::NoFontMerging);
    const QFontInfo info(font);
    if (info.family().compare(family, Qt::CaseInsensitive) != 0) {
        std::fprintf(stderr, "art-cards: font \"%s\" is not installed (got \"%s\")\n",
                     qPrintable(family), qPrintable(info.family()));
        std::exit(2);
    }
    return font;
}

bool IsRed(Suit suit) { return suit == Suit::Diamonds || suit == Suit::Hearts; }

QColor Ink(Suit suit) { return IsRed(suit) ? QColor(206, 18, 38) : QColor(18, 18, 24); }

QBrush InkBrush(Suit suit, const QRectF& box) {
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    if (IsRed(suit)) {
        g.setColorAt(0, QColor(232, 40, 52));
        g.setColorAt(1, QColor(178, 6, 26));
    } else {
        g.setColorAt(0, QColor(58, 60, 70));
        g.setColorAt(1, QColor(6, 6, 10));
    }
    return g;
}

QColor Mix(const QColor& a, const QColor& b, double t) {
    auto lerp = [t](int x, int y) { return static_cast<int>(x + (y - x) * t + 0.5); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()));
}

QImage NewCanvas(int ratio) {
    QImage img(kCardWidth * ratio, kCardHeight * ratio, QImage::Format_RGB32);
    img.setDevicePixelRatio(ratio);
    img.fill(Qt::white);
    return img;
}

void Prepare(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QPainterPath Ellipse(QPointF centre, double rx, double ry, double degrees) {
    QPainterPath e;
    e.addEllipse(QPointF(0, 0), rx, ry);
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.rotate(degrees);
    return t.map(e);
}

}  // namespace ArtKit
