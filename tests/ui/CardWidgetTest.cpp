// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The card widget: the whole picture over the whole card at any size, what
// stays on screen until the next repaint, and what it says of the mouse.
#include <gtest/gtest.h>

#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include "TestPictures.h"
#include "ui/CardWidget.h"

namespace {

const QColor kFaceWhite(255, 255, 255), kRightBand(220, 0, 0), kBottomBand(0, 0, 200);
const QColor kBack0(40, 160, 40), kBack1(250, 150, 200), kBack2(20, 40, 120);
const QColor kRed(255, 0, 0), kBlue(0, 0, 255);

// A card picture whose every pixel is different, to show a copy pixel for pixel.
QPixmap Fingerprint() {
    QImage image(71, 96, QImage::Format_RGB32);
    for (int y = 0; y < 96; ++y)
        for (int x = 0; x < 71; ++x) image.setPixel(x, y, qRgb(x * 3, y * 2, (x * 7 + y) % 256));
    return QPixmap::fromImage(image);
}

// White with a 10-pixel band on the right and at the bottom: a card that shows
// the whole picture keeps both bands along its edges, a cropped one loses them.
QPixmap Banded() {
    QImage image(71, 96, QImage::Format_RGB32);
    image.fill(kFaceWhite);
    QPainter p(&image);
    p.fillRect(61, 0, 10, 96, kRightBand);
    p.fillRect(0, 86, 61, 10, kBottomBand);
    return QPixmap::fromImage(image);
}

class CardWidgetTest : public ::testing::Test {
protected:
    void SetUp() override {
        pictures.Put(PicSet::picFace, 0, Solid(71, 96, kBack0));
        pictures.Put(PicSet::picFace, 1, Solid(71, 96, kBack1));
        pictures.Put(PicSet::picFace, 2, Solid(71, 96, kBack2));
        pictures.Put(PicSet::picCard, 1, Solid(71, 96, kRed));
        pictures.Put(PicSet::picCard, 2, Solid(71, 96, kBlue));
        pictures.Put(PicSet::picCard, 3, Fingerprint());
        pictures.Put(PicSet::picCard, 4, Banded());
    }
    static QRgb Centre(CardWidget& card) {
        const QImage shot = card.grab().toImage();
        return PixelAt(shot, shot.width() / 2, shot.height() / 2);
    }

    int cardBack = 0;
    ScopedPictures pictures;
};

TEST_F(CardWidgetTest, FaceUpAtNaturalSizeShowsThePicturePixelForPixel) {
    CardWidget card(1, &cardBack);
    card.resize(71, 96);
    card.SetPCard(3);
    card.SetFace(true);
    const QImage shot = card.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage picture = Fingerprint().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shot.size(), picture.size());
    EXPECT_EQ(shot, picture);
}

TEST_F(CardWidgetTest, ASmallerCardShowsTheWholePictureShrunk) {
    struct Case {
        int width, height;
    };
    for (const Case c : {Case{48, 65}, Case{25, 33}, Case{6, 65}}) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
        CardWidget card(1, &cardBack);
        card.resize(c.width, c.height);
        card.SetPCard(4);
        card.SetFace(true);
        const QImage shot = card.grab().toImage();
        ASSERT_EQ(shot.size(), QSize(c.width, c.height));
        EXPECT_EQ(PixelAt(shot, c.width - 1, c.height / 3), kRightBand.rgb());
        EXPECT_EQ(PixelAt(shot, c.width / 3, c.height - 1), kBottomBand.rgb());
        if (c.width > 20) {
            EXPECT_EQ(PixelAt(shot, c.width / 3, c.height / 3), kFaceWhite.rgb());
        }
    }
}

TEST_F(CardWidgetTest, SettingThePictureNumberAloneLeavesTheOldPictureUntilTheNextRepaint) {
    CardWidget card(1, &cardBack);
    card.resize(48, 65);
    card.show();  // a hidden widget would only hear of its resize when shown
    card.SetPCard(1);
    card.SetFace(true);
    card.SetPCard(2);
    EXPECT_EQ(Centre(card), kRed.rgb());

    card.DrawCard();
    EXPECT_EQ(Centre(card), kBlue.rgb());

    card.SetPCard(1);
    card.resize(71, 96);  // every resize repaints
    EXPECT_EQ(Centre(card), kRed.rgb());

    card.SetPCard(2);
    card.SetFace(true);  // setting the side it already shows repaints too
    EXPECT_EQ(Centre(card), kBlue.rgb());
}

TEST_F(CardWidgetTest, FaceDownCardsKeepTheOldBackUntilRedrawn) {
    cardBack = 1;
    CardWidget down(1, &cardBack), up(2, &cardBack);
    down.resize(48, 65);
    up.resize(48, 65);
    down.show();
    up.show();
    down.SetFace(false);
    up.SetPCard(2);
    up.SetFace(true);
    EXPECT_EQ(Centre(down), kBack1.rgb());

    cardBack = 2;
    EXPECT_EQ(Centre(down), kBack1.rgb());
    down.DrawCard();
    up.DrawCard();
    EXPECT_EQ(Centre(down), kBack2.rgb());
    EXPECT_EQ(Centre(up), kBlue.rgb());
}

TEST_F(CardWidgetTest, NumbersOutsideTheStoreDrawCardBackZero) {
    struct Case {
        bool face;
        int pCard, back;
    };
    for (const Case c : {Case{true, 54, 1}, Case{true, -1, 1}, Case{false, 1, 4},
                         Case{false, 1, -7}, Case{true, 1 << 30, 99}}) {
        SCOPED_TRACE(testing::Message() << c.face << " " << c.pCard << " " << c.back);
        cardBack = c.back;
        CardWidget card(1, &cardBack);
        card.resize(48, 65);
        card.SetPCard(c.pCard);
        card.SetFace(c.face);
        EXPECT_EQ(Centre(card), kBack0.rgb());
    }
}

TEST_F(CardWidgetTest, ACardWithoutWidthOrHeightDrawsNothingAndLivesOn) {
    CardWidget card(1, &cardBack);
    card.resize(0, 65);
    card.SetPCard(1);
    card.SetFace(true);
    card.resize(48, 0);
    card.DrawCard();
    card.resize(48, 65);
    EXPECT_EQ(Centre(card), kRed.rgb());
}

TEST_F(CardWidgetTest, APressWithAnyButtonAndAMoveNameTheCard) {
    QWidget table;
    table.resize(200, 200);
    auto* card = new CardWidget(17, &cardBack, &table);
    card->setGeometry(10, 10, 48, 65);
    table.show();
    QSignalSpy clicked(card, &CardWidget::clicked), hovered(card, &CardWidget::hovered);

    QTest::mouseMove(card, QPoint(20, 30));  // no button held: the card still hears it
    ASSERT_GE(hovered.count(), 1);
    EXPECT_EQ(hovered.last(), QList<QVariant>{17});
    EXPECT_EQ(clicked.count(), 0);

    QTest::mousePress(card, Qt::RightButton, Qt::ShiftModifier | Qt::AltModifier, QPoint(5, 7));
    ASSERT_EQ(clicked.count(), 1);  // on the press already
    EXPECT_EQ(clicked[0], QList<QVariant>{17});
    QTest::mouseRelease(card, Qt::RightButton, Qt::NoModifier, QPoint(6, 8));
    QTest::mouseClick(card, Qt::LeftButton, Qt::ControlModifier, QPoint(6, 8));
    EXPECT_EQ(clicked.count(), 2);  // the release adds nothing
}

TEST_F(CardWidgetTest, ADisabledCardRaisesNoMouseSignals) {
    QWidget table;
    table.resize(200, 200);
    auto* card = new CardWidget(3, &cardBack, &table);
    card->setGeometry(10, 10, 48, 65);
    table.show();
    card->setEnabled(false);
    QSignalSpy clicked(card, &CardWidget::clicked), hovered(card, &CardWidget::hovered);

    QTest::mouseMove(card, QPoint(20, 30));
    QTest::mouseClick(card, Qt::LeftButton, Qt::NoModifier, QPoint(20, 30));
    QTest::mouseClick(card, Qt::RightButton, Qt::NoModifier, QPoint(21, 31));

    EXPECT_EQ(clicked.count() + hovered.count(), 0);
}

}  // namespace
