// The card widget: the whole picture over the whole card at any size, what
// stays on screen until the next repaint, and the mouse it passes on.
#include <gtest/gtest.h>

#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

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
        CardWidget::SetCardBackSource(&cardBack);
        pictures.Put(PicSet::picFace, 0, Solid(71, 96, kBack0));
        pictures.Put(PicSet::picFace, 1, Solid(71, 96, kBack1));
        pictures.Put(PicSet::picFace, 2, Solid(71, 96, kBack2));
        pictures.Put(PicSet::picCard, 1, Solid(71, 96, kRed));
        pictures.Put(PicSet::picCard, 2, Solid(71, 96, kBlue));
        pictures.Put(PicSet::picCard, 3, Fingerprint());
        pictures.Put(PicSet::picCard, 4, Banded());
    }
    void TearDown() override { CardWidget::SetCardBackSource(nullptr); }

    static QRgb Centre(CardWidget& card) {
        const QImage shot = card.grab().toImage();
        return PixelAt(shot, shot.width() / 2, shot.height() / 2);
    }

    int cardBack = 0;
    ScopedPictures pictures;
};

TEST_F(CardWidgetTest, FaceUpAtNaturalSizeShowsThePicturePixelForPixel) {
    CardWidget card;
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
        CardWidget card;
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
    CardWidget card;
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

// Turning a card lets the events that wait run once before the caller goes on:
// the new side is drawn by then, and a handler may already act on it.
TEST_F(CardWidgetTest, TurningACardLetsPendingEventsRunOnce) {
    CardWidget card;
    card.resize(48, 65);
    card.show();
    card.SetPCard(1);
    for (const bool face : {true, false}) {
        SCOPED_TRACE(face);
        int ran = 0;
        QRgb seen = 0;
        QTimer::singleShot(0, &card, [&] {
            ++ran;
            seen = Centre(card);
        });
        card.SetFace(face);
        EXPECT_EQ(ran, 1);
        EXPECT_EQ(seen, face ? kRed.rgb() : kBack0.rgb());
    }
}

TEST_F(CardWidgetTest, FaceDownCardsKeepTheOldBackUntilRedrawn) {
    cardBack = 1;
    CardWidget down, up;
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
        CardWidget card;
        card.resize(48, 65);
        card.SetPCard(c.pCard);
        card.SetFace(c.face);
        EXPECT_EQ(Centre(card), kBack0.rgb());
    }
}

TEST_F(CardWidgetTest, ACardWithoutWidthOrHeightDrawsNothingAndLivesOn) {
    CardWidget card;
    card.resize(0, 65);
    card.SetPCard(1);
    card.SetFace(true);
    card.resize(48, 0);
    card.DrawCard();
    card.resize(48, 65);
    EXPECT_EQ(Centre(card), kRed.rgb());
}

TEST_F(CardWidgetTest, PassesButtonShiftAndPositionOfEachMouseEvent) {
    QWidget table;
    table.resize(200, 200);
    auto* card = new CardWidget(&table);
    card->setGeometry(10, 10, 48, 65);
    table.show();
    QSignalSpy down(card, &CardWidget::MouseDown), move(card, &CardWidget::MouseMove),
        up(card, &CardWidget::MouseUp);

    QTest::mouseMove(card, QPoint(20, 30));  // no button held: the card still hears it
    QTest::mousePress(card, Qt::RightButton, Qt::ShiftModifier | Qt::AltModifier, QPoint(5, 7));
    QTest::mouseRelease(card, Qt::LeftButton, Qt::ControlModifier, QPoint(6, 8));

    ASSERT_GE(move.count(), 1);
    EXPECT_EQ(move.last().at(0).toInt(), 0);
    EXPECT_FLOAT_EQ(move.last().at(2).toFloat(), 20.0f);
    EXPECT_FLOAT_EQ(move.last().at(3).toFloat(), 30.0f);
    ASSERT_EQ(down.count(), 1);
    EXPECT_EQ(down[0], (QList<QVariant>{2, 1 | 4, 5.0f, 7.0f}));
    ASSERT_EQ(up.count(), 1);
    EXPECT_EQ(up[0], (QList<QVariant>{1, 2, 6.0f, 8.0f}));
}

TEST_F(CardWidgetTest, ADisabledCardRaisesNoMouseEvents) {
    QWidget table;
    table.resize(200, 200);
    auto* card = new CardWidget(&table);
    card->setGeometry(10, 10, 48, 65);
    table.show();
    card->setEnabled(false);
    QSignalSpy down(card, &CardWidget::MouseDown), move(card, &CardWidget::MouseMove),
        up(card, &CardWidget::MouseUp);

    QTest::mouseMove(card, QPoint(20, 30));
    QTest::mouseClick(card, Qt::LeftButton, Qt::NoModifier, QPoint(20, 30));
    QTest::mouseClick(card, Qt::RightButton, Qt::NoModifier, QPoint(21, 31));

    EXPECT_EQ(down.count() + move.count() + up.count(), 0);
}

}  // namespace
