// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/CardWidget.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/PictureStore.h"

CardWidget::CardWidget(int index, const int* cardBack, QWidget* parent)
    : QWidget(parent), index_(index), cardBack_(cardBack) {
    // The player's hand hovers over the cards before clicking: moves without a button count.
    setMouseTracking(true);
    // Every pixel of a card is painted, so nothing behind it needs drawing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    DrawCard();
}

void CardWidget::SetPCard(int picture) { pCard_ = picture; }

void CardWidget::SetFace(bool face) {
    face_ = face;
    DrawCard();
}

void CardWidget::DrawCard() {
    // A number the store does not hold shows card back 0 rather than nothing.
    const int back = cardBack_ ? *cardBack_ : 0;
    if (face_ && PictureStore::Has(PicSet::picCard, pCard_))
        shown_ = PictureStore::Picture(PicSet::picCard, pCard_);
    else if (!face_ && PictureStore::Has(PicSet::picFace, back))
        shown_ = PictureStore::Picture(PicSet::picFace, back);
    else
        shown_ = PictureStore::Picture(PicSet::picFace, 0);
    update();
}

void CardWidget::SetScale(qreal scale) {
    if (scale == scale_) return;
    scale_ = scale;
    update();
}

void CardWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (shown_.isNull()) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    // The whole picture over the whole card, whatever size the card has now;
    // smooth scaling keeps the pips readable on the shrunk table cards. On a dense
    // screen, or on a magnified table, the picture drawn for as many pixels as are
    // shown is stretched instead, so the magnified card is as sharp as the screen allows.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPixmap picture =
        PictureStore::ForRatio(shown_, PictureStore::PaintRatio(painter) * scale_);
    painter.drawPixmap(QRectF(rect()), picture, QRectF(picture.rect()));
}

void CardWidget::resizeEvent(QResizeEvent*) { DrawCard(); }

void CardWidget::mousePressEvent(QMouseEvent*) {
    if (isEnabled()) emit clicked(index_);
}

void CardWidget::mouseMoveEvent(QMouseEvent*) {
    if (isEnabled()) emit hovered(index_);
}
