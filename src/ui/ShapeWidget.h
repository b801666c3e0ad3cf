// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The simple shapes of the layouts: rounded rectangles (seat boxes, balloons,
// button plates), lines, the hatched hand marker and the keyboard's frame.
#pragma once

#include <QColor>
#include <QWidget>

class ShapeWidget : public QWidget {
    Q_OBJECT
public:
    // FocusRing: a ring four pixels wide, yellow between two dark lines, so
    // that it stands out on the green and over any card beside it.
    enum class Kind { RoundedRect, Rect, HorizontalLine, HatchedRoundedRect, FocusRing };
    ShapeWidget(Kind kind, QWidget* parent = nullptr);

    void SetFill(const QColor& colour);  // an invalid colour leaves the inside transparent
    QColor Fill() const { return fill_; }
    void SetBorder(const QColor& colour);  // an invalid colour draws no border
    // The shape drawn this much larger (the table's magnification): its lines as
    // much wider, its corners as much rounder.
    void SetScale(qreal scale);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Kind kind_;
    QColor fill_, border_;
    qreal scale_ = 1;
};
