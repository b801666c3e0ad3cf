// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ShapeWidget.h"

#include <QPainter>
#include <QPainterPath>

ShapeWidget::ShapeWidget(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) {
    // Shapes take no clicks: the table and the cards under them get the mouse.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeWidget::SetFill(const QColor& colour) {
    fill_ = colour;
    update();
}

void ShapeWidget::SetBorder(const QColor& colour) {
    border_ = colour;
    update();
}

void ShapeWidget::SetScale(qreal scale) {
    if (scale == scale_) return;
    scale_ = scale;
    update();
}

void ShapeWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // Drawn in the table's own units: on a magnified table every line and corner
    // grows with it, smoothed, since its edges no longer fall on whole pixels.
    const bool magnified = scale_ != 1;
    if (magnified) {
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale_, scale_);
    }
    const QRectF r =
        QRectF(0, 0, width() / scale_, height() / scale_).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(border_.isValid() ? QPen(border_, 1) : Qt::NoPen);
    switch (kind_) {
        case Kind::HorizontalLine:
            p.drawLine(QPointF(0, 0.5), QPointF(width() / scale_, 0.5));
            return;
        case Kind::Rect:
            p.setBrush(fill_.isValid() ? QBrush(fill_) : Qt::NoBrush);
            p.drawRect(r);
            return;
        case Kind::RoundedRect:
            p.setRenderHint(QPainter::Antialiasing);
            p.setBrush(fill_.isValid() ? QBrush(fill_) : Qt::NoBrush);
            p.drawRoundedRect(r, 8, 8);
            return;
        case Kind::HatchedRoundedRect:
            if (!magnified) {
                p.setBrush(QBrush(border_, Qt::DiagCrossPattern));
            } else {
                // The hatch's pattern is a bitmap of whole pixels, which would come
                // out blocky: its lines are drawn instead, 8 table pixels apart as
                // in the pattern, and as wide as the edge.
                QPainterPath inside;
                inside.addRoundedRect(r, 8, 8);
                p.save();
                p.setClipPath(inside);
                const qreal w = width() / scale_, h = height() / scale_;
                for (qreal x = -h; x < w + h; x += 8) {
                    p.drawLine(QPointF(x, 0), QPointF(x + h, h));
                    p.drawLine(QPointF(x + h, 0), QPointF(x, h));
                }
                p.restore();
                p.setBrush(Qt::NoBrush);
            }
            p.drawRoundedRect(r, 8, 8);
            return;
        case Kind::FocusRing: {
            const QColor dark(0, 0, 0);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(dark, 1));
            p.drawRect(r);
            p.drawRect(r.adjusted(3, 3, -3, -3));
            p.setPen(QPen(border_, 2));
            p.drawRect(r.adjusted(1.5, 1.5, -1.5, -1.5));
            return;
        }
    }
}
