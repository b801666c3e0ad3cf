// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ShapeWidget.h"

#include <QPainter>

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

void ShapeWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(border_.isValid() ? QPen(border_, 1) : Qt::NoPen);
    switch (kind_) {
        case Kind::HorizontalLine:
            p.drawLine(QPointF(0, 0.5), QPointF(width(), 0.5));
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
            p.setBrush(QBrush(border_, Qt::DiagCrossPattern));
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
