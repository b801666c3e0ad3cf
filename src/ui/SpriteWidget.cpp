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
    Compose();
}

void SpriteWidget::SetMaskPicture(const QPixmap& mask) {
    mask_ = mask;
    Compose();
}

void SpriteWidget::SetBorderStyle(int style) {
    borderStyle_ = style;
    update();
}

// The figure is built once per change: the picture where the mask is not
// magenta, fully transparent elsewhere (and wherever there is no mask).
void SpriteWidget::Compose() {
    composed_ = QPixmap();
    if (!picture_.isNull()) {
        QImage image = picture_.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QImage mask =
            mask_.isNull() ? QImage() : mask_.toImage().convertToFormat(QImage::Format_ARGB32);
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
    }
    update();
}

void SpriteWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!composed_.isNull()) painter.drawPixmap(0, 0, composed_);
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
