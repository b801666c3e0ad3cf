// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The sprite widget: the figure over whatever lies behind it, the magenta of
// its mask see-through, and its two mouse events.
#include <gtest/gtest.h>

#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include "TestPictures.h"
#include "ui/SpriteWidget.h"

namespace {

const QColor kGreen(0, 128, 0), kFigure(30, 60, 200), kMagenta(255, 0, 255), kBlack(0, 0, 0);

// A 20 x 20 figure: a blue square in the middle of a magenta background.
QPixmap Figure() {
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(kMagenta);
    QPainter(&image).fillRect(5, 5, 10, 10, kFigure);
    return QPixmap::fromImage(image);
}

class SpriteWidgetTest : public ::testing::Test {
protected:
    SpriteWidgetTest() {
        table.resize(100, 100);
        table.setAutoFillBackground(true);
        QPalette p = table.palette();
        p.setColor(QPalette::Window, kGreen);
        table.setPalette(p);
        // Another widget under the sprite must show through it as well.
        under = new QWidget(&table);
        under->setGeometry(10, 10, 4, 4);
        under->setAutoFillBackground(true);
        QPalette q = under->palette();
        q.setColor(QPalette::Window, Qt::white);
        under->setPalette(q);
        sprite = new SpriteWidget(&table);
        sprite->setGeometry(10, 10, 30, 30);  // larger than its picture, as users size it
    }
    QRgb At(int x, int y) { return PixelAt(table.grab().toImage(), x, y); }

    QWidget table;
    QWidget* under;
    SpriteWidget* sprite;
};

TEST_F(SpriteWidgetTest, MagentaOfTheMaskShowsWhatLiesBehind) {
    sprite->SetPicture(Figure());
    sprite->SetMaskPicture(Figure());
    EXPECT_EQ(At(20, 20), kFigure.rgb());            // the figure
    EXPECT_EQ(At(12, 12), QColor(Qt::white).rgb());  // the widget underneath
    EXPECT_EQ(At(17, 12), kGreen.rgb());             // the table, inside the picture
    EXPECT_EQ(At(35, 35), kGreen.rgb());             // and beyond the picture
}

TEST_F(SpriteWidgetTest, TheMaskAloneDecidesTheShape) {
    QImage mask(20, 20, QImage::Format_RGB32);
    mask.fill(kMagenta);
    mask.setPixel(2, 3, qRgb(0, 0, 0));
    sprite->SetPicture(Solid(20, 20, kFigure));
    sprite->SetMaskPicture(QPixmap::fromImage(mask));
    EXPECT_EQ(At(12, 13), kFigure.rgb());
    EXPECT_EQ(At(20, 20), kGreen.rgb());

    sprite->SetMaskPicture(QPixmap());  // without a mask nothing of the picture shows
    EXPECT_EQ(At(12, 13), QColor(Qt::white).rgb());
    EXPECT_EQ(At(20, 20), kGreen.rgb());
}

TEST_F(SpriteWidgetTest, BorderStyleOneFramesTheWidget) {
    sprite->SetPicture(Figure());
    sprite->SetMaskPicture(Figure());
    EXPECT_EQ(sprite->BorderStyle(), 0);
    EXPECT_EQ(At(25, 39), kGreen.rgb());
    sprite->SetBorderStyle(1);
    for (const QPoint p : {QPoint(10, 25), QPoint(39, 25), QPoint(25, 10), QPoint(25, 39)})
        EXPECT_EQ(At(p.x(), p.y()), kBlack.rgb()) << p.x() << "," << p.y();
    EXPECT_EQ(At(20, 20), kFigure.rgb());
    EXPECT_EQ(At(35, 35), kGreen.rgb());
}

TEST_F(SpriteWidgetTest, PressAndReleaseInsideRaisePressedAndClickedOnlyWhileEnabled) {
    table.show();
    QSignalSpy down(sprite, &SpriteWidget::pressed), click(sprite, &SpriteWidget::clicked);

    QTest::mouseClick(sprite, Qt::LeftButton, Qt::ControlModifier, QPoint(12, 14));
    ASSERT_EQ(down.count(), 1);
    EXPECT_EQ(click.count(), 1);
    QTest::mouseClick(sprite, Qt::RightButton, Qt::NoModifier, QPoint(12, 14));
    EXPECT_EQ(down.count(), 2);   // any button presses
    EXPECT_EQ(click.count(), 1);  // only the left one clicks

    // Released outside the widget: pressed, but not clicked.
    QTest::mousePress(sprite, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseRelease(sprite, Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
    EXPECT_EQ(down.count(), 3);
    EXPECT_EQ(click.count(), 1);

    sprite->setEnabled(false);
    QTest::mouseClick(sprite, Qt::LeftButton, Qt::NoModifier, QPoint(12, 14));
    EXPECT_EQ(down.count(), 3);
    EXPECT_EQ(click.count(), 1);
}

}  // namespace
