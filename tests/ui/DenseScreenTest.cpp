// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// High-density screens: the picture store hands out the drawing made for the
// screen's density at the picture's own logical size, the magnified card shows
// that drawing pixel for pixel, and a sprite's magenta never shows, also where
// its figure is shrunk to a ratio in between.
#include <gtest/gtest.h>

#include <QPainter>
#include <algorithm>

#include "TestPictures.h"
#include "ui/CardWidget.h"
#include "ui/PictureStore.h"
#include "ui/SpriteWidget.h"

namespace {

const QColor kGreen(0, 128, 0);

// What a widget and its children show on a screen with `ratio` device pixels to each
// logical pixel, over the green table.
QImage RenderAt(QWidget& widget, qreal ratio) {
    QImage image((QSizeF(widget.size()) * ratio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(kGreen);
    widget.render(&image);
    image.setDevicePixelRatio(1);
    return image;
}

QImage Resource(const QString& path) { return QImage(path).convertToFormat(QImage::Format_RGB32); }

// A pixel where the sprite's magenta key shows through, whole or blended into an edge.
bool Pinkish(QRgb c) {
    const int purple = std::min(qRed(c), qBlue(c));
    return purple >= 140 && purple - qGreen(c) >= 90;
}

TEST(PictureStoreDensity, EveryPictureComesDenserAtItsOwnLogicalSize) {
    struct Case {
        qreal screen;
        qreal drawing;  // the density of the drawing handed out
    };
    const Case cases[] = {{1, 1}, {1.25, 2}, {1.5, 2}, {2, 2}, {2.5, 3}, {3, 3}, {4, 3}};
    for (const PicSet set : {PicSet::picCard, PicSet::picFace, PicSet::picPlayer, PicSet::picMsgDat,
                             PicSet::imgJuni, PicSet::cursor, PicSet::icon, PicSet::title}) {
        for (int i = 0; i < PictureStore::Count(set); ++i) {
            const QPixmap& picture = PictureStore::Picture(set, i);
            SCOPED_TRACE(testing::Message() << static_cast<int>(set) << " " << i);
            ASSERT_EQ(picture.devicePixelRatio(), 1);
            for (const Case& c : cases) {
                const QPixmap dense = PictureStore::ForRatio(picture, c.screen);
                EXPECT_EQ(dense.devicePixelRatio(), c.drawing) << c.screen;
                EXPECT_EQ(dense.deviceIndependentSize(), QSizeF(picture.size())) << c.screen;
            }
        }
    }
}

TEST(PictureStoreDensity, APictureNotFromTheStoreIsHandedBackAsItIs) {
    const QPixmap own = Solid(71, 96, Qt::red);
    EXPECT_EQ(PictureStore::ForRatio(own, 2).cacheKey(), own.cacheKey());
    // A test's own picture put into the store has no denser drawing either.
    ScopedPictures pictures;
    pictures.Put(PicSet::picCard, 5, own);
    EXPECT_EQ(PictureStore::ForRatio(PictureStore::Picture(PicSet::picCard, 5), 3).cacheKey(),
              own.cacheKey());
}

TEST(PictureStoreDensity, TheProgramIconComesInEverySizeItIsDrawnAt) {
    const QIcon icon = PictureStore::ProgramIcon();
    QList<QSize> sizes = icon.availableSizes();
    std::sort(sizes.begin(), sizes.end(),
              [](const QSize& a, const QSize& b) { return a.width() < b.width(); });
    // From the smallest a panel shows to the largest a dock or task switcher asks for.
    const QList<QSize> want = {{16, 16}, {22, 22}, {24, 24},   {32, 32},  {48, 48},
                               {64, 64}, {96, 96}, {128, 128}, {256, 256}};
    EXPECT_EQ(sizes, want);
    // Asked for a size, the desktop gets that drawing itself, not a smaller one stretched.
    for (const QSize& size : want) EXPECT_EQ(icon.pixmap(size).size(), size) << size.width();
    EXPECT_EQ(PictureStore::LargestIcon().deviceIndependentSize(), QSizeF(128, 128));
}

// The magnified card at twice the density is the card drawn at twice the density,
// pixel for pixel; at 1.5 it is that drawing shrunk, never the plain one magnified.
TEST(CardWidgetDensity, TheMagnifiedCardShowsTheDenserDrawing) {
    int cardBack = 2;
    CardWidget card(12, &cardBack);
    card.resize(71, 96);
    card.SetPCard(12);
    struct Case {
        bool face;
        const char* twice;
        const char* plain;
    };
    for (const Case& c : {Case{true, ":/pictures/picCard/12@2x.png", ":/pictures/picCard/12.png"},
                          Case{false, ":/pictures/picFace/2@2x.png", ":/pictures/picFace/2.png"}}) {
        SCOPED_TRACE(c.twice);
        card.SetFace(c.face);
        EXPECT_EQ(RenderAt(card, 2), Resource(QString::fromLatin1(c.twice)));

        // At 1.5 the denser drawing is shrunk smoothly, not the plain one magnified.
        const QImage shown = RenderAt(card, 1.5);
        auto stretched = [&](const char* path) {
            QImage image(shown.size(), QImage::Format_RGB32);
            image.setDevicePixelRatio(1.5);
            QPainter p(&image);
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawImage(QRectF(0, 0, 71, 96), Resource(QString::fromLatin1(path)));
            p.end();
            image.setDevicePixelRatio(1);
            return image;
        };
        EXPECT_EQ(shown, stretched(c.twice));
        EXPECT_NE(shown, stretched(c.plain));
    }
}

class SpriteDensity : public ::testing::Test {
protected:
    SpriteDensity() {
        table.resize(320, 96);
        table.setAutoFillBackground(true);
        QPalette p = table.palette();
        p.setColor(QPalette::Window, kGreen);
        table.setPalette(p);
        sprite = new SpriteWidget(&table);
    }
    void Show(PicSet set, int index) {
        const QPixmap& picture = PictureStore::Picture(set, index);
        sprite->setGeometry(QRect(QPoint(0, 0), picture.size()));
        sprite->SetPicture(picture);
        sprite->SetMaskPicture(picture);
    }
    QWidget table;
    SpriteWidget* sprite;
};

// At twice the density the figure is the denser drawing exactly, and exactly its
// magenta lets the table show.
TEST_F(SpriteDensity, TheFigureIsTheDenserDrawingKeyedExactly) {
    for (int kind = 0; kind < 5; ++kind) {
        SCOPED_TRACE(kind);
        Show(PicSet::picPlayer, kind);
        const QImage shown = RenderAt(table, 2);
        const QImage drawing = Resource(QStringLiteral(":/pictures/picPlayer/%1@2x.png").arg(kind));
        ASSERT_EQ(drawing.size(), QSize(142, 192));
        int wrong = 0;
        for (int y = 0; y < drawing.height(); ++y)
            for (int x = 0; x < drawing.width(); ++x) {
                const QRgb d = drawing.pixel(x, y);
                const QRgb want = d == PictureStore::kMaskColour ? kGreen.rgb() : d;
                wrong += shown.pixel(x, y) != want;
            }
        EXPECT_EQ(wrong, 0);
    }
}

// A mask that is not the picture's own has no denser drawing to line up with the
// picture's: both are shown as given, and the whole mask still decides the shape.
TEST_F(SpriteDensity, AMaskOfAnotherDensityStillCoversThePicture) {
    Show(PicSet::picPlayer, 1);
    sprite->SetMaskPicture(Solid(71, 96, Qt::black));  // opaque everywhere
    const QImage shown = RenderAt(table, 2);
    int green = 0;
    for (int y = 0; y < 192; ++y)
        for (int x = 0; x < 142; ++x) green += shown.pixel(x, y) == kGreen.rgb();
    EXPECT_EQ(green, 0);
}

// Between two densities the figure is shrunk smoothly; its edges blend into the
// table, never into the key colour.
TEST_F(SpriteDensity, NoPinkFringeBetweenDensities) {
    struct Case {
        PicSet set;
        int index;
    };
    std::vector<Case> cases;
    for (int kind = 0; kind < 5; ++kind) cases.push_back({PicSet::picPlayer, kind});
    for (int banner = 0; banner < 8; ++banner) cases.push_back({PicSet::picMsgDat, banner});
    for (const qreal ratio : {1.25, 1.5, 2.5}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message()
                         << ratio << " " << static_cast<int>(c.set) << " " << c.index);
            Show(c.set, c.index);
            const QImage shown = RenderAt(table, ratio);
            int pink = 0, figure = 0;
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x) {
                    pink += Pinkish(shown.pixel(x, y));
                    figure += shown.pixel(x, y) != kGreen.rgb();
                }
            EXPECT_EQ(pink, 0);
            EXPECT_GT(figure, shown.width() * shown.height() / 40);  // the figure is there
        }
    }
}

}  // namespace
