// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The about box: its blue gradient, the links that open and stay, the clicks
// that close it, and the links lighting up under the mouse.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <set>

#include "ui/AboutBox.h"
#include "ui/MessageBoxes.h"
#include "ui/PictureStore.h"

namespace {

class AboutBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        AboutBox::SetOpenLinkHook([this](const QUrl& url) {
            opened.push_back(url);
            return linkOpens;
        });
        MessageBoxes::SetInformHook([this](const QString& text) { informed.push_back(text); });
    }
    void TearDown() override {
        AboutBox::SetOpenLinkHook({});
        MessageBoxes::SetInformHook({});
    }

    static void MoveOver(QWidget* widget, QPoint pos = {2, 2}) {
        QMouseEvent move(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }
    static QColor TextColour(const QLabel* label) {
        return label->palette().color(QPalette::WindowText);
    }

    std::vector<QUrl> opened;
    std::vector<QString> informed;
    bool linkOpens = true;
};

TEST_F(AboutBoxTest, SeventeenBandsOfBlueDarkenDownTheBox) {
    AboutBox box(nullptr);
    ASSERT_EQ(box.size(), QSize(392, 241));
    const QImage image = box.grab().toImage();
    // Band n starts at row 15n - 1 with blue 255 - 15n * 255 / 241; the last one is at 240.
    const std::pair<int, int> rows[] = {{0, 255},   {13, 255}, {14, 240}, {28, 240}, {29, 224},
                                        {100, 160}, {238, 17}, {239, 2},  {240, 2}};
    for (const auto& [row, blue] : rows)
        for (int x : {0, 388})
            EXPECT_EQ(image.pixel(x, row), qRgb(0, 0, blue)) << "row " << row << " x " << x;
    // The rounded frame around the addresses, on top of the gradient.
    EXPECT_EQ(image.pixel(238, 132), qRgb(128, 128, 255));
    EXPECT_EQ(image.pixel(96, 172), qRgb(128, 128, 255));
}

// The box shows the icon drawn small beforehand, and it is pixel for pixel what
// the box's picture makes of the largest icon by shrinking it.
TEST_F(AboutBoxTest, TheIconIsDrawnSmallBeforehandExactlyAsTheBoxWouldShrinkIt) {
    const qreal ratio = qGuiApp->devicePixelRatio();
    const QPixmap small = PictureStore::AboutBoxIcon(ratio);
    EXPECT_EQ(small.size(), QSize(112, 120) * ratio);
    QImage shown[2];
    const QPixmap pictures[] = {PictureStore::LargestIcon(), small};
    for (int i = 0; i < 2; ++i) {
        QLabel label;
        label.setGeometry(0, 0, 112, 120);
        label.setScaledContents(true);
        label.setPixmap(pictures[i]);
        shown[i] = label.grab().toImage();
    }
    EXPECT_EQ(shown[0], shown[1]);
}

TEST_F(AboutBoxTest, ALinkOpensAndTheBoxStays) {
    AboutBox box(nullptr);
    box.show();
    QTest::mouseClick(box.HomePageLink(), Qt::LeftButton);
    QTest::mouseClick(box.MailLink(), Qt::LeftButton);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0], QUrl(AboutBox::kHomePage));
    EXPECT_EQ(opened[1], QUrl(QStringLiteral("mailto:") + AboutBox::kMailAddress));
    EXPECT_EQ(box.HomePageLink()->text(), AboutBox::kHomePage);
    EXPECT_TRUE(informed.empty());
    EXPECT_TRUE(box.isVisible());

    // Nothing on this desktop can open it: the player is told, the box stays.
    linkOpens = false;
    QTest::mouseClick(box.MailLink(), Qt::LeftButton);
    ASSERT_EQ(informed.size(), 1u);
    EXPECT_EQ(informed[0], QStringLiteral("関連づけられた実行ファイルがありません"));
    EXPECT_TRUE(box.isVisible());
}

// The desktop's opener took the link but nothing could open it (no browser, no
// mail program): it ends with an error a moment later, and the player is told
// then. An opener that succeeds says nothing. Here the opener is a stand-in
// xdg-open that ends as told.
TEST_F(AboutBoxTest, ALinkTheDesktopTookButCouldNotOpenIsToldAfterwards) {
    AboutBox::SetOpenLinkHook({});
    QTemporaryDir bin;
    ASSERT_TRUE(bin.isValid());
    const QString opener = bin.filePath(QStringLiteral("xdg-open"));
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toLocal8Bit());
    for (const int status : {0, 3}) {
        QFile script(opener);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
        script.write("#!/bin/sh\necho \"$1\" >>'" + QFile::encodeName(bin.filePath("asked")) +
                     "'\nexit " + QByteArray::number(status) + "\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        informed.clear();
        AboutBox box(nullptr);
        box.show();
        QTest::mouseClick(box.HomePageLink(), Qt::LeftButton);
        // The opener has run and its end has been heard (a real process: waited for).
        QDeadlineTimer deadline(5000);
        while (!(QFile(bin.filePath(QStringLiteral("asked"))).size() > 0 &&
                 qApp->findChildren<QProcess*>().isEmpty()) &&
               !deadline.hasExpired())
            QTest::qWait(20);
        ASSERT_GT(QFile(bin.filePath(QStringLiteral("asked"))).size(), 0) << status;
        ASSERT_TRUE(qApp->findChildren<QProcess*>().isEmpty()) << status;
        if (status == 0) {
            EXPECT_TRUE(informed.empty());
        } else {
            ASSERT_EQ(informed.size(), 1u);
            EXPECT_EQ(informed[0], QStringLiteral("関連づけられた実行ファイルがありません"));
        }
        EXPECT_TRUE(box.isVisible());
        QFile::remove(bin.filePath(QStringLiteral("asked")));
    }
    qputenv("PATH", path);
}

TEST_F(AboutBoxTest, AClickAnywhereElseClosesTheBox) {
    QWidget owner;
    owner.resize(640, 440);
    const std::function<QWidget*(AboutBox&)> targets[] = {
        [](AboutBox& b) -> QWidget* { return &b; },  // the gradient itself
        [](AboutBox& b) -> QWidget* { return b.VersionLabel(); },
        [](AboutBox& b) -> QWidget* { return b.IconPicture(); },
        [](AboutBox& b) -> QWidget* { return b.TitlePicture(); },
        [](AboutBox& b) -> QWidget* { return b.CreditLabel(); },
    };
    int n = 0;
    for (const auto& target : targets) {
        AboutBox box(&owner);
        box.show();
        QTest::mouseClick(target(box), Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_FALSE(box.isVisible()) << "target " << n;
        ++n;
    }
    EXPECT_TRUE(opened.empty());
}

TEST_F(AboutBoxTest, LinksTurnYellowUnderTheMouseAndWhiteOnlyOverTheBackground) {
    AboutBox box(nullptr);
    box.show();
    const QColor white(255, 255, 255), yellow(255, 255, 0);
    EXPECT_EQ(TextColour(box.HomePageLink()), white);

    MoveOver(box.HomePageLink());
    EXPECT_EQ(TextColour(box.HomePageLink()), yellow);
    EXPECT_EQ(TextColour(box.MailLink()), white);
    MoveOver(box.MailLink());
    EXPECT_EQ(TextColour(box.MailLink()), yellow);

    // The box hears the mouse over its texts and pictures, as they take none
    // themselves; there both links stay lit.
    for (const QWidget* over :
         {static_cast<QWidget*>(box.VersionLabel()), static_cast<QWidget*>(box.TitlePicture()),
          static_cast<QWidget*>(box.IconPicture())}) {
        MoveOver(&box, over->geometry().center());
        EXPECT_EQ(TextColour(box.HomePageLink()), yellow) << over->geometry().x();
        EXPECT_EQ(TextColour(box.MailLink()), yellow) << over->geometry().x();
    }

    MoveOver(&box, QPoint(388, 230));
    EXPECT_EQ(TextColour(box.HomePageLink()), white);
    EXPECT_EQ(TextColour(box.MailLink()), white);
}

}  // namespace

// The keyboard reaches both links and opens them; a screen reader finds the
// box, its pictures and its links named.
TEST_F(AboutBoxTest, TheLinksAreReachedAndOpenedFromTheKeyboardAndEverythingIsNamed) {
    AboutBox box(nullptr);
    box.show();
    box.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    std::set<QWidget*> reached;
    for (int i = 0; i < 4 && QApplication::focusWidget(); ++i) {
        reached.insert(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(reached, (std::set<QWidget*>{box.HomePageLink(), box.MailLink()}));
    QTest::keyClick(box.MailLink(), Qt::Key_Return);
    QTest::keyClick(box.HomePageLink(), Qt::Key_Space);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0], QUrl(QStringLiteral("mailto:") + AboutBox::kMailAddress));
    EXPECT_EQ(opened[1], QUrl(AboutBox::kHomePage));
    for (QWidget* w :
         {static_cast<QWidget*>(&box), static_cast<QWidget*>(box.IconPicture()),
          static_cast<QWidget*>(box.TitlePicture()), static_cast<QWidget*>(box.HomePageLink())})
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).isEmpty());
}
