#include "ui/CardWidget.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

#include "ui/MouseMasks.h"
#include "ui/PictureStore.h"

namespace {

const int* cardBackSource = nullptr;

}  // namespace

CardWidget::CardWidget(QWidget* parent) : QWidget(parent) {
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
    // The turned card is on the screen before the caller goes on.
    QCoreApplication::processEvents();
}

void CardWidget::SetCardBackSource(const int* cardBack) { cardBackSource = cardBack; }

void CardWidget::DrawCard() {
    // A number the store does not hold shows card back 0 rather than nothing.
    const int back = cardBackSource ? *cardBackSource : 0;
    if (face_ && PictureStore::Has(PicSet::picCard, pCard_))
        shown_ = PictureStore::Picture(PicSet::picCard, pCard_);
    else if (!face_ && PictureStore::Has(PicSet::picFace, back))
        shown_ = PictureStore::Picture(PicSet::picFace, back);
    else
        shown_ = PictureStore::Picture(PicSet::picFace, 0);
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
    // screen the picture drawn for that density is stretched instead, so the magnified
    // card is as sharp as the screen allows.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPixmap picture = PictureStore::ForRatio(shown_, PictureStore::PaintRatio(painter));
    painter.drawPixmap(QRectF(rect()), picture, QRectF(picture.rect()));
}

void CardWidget::resizeEvent(QResizeEvent*) { DrawCard(); }

void CardWidget::mousePressEvent(QMouseEvent* event) {
    if (!isEnabled()) return;
    emit MouseDown(ButtonMask(event->button()), ShiftMask(event->modifiers()),
                   static_cast<float>(event->position().x()),
                   static_cast<float>(event->position().y()));
}

void CardWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!isEnabled()) return;
    emit MouseMove(ButtonMask(event->buttons()), ShiftMask(event->modifiers()),
                   static_cast<float>(event->position().x()),
                   static_cast<float>(event->position().y()));
}

void CardWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (!isEnabled()) return;
    emit MouseUp(ButtonMask(event->button()), ShiftMask(event->modifiers()),
                 static_cast<float>(event->position().x()),
                 static_cast<float>(event->position().y()));
}
