// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture catalogue: its sets and counts, and the artwork compiled into
// the program with the sizes, key colour and card frame the game relies on.
#include <gtest/gtest.h>

#include <QImage>

#include "TestPictures.h"
#include "ui/PictureStore.h"

namespace {

constexpr QRgb kMagenta = PictureStore::kMaskColour;
const QRgb kFrameCorner = qRgb(51, 153, 102);
const QRgb kBlack = qRgb(0, 0, 0);

QImage Image(PicSet set, int index) {
    return PictureStore::Picture(set, index).toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(PictureStore, SetsHoldTheirCountsAndNothingOutside) {
    PictureStore::Load();
    PictureStore::Load();  // loading twice changes nothing
    struct Case {
        PicSet set;
        int count;
    };
    for (const Case c :
         {Case{PicSet::picCard, 54}, Case{PicSet::picFace, 4}, Case{PicSet::picPlayer, 5},
          Case{PicSet::picMsgDat, 8}, Case{PicSet::imgJuni, 4}, Case{PicSet::cursor, 4},
          Case{PicSet::icon, 1}, Case{PicSet::title, 1}}) {
        SCOPED_TRACE(static_cast<int>(c.set));
        EXPECT_EQ(PictureStore::Count(c.set), c.count);
        for (const int outside : {-1, c.count, c.count + 100}) {
            EXPECT_TRUE(PictureStore::Picture(c.set, outside).isNull());
            EXPECT_FALSE(PictureStore::Has(c.set, outside));
        }
    }
}

TEST(PictureStore, CursorsAreUsableWhateverTheNumber) {
    // The four drawn cursors; any other number is the plain arrow.
    const std::pair<int, Qt::CursorShape> drawn[] = {
        {-1, Qt::ArrowCursor},   {0, Qt::BitmapCursor}, {1, Qt::BitmapCursor},
        {2, Qt::BitmapCursor},   {3, Qt::BitmapCursor}, {4, Qt::ArrowCursor},
        {1000, Qt::ArrowCursor},
    };
    for (const auto& [n, shape] : drawn) EXPECT_EQ(PictureStore::Cursor(n).shape(), shape) << n;

    // A missing picture falls back to the system's cursor: the pointing hand
    // over links, the arrow elsewhere.
    ScopedPictures pictures;
    pictures.Put(PicSet::cursor, 0, QPixmap());
    pictures.Put(PicSet::cursor, 3, QPixmap());
    EXPECT_EQ(PictureStore::Cursor(0).shape(), Qt::ArrowCursor);
    EXPECT_EQ(PictureStore::Cursor(3).shape(), Qt::PointingHandCursor);
    EXPECT_EQ(PictureStore::Cursor(2).shape(), Qt::BitmapCursor);
}

TEST(PictureStore, AReplacedPictureIsWhatUsersGet) {
    ScopedPictures pictures;
    pictures.Put(PicSet::picMsgDat, 3, Solid(234, 68, Qt::yellow));
    EXPECT_EQ(PictureStore::Picture(PicSet::picMsgDat, 3).size(), QSize(234, 68));
    EXPECT_TRUE(PictureStore::Has(PicSet::picMsgDat, 3));
}

// ---------------------------------------------------------------------------
// The artwork itself.

TEST(PictureStoreArt, CardFacesAndBacksAre71By96) {
    for (int i = 0; i < 54; ++i)
        EXPECT_EQ(PictureStore::Picture(PicSet::picCard, i).size(), QSize(71, 96)) << "card " << i;
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(PictureStore::Picture(PicSet::picFace, i).size(), QSize(71, 96)) << "back " << i;
}

// Every card and back shares one frame: a black outline with rounded corners,
// and the five pixels outside each rounding in the table's corner green.
TEST(PictureStoreArt, CardsShareTheFrameWithItsCornerPixels) {
    const std::vector<QPoint> corner = {{0, 0}, {1, 0}, {2, 0}, {0, 1}, {0, 2}};
    auto check = [&](PicSet set, int index) {
        const QImage image = Image(set, index);
        ASSERT_EQ(image.size(), QSize(71, 96));
        for (const QPoint p : corner)
            for (const QPoint q : {p, QPoint(70 - p.x(), p.y()), QPoint(p.x(), 95 - p.y()),
                                   QPoint(70 - p.x(), 95 - p.y())})
                EXPECT_EQ(image.pixel(q), kFrameCorner) << q.x() << "," << q.y();
        for (const QPoint q : {QPoint(35, 0), QPoint(35, 95), QPoint(0, 48), QPoint(70, 48)})
            EXPECT_EQ(image.pixel(q), kBlack) << q.x() << "," << q.y();
    };
    for (int i = 0; i < 54; ++i) {
        SCOPED_TRACE(testing::Message() << "card " << i);
        check(PicSet::picCard, i);
    }
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(testing::Message() << "back " << i);
        check(PicSet::picFace, i);
    }
}

TEST(PictureStoreArt, CharactersAndBannersHaveTheirSizesAndMagentaBackground) {
    struct Case {
        PicSet set;
        int index;
        QSize size;
    };
    std::vector<Case> cases;
    for (int i = 0; i < 5; ++i) cases.push_back({PicSet::picPlayer, i, {71, 96}});
    cases.push_back({PicSet::picMsgDat, 0, {138, 50}});
    cases.push_back({PicSet::picMsgDat, 1, {320, 96}});
    cases.push_back({PicSet::picMsgDat, 2, {320, 96}});
    cases.push_back({PicSet::picMsgDat, 3, {234, 68}});
    for (int i = 4; i < 8; ++i) cases.push_back({PicSet::picMsgDat, i, {320, 96}});
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.set) << " " << c.index);
        const QImage image = Image(c.set, c.index);
        ASSERT_EQ(image.size(), c.size);
        // The key colour is exact, and the figure is not all background.
        EXPECT_EQ(image.pixel(0, 0), kMagenta);
        int figure = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) figure += image.pixel(x, y) != kMagenta;
        EXPECT_GT(figure, image.width() * image.height() / 20);
    }
}

TEST(PictureStoreArt, RankFacesCursorsIconAndTitleArePresent) {
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(PictureStore::Picture(PicSet::imgJuni, i).size(), QSize(32, 32)) << "rank " << i;
        EXPECT_EQ(PictureStore::Picture(PicSet::cursor, i).size(), QSize(32, 32)) << "cursor " << i;
    }
    EXPECT_EQ(PictureStore::Picture(PicSet::icon, 0).size(), QSize(32, 32));
    EXPECT_FALSE(PictureStore::ProgramIcon().isNull());
    EXPECT_FALSE(PictureStore::Picture(PicSet::title, 0).isNull());
    const QPoint hotSpots[4] = {{10, 1}, {14, 1}, {5, 9}, {12, 1}};
    for (int n = 0; n < 4; ++n) EXPECT_EQ(PictureStore::Cursor(n).hotSpot(), hotSpots[n]);
}

}  // namespace
