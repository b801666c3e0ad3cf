// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The versus result window: names, counts, the place faces, the balloons and "O.K".
#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QTest>
#include <algorithm>

#include "engine/GameState.h"
#include "ui/ResultParts.h"
#include "ui/ShapeWidget.h"
#include "ui/VersusResultWindow.h"

namespace {

constexpr int kNobody = -1;  // an empty seat

// Seats 0..3 with You, Swallow, Wolf and Tiger, each with its cards taken;
// kNobody leaves a seat empty.
VersusResultWindow::Seats SeatsFor(std::array<int, 4> cards) {
    const CharacterKind players[] = {CharacterKind::You, CharacterKind::Swallow,
                                     CharacterKind::Wolf, CharacterKind::Tiger};
    VersusResultWindow::Seats seats;
    for (int s = 0; s < 4; ++s) {
        if (cards[s] == kNobody) continue;
        seats[s] = {players[s], true, cards[s]};
    }
    return seats;
}

}  // namespace

TEST(VersusResultWindow, EachSeatedPlayerShowsItsCountAndTheFaceOfItsPlace) {
    const struct {
        std::array<int, 4> cards;
        std::array<int, 4> faces;
    } cases[] = {
        {{20, 14, 10, 10}, {0, 1, 3, 3}},
        {{kNobody, 27, kNobody, 27}, {-1, 1, -1, 1}},
    };
    for (const auto& c : cases) {
        std::vector<int> asked;
        VersusResultWindow window(SeatsFor(c.cards), [&](int n) {
            asked.push_back(n);
            return QPixmap();  // no pictures yet: the window copes
        });
        window.Load();
        std::vector<int> shown;
        for (int s = 0; s < 4; ++s) {
            EXPECT_EQ(window.Face(s), c.faces[s]) << "seat " << s << " of " << c.cards[0];
            EXPECT_EQ(window.FaceLabel(s)->isVisibleTo(&window), c.faces[s] >= 0);
            EXPECT_EQ(window.CountLabel(s)->text(),
                      c.cards[s] == kNobody ? QString() : QString::number(c.cards[s]));
            if (c.faces[s] >= 0) shown.push_back(c.faces[s]);
        }
        EXPECT_EQ(asked, shown);  // each seated player's face picture, in seat order
    }
}

TEST(VersusResultWindow, NamesFollowTheKindOfEachSeat) {
    VersusResultWindow::Seats seats;
    seats[0] = {CharacterKind::Tiger, true, 3};
    seats[1] = {CharacterKind::You, true, 1};
    seats[3] = {CharacterKind::Wolf, true, 2};
    VersusResultWindow window(seats, nullptr);
    window.Load();
    EXPECT_EQ(window.PlayerLabel(0)->text(), "Fat Tiger");
    EXPECT_EQ(window.PlayerLabel(1)->text(), "Ｙｏｕ");
    EXPECT_EQ(window.PlayerLabel(2)->text(), "");
    EXPECT_EQ(window.CountLabel(2)->text(), "");
    EXPECT_EQ(window.PlayerLabel(3)->text(), "Funny Wolf");
    seats[0].kind = CharacterKind::Swallow;
    VersusResultWindow other(seats, nullptr);
    other.Load();
    EXPECT_EQ(other.PlayerLabel(0)->text(), "Baby Swallow");
}

TEST(VersusResultWindow, FacesStartAboveTheirRowAndBobTogetherWithoutDrift) {
    VersusResultWindow::SetBobAngle(0);
    VersusResultWindow window(SeatsFor({20, 14, kNobody, 10}), nullptr);
    window.Load();
    // Row 0 at 44 pixels (660 twips), the face 140 twips higher.
    EXPECT_EQ(window.FaceLabel(0)->geometry(), QRect(288, 35, 32, 32));
    EXPECT_DOUBLE_EQ(window.FaceTopTwips(0), 520);

    // Each tick moves the faces by 70 twips times the sine of the angle, which
    // then grows by 0.5: 0, 33.56, 58.90, 69.82 ... twips.
    const struct {
        double twips;
        int pixels;
    } ticks[] = {{520, 35}, {553.5597877, 37}, {612.4627566, 41}, {682.2874057, 45}};
    for (const auto& t : ticks) {
        window.Tick();
        EXPECT_NEAR(window.FaceTopTwips(0), t.twips, 1e-6);
        EXPECT_EQ(window.FaceLabel(0)->y(), t.pixels);
        // Every face moves with the first: rows 88 and 176 lie 660 and 1980 twips lower.
        EXPECT_NEAR(window.FaceTopTwips(1) - window.FaceTopTwips(0), 660, 1e-6);
        EXPECT_NEAR(window.FaceTopTwips(3) - window.FaceTopTwips(0), 1980, 1e-6);
    }
    EXPECT_DOUBLE_EQ(VersusResultWindow::BobAngle(), 2.0);

    // They swing within about 20 pixels of where they started, however long it
    // lasts (over 16 minutes here), and the angle stays within a full circle.
    double lowest = 0, highest = 0;
    for (int tick = 0; tick < 20000; ++tick) {
        window.Tick();
        lowest = std::min(lowest, window.FaceTopTwips(0) - 520);
        highest = std::max(highest, window.FaceTopTwips(0) - 520);
        ASSERT_LE(VersusResultWindow::BobAngle(), 360.5);
        ASSERT_NEAR(window.FaceTopTwips(3) - window.FaceTopTwips(0), 1980, 1e-6);
        ASSERT_FALSE(window.FaceLabel(2)->isVisibleTo(&window));
    }
    EXPECT_GT(lowest, -30.0);
    EXPECT_LT(highest, 300.0);

    // The next showing goes on from the angle the last one left.
    VersusResultWindow::SetBobAngle(1.0);
    VersusResultWindow again(SeatsFor({20, 14, kNobody, 10}), nullptr);
    again.Load();
    EXPECT_DOUBLE_EQ(VersusResultWindow::BobAngle(), 1.0);
    again.Tick();
    EXPECT_NEAR(again.FaceTopTwips(0), 578.9029689, 1e-6);  // 520 + 70 sin 1
    EXPECT_DOUBLE_EQ(VersusResultWindow::BobAngle(), 1.5);
}

TEST(VersusResultWindow, OkSinksOnPressAndOnlyAReleaseOverItCloses) {
    VersusResultWindow window(SeatsFor({30, 24, kNobody, kNobody}), nullptr);
    window.Load();
    window.show();
    EXPECT_TRUE(window.BalloonTimer()->isActive());
    QLabel* ok = window.OkLabel();
    const auto plate = [&] {
        for (auto* shape : window.findChildren<ShapeWidget*>())
            if (shape->geometry().size() == QSize(85, 29)) return shape->pos();
        return QPoint();
    };
    EXPECT_EQ(plate(), QPoint(284, 220));

    QTest::mousePress(ok, Qt::LeftButton);
    EXPECT_EQ(plate(), QPoint(285, 221));
    EXPECT_EQ(ok->pos(), QPoint(289, 229));
    QTest::mouseRelease(ok, Qt::LeftButton, {}, QPoint(-60, -30));  // slid off first
    EXPECT_EQ(plate(), QPoint(284, 220));
    EXPECT_EQ(ok->pos(), QPoint(288, 228));
    EXPECT_TRUE(window.isVisible());

    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_FALSE(window.BalloonTimer()->isActive());
}

TEST(VersusResultWindow, OpensOnAnOkButtonTheKeyboardPressesAndNamesEveryPlacing) {
    VersusResultWindow window(SeatsFor({30, 24, kNobody, kNobody}), nullptr);
    window.Load();
    window.show();
    QLabel* ok = window.OkLabel();
    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(ok);
    EXPECT_EQ(button->role(), QAccessible::Button);
    EXPECT_EQ(button->text(QAccessible::Name), QStringLiteral("O.K"));
    EXPECT_EQ(window.focusWidget(), ok);
    // A screen reader reads each row once as the window comes (a line of three
    // words or more), and not again with the button.
    EXPECT_EQ(window.PlayerLabel(0)->accessibleName(),
              QStringLiteral("Player1：Ｙｏｕ、 30枚、 1位"));
    EXPECT_EQ(window.PlayerLabel(1)->accessibleName(),
              QStringLiteral("Player2：Baby Swallow、 24枚、 2位"));
    EXPECT_EQ(window.PlayerLabel(2)->accessibleName(), QStringLiteral("Player3： 空席"));
    EXPECT_TRUE(button->text(QAccessible::Description).isEmpty());
    EXPECT_EQ(window.PlayerLabel(1)->focusPolicy(), Qt::TabFocus);
    QTest::keyClick(ok, Qt::Key_Space);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
}
