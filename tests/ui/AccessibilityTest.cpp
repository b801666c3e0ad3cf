// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader finds on the table and hears from it: cards named by
// place and side, the seat panels, the focus on the framed card, and the
// notices as the play goes on (and none while cards nobody sees are turned),
// each an object of its own. How the notices reach a screen reader is the
// on-screen screen-reader checks'.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <memory>

#include "engine/GameState.h"
#include "opponents/OpponentSeat.h"
#include "ui/Accessibility.h"
#include "ui/CardWidget.h"
#include "ui/ShapeWidget.h"
#include "ui/TableWidget.h"

namespace {

class AccessibilityTest : public ::testing::Test {
protected:
    GameState game;  // a fresh game for every test
    void SetUp() override {
        table = std::make_unique<TableWidget>(game);
        table->CreateCardWidgets();
        game.seats[0].active = true;
        game.seats[0].kind = CharacterKind::You;
        game.seats[1].active = true;
        game.seats[1].kind = CharacterKind::Swallow;
        table->ShowSeatPanel(0, CharacterKind::You);
        table->ShowSeatPanel(1, CharacterKind::Swallow);
    }
    void TearDown() override { table.reset(); }
    // Card `card` lies face down in (col, row) with picture `picture`.
    void Lay(int card, int col, int row, int picture) {
        game.cards[card].col = col;
        game.cards[card].row = row;
        game.board[col][row] = card;
        table->SetCardPicture(card, picture);
        table->SetCardFace(card, false);
        table->SetCardVisible(card, true);
    }
    QString NameOf(QObject* object) const {
        return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
    }
    std::unique_ptr<TableWidget> table;
};

TEST_F(AccessibilityTest, EveryFaceIsNamedByItsSuitAndRank) {
    const struct {
        int picture;
        const char* name;
    } faces[] = {{0, "クラブのエース"}, {9, "クラブの10"},        {12, "クラブのキング"},
                 {14, "スペードの2"},   {36, "ダイヤのジャック"}, {50, "ハートのクイーン"},
                 {52, "ジョーカー"},    {53, "ジョーカー"}};
    for (const auto& f : faces)
        EXPECT_EQ(TableSpeaker::FaceName(f.picture), QString::fromUtf8(f.name)) << f.picture;
}

TEST_F(AccessibilityTest, ACardIsAButtonNamedByItsPlaceAndItsSide) {
    Lay(5, 2, 1, 45);
    QAccessibleInterface* card = QAccessible::queryAccessibleInterface(table->Card(5));
    EXPECT_EQ(card->role(), QAccessible::Button);
    EXPECT_EQ(card->text(QAccessible::Name), QStringLiteral("2行 3列 裏向き"));
    table->SetCardFace(5, true);
    EXPECT_EQ(card->text(QAccessible::Name), QStringLiteral("2行 3列 ハートの7"));
    game.board[2][1] = 0;  // taken into a seat's panel
    EXPECT_EQ(card->text(QAccessible::Name), QStringLiteral("取られた札 ハートの7"));

    // The table lists the seat panels, the status line, the notice and the
    // 54 cards, and none of them is left without a name.
    QAccessibleInterface* whole = QAccessible::queryAccessibleInterface(table.get());
    ASSERT_EQ(whole->childCount(), 4 + 2 + 54);
    for (int i = 0; i < whole->childCount(); ++i) {
        EXPECT_FALSE(whole->child(i)->text(QAccessible::Name).isEmpty()) << i;
        EXPECT_EQ(whole->indexOfChild(whole->child(i)), i);
    }
}

TEST_F(AccessibilityTest, TheFramedCardHasTheFocus) {
    Lay(7, 0, 0, 3);
    Lay(8, 1, 0, 4);
    table->SetFocusFrame(8);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(table->Card(8))->state().focused);
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(table->Card(7))->state().focused);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(table.get())->focusChild()->object(),
              table->Card(8));
}

TEST_F(AccessibilityTest, ThePlayIsToldInNoticesAndTheDealSaysNothing) {
    Lay(1, 0, 0, 2);
    Lay(2, 1, 0, 15);
    QSignalSpy notices(table->Speaker(), &TableSpeaker::announced);
    // Cards turned while nobody sees them (the deal, the clearing) say nothing.
    Lay(3, 2, 0, 30);
    table->SetCardVisible(3, false);
    table->SetCardFace(3, true);
    table->SetCardFace(3, false);
    EXPECT_EQ(notices.count(), 0);

    game.currentSeat = 1;
    TableSpeaker* speaker = table->Speaker();
    const struct {
        std::function<void()> act;
        const char* notice;
    } steps[] = {
        {[&] { table->SetSeatOnTurn(1, true); }, "ツバメの番です"},
        {[&] { table->ShowBalloon(1, "これとね、"); }, "ツバメ「これとね、」"},
        {[&] {
             game.firstPick = 1;
             game.secondPick = 2;
             table->SetCardFace(1, true);
         },
         "ツバメがめくりました：1行 1列 クラブの3"},
        {[&] { table->SetCardFace(2, true); }, "ツバメがめくりました：1行 2列 スペードの3"},
        {[&] {
             table->SetCardFace(1, false);
             table->SetCardFace(2, false);
         },
         "はずれ"},
        {[&] { table->SetSeatCardCount(1, "2"); }, "ツバメが3のペアを取りました、2枚"},
        {[&] { table->SetSeatOnTurn(1, false), table->SetSeatOnTurn(0, true); }, "あなたの番です"},
    };
    for (const auto& step : steps) {
        notices.clear();
        step.act();
        EXPECT_EQ(speaker->LastNotice(), QString::fromUtf8(step.notice));
        ASSERT_EQ(notices.count(), 1) << step.notice;
        EXPECT_EQ(notices.at(0).at(0).toString(), QString::fromUtf8(step.notice));
    }
    EXPECT_EQ(NameOf(table->SeatBox(1)), QStringLiteral("ツバメ、取った札 2枚"));
    EXPECT_EQ(NameOf(table->SeatBox(0)), QStringLiteral("あなた、取った札 0枚、手番"));
    // An empty balloon (a character that says nothing) is not announced.
    notices.clear();
    table->ShowBalloon(1, "");
    EXPECT_EQ(notices.count(), 0);
}

TEST_F(AccessibilityTest, TheCardThePlayerTurnsIsSaidTooAndAnEdgeSaysSo) {
    Lay(1, 0, 0, 2);
    Lay(2, 1, 0, 25);
    game.currentSeat = 0;
    QSignalSpy notices(table->Speaker(), &TableSpeaker::announced);
    table->SetFocusFrame(2);
    EXPECT_EQ(notices.count(), 0);  // the screen reader reads the card the focus comes to
    table->SetCardFace(2, true);    // the player's own card: its face, the place is known
    table->SetCardFace(1, true);    // one the mouse turned elsewhere: its place as well
    table->SetFocusFrame(2);        // an arrow that found nothing further
    ASSERT_EQ(notices.count(), 3);
    EXPECT_EQ(notices.at(0).at(0).toString(), QStringLiteral("スペードのキング"));
    EXPECT_EQ(notices.at(1).at(0).toString(), QStringLiteral("1行 1列 クラブの3"));
    EXPECT_EQ(notices.at(2).at(0).toString(), QStringLiteral("この先に札はありません"));
}

TEST_F(AccessibilityTest, EachNoticeIsAnObjectOfItsOwnAndWhatHappensAtOnceIsOne) {
    Lay(1, 0, 0, 2);
    game.currentSeat = 1;
    QObject* before = table->Speaker()->Notice();
    table->SetSeatOnTurn(1, true);
    table->ShowBalloon(1, "これとね、");
    ASSERT_TRUE(QTest::qWaitFor([&] { return table->Speaker()->Notice() != before; }));
    QObject* first = table->Speaker()->Notice();
    EXPECT_EQ(NameOf(first), QStringLiteral("ツバメの番です。ツバメ「これとね、」"));

    table->SetCardFace(1, true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return table->Speaker()->Notice() != first; }));
    QObject* second = table->Speaker()->Notice();
    EXPECT_EQ(NameOf(second), QStringLiteral("ツバメがめくりました：1行 1列 クラブの3"));
    // The earlier notice still says what it said, for a screen reader that
    // comes to it only now; the table lists the latest.
    EXPECT_EQ(NameOf(first), QStringLiteral("ツバメの番です。ツバメ「これとね、」"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(first)->role(), QAccessible::Notification);
    QAccessibleInterface* whole = QAccessible::queryAccessibleInterface(table.get());
    EXPECT_EQ(whole->child(4 + 1)->object(), second);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(second)->parent()->object(), table.get());
}

TEST_F(AccessibilityTest, TheStatusLineIsAlwaysThereAndTellsTimeAndTurnsOrTheCardsTaken) {
    QAccessibleInterface* status =
        QAccessible::queryAccessibleInterface(table->Speaker()->Status());
    ASSERT_EQ(status->role(), QAccessible::StatusBar);
    EXPECT_FALSE(status->state().invisible);
    table->SetSeatCardCount(1, "4");
    table->SetSeatOnTurn(1, true);
    EXPECT_EQ(status->text(QAccessible::Name),
              QStringLiteral("あなた、取った札 0枚。ツバメ、取った札 4枚、手番"));
    table->SetSoloLabelsVisible(true);
    table->SetTimeText("１２ 秒");
    table->SetCountText("３ 手");
    EXPECT_FALSE(status->state().invisible);
    EXPECT_EQ(status->text(QAccessible::Name), QStringLiteral("経過時間 １２ 秒、手数 ３ 手"));
}

TEST_F(AccessibilityTest, AScreenReadersVoiceHearsNoPunctuationByName) {
    const struct {
        const char* line;
        const char* heard;
    } lines[] = {
        {"Swallow: \u201cEeny, meeny...\u201d", "Swallow, Eeny, meeny..."},
        {"Well - let's see; (this one)", "Well let's see, this one"},
        {"ツバメ「これとね、」", "ツバメ「これとね、」"},
    };
    for (const auto& l : lines)
        EXPECT_EQ(Accessibility::Speakable(QString::fromUtf8(l.line)), QString::fromUtf8(l.heard))
            << l.line;
}

}  // namespace
