// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/SpriteWidget.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include "ui/PictureStore.h"

SpriteWidget::SpriteWidget(QWidget* parent) : QWidget(parent) {
    // No background of its own: whatever lies behind shows through the key colour.
    setAutoFillBackground(false);
}

void SpriteWidget::SetPicture(const QPixmap& picture) {
    picture_ = picture;
    composedRatio_ = 0;  // built anew at the next paint
    update();
}

void SpriteWidget::SetMaskPicture(const QPixmap& mask) {
    mask_ = mask;
    composedRatio_ = 0;
    update();
}

void SpriteWidget::SetScale(qreal scale) {
    if (scale == scale_) return;
    scale_ = scale;
    update();  // composed anew: the painter's ratio changes with the scale
}

void SpriteWidget::SetBorderStyle(int style) {
    borderStyle_ = style;
    update();
}

// The figure: the picture where the mask is not magenta, fully transparent elsewhere
// (and wherever there is no mask). It is built at the first paint after a change, and
// again when the screen's density changes; on a dense screen from the pictures drawn
// for that density. The key colour goes before anything is scaled: smoothing a magenta
// edge would leave a pink fringe, smoothing a transparent one leaves none.
void SpriteWidget::Compose(qreal ratio) {
    composed_ = QPixmap();
    composedRatio_ = ratio;
    QPixmap picture = PictureStore::ForRatio(picture_, ratio);
    QPixmap maskPicture = PictureStore::ForRatio(mask_, ratio);
    // A picture and a mask of different densities would not line up: use both as given.
    if (!maskPicture.isNull() && maskPicture.devicePixelRatio() != picture.devicePixelRatio()) {
        picture = picture_;
        maskPicture = mask_;
    }
    if (!picture.isNull()) {
        QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QImage mask = maskPicture.isNull()
                                ? QImage()
                                : maskPicture.toImage().convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            const auto* maskLine =
                y < mask.height() ? reinterpret_cast<const QRgb*>(mask.constScanLine(y)) : nullptr;
            for (int x = 0; x < image.width(); ++x) {
                const bool opaque = maskLine && x < mask.width() && qAlpha(maskLine[x]) != 0 &&
                                    (maskLine[x] | 0xFF000000u) != PictureStore::kMaskColour;
                if (!opaque) line[x] = 0;
            }
        }
        composed_ = QPixmap::fromImage(image);
        composed_.setDevicePixelRatio(picture.devicePixelRatio());
    }
}

void SpriteWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // On a magnified table the figure is drawn magnified, from the drawing for as
    // many device pixels as that gives it.
    if (scale_ != 1) painter.scale(scale_, scale_);
    const qreal ratio = PictureStore::PaintRatio(painter);
    if (ratio != composedRatio_) Compose(ratio);
    if (!composed_.isNull()) {
        // At the picture's own size; a screen between two densities gets the denser
        // figure shrunk smoothly.
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(QPointF(0, 0), composed_);
    }
    if (scale_ != 1) painter.resetTransform();
    if (borderStyle_ == 1) {
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void SpriteWidget::mousePressEvent(QMouseEvent* event) {
    if (!isEnabled()) return;
    pressed_ = event->button() == Qt::LeftButton;
    emit pressed();
}

void SpriteWidget::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasPressed = pressed_;
    pressed_ = false;
    if (!isEnabled() || event->button() != Qt::LeftButton) return;
    if (wasPressed && rect().contains(event->position().toPoint())) emit clicked();
}
