// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The green table: where its widgets lie and in which order, the seat panels,
// the names and counts that must fit their boxes, and the banner.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTimer>
#include <memory>

#include "TestPictures.h"
#include "app/QtHost.h"
#include "engine/GameState.h"
#include "engine/Reveal.h"
#include "ui/CardWidget.h"
#include "ui/Look.h"
#include "ui/ShapeWidget.h"
#include "ui/SpriteWidget.h"
#include "ui/TableWidget.h"

namespace {

QRect ToQRect(const Rect& r) { return {r.left, r.top, r.width, r.height}; }

class TableWidgetTest : public ::testing::Test {
protected:
    void SetUp() override {
        InstallFontSubstitutions();  // as the start-up does: the names are measured in the game's
                                     // fonts
        table = std::make_unique<TableWidget>(shown);
        table->CreateCardWidgets();
    }
    GameState shown;  // a game of its own, as the program starts it
    std::unique_ptr<TableWidget> table;
};

TEST_F(TableWidgetTest, EveryWidgetStartsHiddenWhereTheLayoutPutsIt) {
    for (QWidget* w : table->findChildren<QWidget*>())
        EXPECT_TRUE(w->isHidden()) << w->metaObject()->className();

    for (int seat = 0; seat < 4; ++seat) {
        EXPECT_EQ(table->SeatBox(seat)->geometry(), ToQRect(SeatBoxRect(seat)));
        EXPECT_EQ(table->Character(seat)->geometry(), ToQRect(SeatCharacterRect(seat)));
    }
    EXPECT_EQ(table->GotCard(1)->geometry(), QRect(84, 168, 25, 33));
    EXPECT_EQ(table->CountLabel(2)->geometry(), QRect(128, 284, 32, 21));
    EXPECT_EQ(table->BalloonLabel(3)->geometry(), QRect(80, 320, 76, 44));
    EXPECT_TRUE(table->BalloonLabel(3)->wordWrap());
    EXPECT_EQ(table->TimeLabel()->geometry(), QRect(88, 116, 32, 16));
    EXPECT_EQ(table->TurnCountLabel()->geometry(), QRect(88, 136, 40, 16));
    EXPECT_EQ(table->Hand()->geometry(), ToQRect(HandPlacement(0, 0)));

    for (int i = 1; i < 60; ++i) {
        const CardWidget* card = table->Card(i);
        ASSERT_NE(card, nullptr);
        EXPECT_EQ(card->size(), QSize(48, 65));
        EXPECT_EQ(card->pCard(), i);
        EXPECT_FALSE(card->Face());
    }
    EXPECT_EQ(table->Card(60), nullptr);
    EXPECT_EQ(table->Card(-1), nullptr);
}

TEST_F(TableWidgetTest, CardsLieOverTheHandAndThePanelsAndUnderTheBanner) {
    const QObjectList order = table->children();
    const auto at = [&](const QObject* o) { return order.indexOf(o); };
    for (const int card : {0, 1, 54, 59}) {
        EXPECT_GT(at(table->Card(card)), at(table->Hand()));
        EXPECT_GT(at(table->Card(card)), at(table->Character(3)));
        EXPECT_LT(at(table->Card(card)), at(table->Banner()));
    }
    EXPECT_GT(at(table->BalloonLabel(0)), at(table->NameLabel(0)));
    table->RaiseCard(7);
    EXPECT_EQ(table->children().last(), table->Card(7));
}

TEST_F(TableWidgetTest, ASeatPanelShowsItsNineWidgetsAndHidesThemAgain) {
    table->show();
    table->ShowSeatPanel(1, CharacterKind::Wolf);
    EXPECT_EQ(table->NameLabel(1)->text(), "Wolf");
    EXPECT_EQ(table->CountLabel(1)->text(), "0");
    EXPECT_EQ(table->SeatBox(1)->Fill(), QColor(128, 0, 0));
    const QList<QWidget*> shown = {table->Character(1), table->NameLabel(1), table->CountLabel(1),
                                   table->SeatBox(1), table->GotCard(1)};
    for (QWidget* w : shown) EXPECT_TRUE(w->isVisible()) << w->metaObject()->className();
    int visible = 0;
    for (QWidget* w : table->findChildren<QWidget*>()) visible += w->isVisible();
    EXPECT_EQ(visible, 7);  // character, name, "x", count, box, line, small card back
    EXPECT_TRUE(table->BalloonLabel(1)->isHidden());

    table->SetSeatOnTurn(1, true);
    EXPECT_EQ(table->SeatBox(1)->Fill(), QColor(255, 0, 0));
    table->SetSeatOnTurn(1, false);
    EXPECT_EQ(table->SeatBox(1)->Fill(), QColor(128, 0, 0));

    table->ShowBalloon(1, "世界が俺を呼んでるぜぇ。");
    EXPECT_EQ(table->BalloonLabel(1)->text(), "世界が俺を呼んでるぜぇ。");
    visible = 0;
    for (QWidget* w : table->findChildren<QWidget*>()) visible += w->isVisible();
    EXPECT_EQ(visible, 9);

    table->HideSeatPanel(1);
    for (QWidget* w : table->findChildren<QWidget*>())
        EXPECT_FALSE(w->isVisible()) << w->metaObject()->className();
}

TEST_F(TableWidgetTest, EveryNameAndCountFitsItsBoxBesideTheCharacter) {
    for (int seat = 0; seat < 4; ++seat) {
        const int right = table->NameLabel(seat)->geometry().right();
        for (const auto kind : {CharacterKind::You, CharacterKind::Swallow, CharacterKind::Wolf,
                                CharacterKind::Tiger}) {
            table->ShowSeatPanel(seat, kind);
            const QLabel* name = table->NameLabel(seat);
            SCOPED_TRACE(testing::Message() << seat << " " << name->text().toStdString());
            EXPECT_LE(name->fontMetrics().horizontalAdvance(name->text()), name->width());
            EXPECT_EQ(name->geometry().right(), right);
            EXPECT_GE(name->x(), 76);
        }
        table->SetSeatCardCount(seat, "54");
        const QLabel* count = table->CountLabel(seat);
        EXPECT_LE(count->fontMetrics().horizontalAdvance("54"), count->width());
    }
    table->SetTimeText("９９９ 秒");
    table->SetCountText("１２３ 手");
    for (const QLabel* l : {table->TimeLabel(), table->TurnCountLabel()}) {
        EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->width());
        EXPECT_EQ(l->x(), 88);
        EXPECT_LE(l->geometry().right(), 163);  // still left of the table's cards
    }
}

TEST_F(TableWidgetTest, TheBannerTakesTheSizeOfItsPicture) {
    ScopedPictures pictures;
    pictures.Put(PicSet::picMsgDat, 1, Solid(320, 96, Qt::yellow));
    table->LoadBanner(1);
    EXPECT_EQ(table->BannerSize().width, 320);
    EXPECT_EQ(table->BannerSize().height, 96);
    table->MoveBanner(204, 50);
    EXPECT_EQ(table->Banner()->geometry(), QRect(204, 50, 320, 96));
}

// The engine turning a card on the table lets the events that wait run once
// before it goes on: the new side is drawn by then, and a handler may already
// act on it.
TEST_F(TableWidgetTest, ACardTurnedByTheEngineIsDrawnWhenEventsRun) {
    ScopedPictures pictures;
    pictures.Put(PicSet::picCard, 1, Solid(71, 96, Qt::red));
    pictures.Put(PicSet::picFace, 0, Solid(71, 96, Qt::blue));
    QtHost host;
    AttachHost(&host);
    AttachViews({table.get(), table.get(), table.get(), nullptr});
    CardWidget* card = table->Card(1);
    table->show();
    card->show();
    auto centre = [&] { return PixelAt(card->grab().toImage(), 24, 32); };
    for (const bool face : {true, false}) {
        SCOPED_TRACE(face);
        int ran = 0;
        QRgb seen = 0;
        QTimer::singleShot(0, card, [&] {
            ++ran;
            seen = centre();
        });
        ShowCardFace(shown, 1, face);
        EXPECT_EQ(ran, 1);
        EXPECT_EQ(seen, face ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
    }
    AttachViews({});
    AttachHost(nullptr);
}

}  // namespace
