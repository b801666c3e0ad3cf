// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The table at any size: it grows by the largest factor at which all of it
// fits, centred in the green; every piece keeps its place in table units, the
// texts are set at the larger size, and each picture is drawn from the drawing
// closest at or above the pixels it covers.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPainter>
#include <memory>
#include <vector>

#include "engine/GameState.h"
#include "ui/CardWidget.h"
#include "ui/Look.h"
#include "ui/PictureStore.h"
#include "ui/ShapeWidget.h"
#include "ui/SpriteWidget.h"
#include "ui/TableWidget.h"

namespace {

const QColor kGreen(0, 128, 0);

QRect ToQRect(const Rect& r) { return {r.left, r.top, r.width, r.height}; }

// What a widget and its children show on a screen with `ratio` device pixels to
// each logical pixel, over the green table.
QImage RenderAt(QWidget& widget, qreal ratio) {
    QImage image((QSizeF(widget.size()) * ratio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(kGreen);
    widget.render(&image);
    image.setDevicePixelRatio(1);
    return image;
}

QImage Resource(const QString& path) { return QImage(path).convertToFormat(QImage::Format_RGB32); }

TEST(TableScale, TheTableGrowsByTheLargestFactorThatFitsCentredInTheGreen) {
    struct Case {
        QSize area;
        qreal factor;
        QPoint origin;
    };
    const Case cases[] = {
        {{640, 420}, 1, {0, 0}},
        {{1280, 840}, 2, {0, 0}},
        {{1000, 420}, 1, {180, 0}},  // wider than the table: green at either side
        {{640, 800}, 1, {0, 190}},   // taller: green above and below
        // Full screen on 1920 x 1080, below a 19-pixel menu bar.
        {{1920, 1061}, 1061.0 / 420, {152, 0}},
        {{3840, 2141}, 2141.0 / 420, {289, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.area.width() << "x" << c.area.height());
        const TableScale scale = TableScale::Fitting(c.area);
        EXPECT_DOUBLE_EQ(scale.factor, c.factor);
        EXPECT_EQ(scale.origin, c.origin);
        // Nothing is cut: the whole table lies inside the area.
        EXPECT_TRUE(QRect(QPoint(0, 0), c.area).contains(scale.ToWidget({0, 0, 640, 420})));
    }
}

// Each edge is rounded on its own, so neighbours that touch on the table touch on
// the screen, with no gap or overlap between them, at any factor.
TEST(TableScale, PiecesThatTouchOnTheTableTouchOnTheScreen) {
    for (const qreal factor : {1.0, 1.3, 1.5, 2.0, 2.526, 5.098}) {
        const TableScale scale{factor, QPoint(7, 3)};
        for (int left = 0; left < 40; ++left) {
            const QRect a = scale.ToWidget({left, 10, 3, 5});
            const QRect b = scale.ToWidget({left + 3, 10, 3, 5});
            EXPECT_EQ(a.right() + 1, b.left()) << factor << " " << left;
        }
    }
}

class TableSizeTest : public ::testing::Test {
protected:
    void SetUp() override {
        InstallFontSubstitutions();
        table = std::make_unique<TableWidget>(game);
        table->CreateCardWidgets();
        table->show();
    }
    // Where every piece of the table lies, and the size of its letters.
    struct Piece {
        QRect geometry;
        int letters = 0;
        bool operator==(const Piece&) const = default;
    };
    std::vector<Piece> Pieces() const {
        std::vector<Piece> pieces;
        for (const QWidget* w : table->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            pieces.push_back({w->geometry(), w->font().pixelSize()});
        return pieces;
    }
    GameState game;
    std::unique_ptr<TableWidget> table;
};

// Something of everything on the table, at twice the size: every piece twice as
// large at twice its place, every text at twice its size; and back at the table's
// own size everything is exactly where it was.
TEST_F(TableSizeTest, AtTwiceTheSizeEveryPieceIsTwiceAsLargeAndBackAgainAsItWas) {
    table->ShowSeatPanel(0, CharacterKind::You);
    table->ShowSeatPanel(3, CharacterKind::Tiger);
    table->ShowBalloon(3, "よろしく");
    table->SetSeatCardCount(3, "12");
    table->SetSoloLabelsVisible(true);
    table->SetTimeText("１２ 秒");
    table->SetCountText("３４ 手");
    table->MoveCard(12, MagnifiedPlacement(2, 1));
    table->SetCardVisible(12, true);
    table->SetFocusFrame(12);
    table->MoveHand(HandPlacement(5, 4).left, HandPlacement(5, 4).top);
    table->LoadBanner(1);
    table->MoveBanner(244, 50);
    const std::vector<Piece> own = Pieces();

    table->resize(1280, 840);
    const std::vector<Piece> twice = Pieces();
    ASSERT_EQ(twice.size(), own.size());
    const QList<QWidget*> widgets = table->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (size_t i = 0; i < own.size(); ++i) {
        const QWidget* w = widgets[qsizetype(i)];
        SCOPED_TRACE(testing::Message() << i << " " << w->metaObject()->className());
        const QRect was = own[i].geometry, now = twice[i].geometry;
        EXPECT_EQ(now.topLeft(), was.topLeft() * 2);
        EXPECT_EQ(now.height(), was.height() * 2);
        if (qobject_cast<const QLabel*>(w)) {
            // A text that grows its box to the right is measured at its own size.
            EXPECT_EQ(twice[i].letters, own[i].letters * 2);
            EXPECT_GE(now.width(), was.width() * 2 - 2);
        } else {
            EXPECT_EQ(now.width(), was.width() * 2);
        }
    }
    // The game still speaks in table units.
    EXPECT_EQ(table->CardRect(12), MagnifiedPlacement(2, 1));
    EXPECT_EQ(table->BannerSize().width, 320);
    // A card the game moves now goes to its doubled place at once.
    table->MoveCard(12, NormalPlacement(8, 5));
    EXPECT_EQ(table->Card(12)->geometry(), QRect(2 * (168 + 8 * 52), 2 * (4 + 5 * 69), 96, 130));
    table->MoveCard(12, MagnifiedPlacement(2, 1));

    table->resize(640, 420);
    EXPECT_EQ(Pieces(), own);
}

// In a wider window the table stands in the middle, the green on either side;
// the banner the game centres on the window's width is centred on the table.
TEST_F(TableSizeTest, AWiderTableStandsInTheMiddleOfTheGreen) {
    table->resize(1000, 420);
    EXPECT_EQ(table->WindowOuterWidth(), 640 + table->frameGeometry().width() - table->width());
    EXPECT_EQ(table->Card(0)->geometry(), ToQRect({380 + 180, 177, 48, 65}));
    EXPECT_EQ(table->SeatBox(0)->geometry(), ToQRect(SeatBoxRect(0)).translated(180, 0));
    const QImage shot = table->grab().toImage();
    EXPECT_EQ(shot.pixel(5, 5) | 0xFF000000u, kGreen.rgb());
    EXPECT_EQ(shot.pixel(995, 415) | 0xFF000000u, kGreen.rgb());
}

// The card shows the drawing closest at or above the pixels it covers on the
// screen, the table's magnification times the screen's density: exactly, where
// that is a whole 2 or 3; shrunk smoothly in between, never a sparser one
// blown up.
TEST(PicturesOnALargerTable, ACardIsDrawnFromTheDrawingClosestAtOrAboveItsPixels) {
    struct Case {
        qreal scale, screen;
        const char* drawing;  // what the card shows
        const char* sparser;  // what it must not show, blown up
    };
    const Case cases[] = {
        {1, 1, "", nullptr},    {2, 1, "@2x", ""},      {3, 1, "@3x", "@2x"}, {1.25, 1, "@2x", ""},
        {2.5, 1, "@3x", "@2x"}, {1.5, 2, "@3x", "@2x"},  // a table half as large again on a screen
                                                         // twice as dense
    };
    int cardBack = 1;
    for (const bool face : {true, false}) {
        const QString base = face ? QStringLiteral(":/pictures/picCard/30%1.png")
                                  : QStringLiteral(":/pictures/picFace/1%1.png");
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << face << " " << c.scale << " x " << c.screen);
            CardWidget card(31, &cardBack);
            card.SetPCard(30);
            card.SetScale(c.scale);
            card.resize(qRound(71 * c.scale), qRound(96 * c.scale));
            card.SetFace(face);
            const QImage shown = RenderAt(card, c.screen);
            auto stretched = [&](const char* drawing) {
                QImage image(shown.size(), QImage::Format_RGB32);
                image.setDevicePixelRatio(c.screen);
                QPainter p(&image);
                p.setRenderHint(QPainter::SmoothPixmapTransform);
                p.drawImage(QRectF(QPointF(0, 0), QSizeF(card.size())),
                            Resource(base.arg(QLatin1String(drawing))));
                p.end();
                image.setDevicePixelRatio(1);
                return image;
            };
            const QImage drawing = Resource(base.arg(QLatin1String(c.drawing)));
            if (drawing.size() == shown.size()) {
                EXPECT_EQ(shown, drawing);  // pixel for pixel
            } else {
                EXPECT_EQ(shown, stretched(c.drawing));
            }
            if (c.sparser) {
                EXPECT_NE(shown, stretched(c.sparser));
            }
        }
    }
}

// A character twice as large is its drawing made twice as large, pixel for
// pixel, with exactly its magenta see-through.
TEST(PicturesOnALargerTable, AFigureTwiceAsLargeIsItsDoubleDrawingKeyedExactly) {
    QWidget ground;
    ground.resize(142, 192);
    ground.setAutoFillBackground(true);
    QPalette green = ground.palette();
    green.setColor(QPalette::Window, kGreen);
    ground.setPalette(green);
    auto* sprite = new SpriteWidget(&ground);
    const QPixmap& picture = PictureStore::Picture(PicSet::picPlayer, 2);
    sprite->SetPicture(picture);
    sprite->SetMaskPicture(picture);
    sprite->SetScale(2);
    sprite->setGeometry(0, 0, 142, 192);
    const QImage shown = RenderAt(ground, 1);
    const QImage drawing = Resource(QStringLiteral(":/pictures/picPlayer/2@2x.png"));
    ASSERT_EQ(drawing.size(), shown.size());
    int wrong = 0;
    for (int y = 0; y < drawing.height(); ++y)
        for (int x = 0; x < drawing.width(); ++x) {
            const QRgb d = drawing.pixel(x, y);
            wrong += shown.pixel(x, y) != (d == PictureStore::kMaskColour ? kGreen.rgb() : d);
        }
    EXPECT_EQ(wrong, 0);
}

// The cursor grows with the table, from its denser drawing, pointing with the
// same spot of its picture.
TEST(PicturesOnALargerTable, TheCursorGrowsWithTheTable) {
    struct Case {
        qreal scale;
        int side;
        QPoint hotSpot;
    };
    for (const Case& c : {Case{1, 32, {10, 1}}, Case{1.5, 48, {15, 2}}, Case{2, 64, {20, 2}},
                          Case{3, 96, {30, 3}}}) {
        SCOPED_TRACE(c.scale);
        const QCursor cursor = PictureStore::Cursor(0, c.scale);
        EXPECT_EQ(cursor.pixmap().size(), QSize(c.side, c.side));
        EXPECT_EQ(cursor.hotSpot(), c.hotSpot);
    }
    EXPECT_EQ(PictureStore::Cursor(2, 2).pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
              QImage(QStringLiteral(":/pictures/cursor/2@2x.png"))
                  .convertToFormat(QImage::Format_ARGB32));

    GameState game;
    TableWidget table(game);
    table.SetTableCursor(1);
    table.show();
    table.resize(1920, 1260);
    EXPECT_EQ(table.cursor().pixmap().size(), QSize(96, 96));
    EXPECT_EQ(table.cursor().hotSpot(), QPoint(42, 3));
}

}  // namespace
