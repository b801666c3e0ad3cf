// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the two result windows share: the green ground, the rounded plates
// and captions, and the "O.K" label that works as a button on a rounded plate
// with its shadow.
#pragma once

#include <QColor>
#include <QCoreApplication>
#include <QEvent>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QRect>
#include <QString>
#include <QWidget>
#include <functional>

#include "ui/Accessibility.h"
#include "ui/Look.h"
#include "ui/ShapeWidget.h"

namespace ResultParts {

inline const QColor kPlate(128, 64, 0);
inline const QColor kShadow(64, 64, 0);

// The result windows write in the rounded face of the layouts.
inline QFont ResultFont(double points, bool bold) { return LayoutFont(kRoundGothic, points, bold); }

inline void PaintGround(QWidget* window) {
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, kTableGreen);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

inline ShapeWidget* RoundedPlate(QWidget* parent, const QRect& where, const QColor& fill,
                                 const QColor& border) {
    auto* shape = new ShapeWidget(ShapeWidget::Kind::RoundedRect, parent);
    shape->SetFill(fill);
    shape->SetBorder(border);
    shape->setGeometry(where);
    return shape;
}

inline QLabel* Caption(QWidget* parent, const QString& text, const QRect& where, const QFont& font,
                       const QColor& colour, Qt::Alignment alignment) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(where);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setAlignment(alignment);
    return label;
}

// The "O.K" button: the label takes the mouse. Pressing sinks the plate and the
// label one pixel (15 twips) onto the shadow; releasing lifts them back and
// repaints the plate, and only a release over the label counts as a click, so
// sliding off before letting go changes nothing.
class OkButton : public QObject {
public:
    // `at` is the top left of the shadow and the plate; the label sits 4 px right, 8 px down.
    OkButton(QWidget* parent, QPoint at, std::function<void()> onClick)
        : QObject(parent), onClick_(std::move(onClick)) {
        shadow_ = RoundedPlate(parent, QRect(at, QSize(89, 33)), kShadow, kYellow);
        plate_ = RoundedPlate(parent, QRect(at, QSize(85, 29)), kPlate, kYellow);
        // "O.K" as the game always wrote it; other languages write it as their other buttons do.
        label_ = Caption(parent, QCoreApplication::translate("ResultParts", "O.K"),
                         QRect(at + QPoint(4, 8), QSize(80, 17)), ResultFont(9.75, true), kYellow,
                         Qt::AlignCenter);
        label_->installEventFilter(this);
        // The keyboard reaches it too, and a screen reader finds it as a button
        // by this name; Space or Return presses it.
        label_->setObjectName(QStringLiteral("lblOK"));
        label_->setFocusPolicy(Qt::StrongFocus);
        Accessibility::Install();
        Accessibility::Forget(label_);
    }

    QLabel* Label() const { return label_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != label_) return false;
        // Only the three mouse-button events are mouse events; the label also gets
        // paint, show, hover and every other kind, which must not be read as one.
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
                if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton || pressed_)
                    return true;
                pressed_ = true;
                Sink(1);
                return true;
            case QEvent::MouseButtonRelease: {
                const auto* mouse = static_cast<QMouseEvent*>(event);
                if (mouse->button() != Qt::LeftButton || !pressed_) return true;
                pressed_ = false;
                const bool over = label_->rect().contains(mouse->position().toPoint());
                Sink(-1);
                plate_->update();
                if (over && onClick_) onClick_();
                return true;
            }
            case QEvent::KeyPress: {
                const auto* key = static_cast<QKeyEvent*>(event);
                const bool press = key->key() == Qt::Key_Space || key->key() == Qt::Key_Return ||
                                   key->key() == Qt::Key_Enter;
                if (!press || key->modifiers() != Qt::NoModifier) return false;
                if (!key->isAutoRepeat() && !pressed_ && onClick_) onClick_();
                return true;
            }
            default:
                return false;
        }
    }

private:
    void Sink(int pixels) {
        plate_->move(plate_->pos() + QPoint(pixels, pixels));
        label_->move(label_->pos() + QPoint(pixels, pixels));
    }

    std::function<void()> onClick_;
    ShapeWidget* shadow_ = nullptr;
    ShapeWidget* plate_ = nullptr;
    QLabel* label_ = nullptr;
    bool pressed_ = false;
};

}  // namespace ResultParts
