// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window comes back as it was left: its size and place, maximised or full
// screen, from a file of its own; a file that is damaged or not the game's is
// passed over and replaced, never fatal.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <memory>

#include "app/Places.h"
#include "app/WindowPlace.h"

namespace {

void Write(const std::string& path, const QByteArray& bytes) {
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// A top-level window as the game's is: at least 640 x 439.
std::unique_ptr<QWidget> Window() {
    auto window = std::make_unique<QWidget>();
    window->setMinimumSize(640, 439);
    window->setGeometry(100, 80, 640, 439);
    return window;
}

TEST(WindowPlace, TheWindowComesBackAsItWasLeft) {
    QTemporaryDir dir;
    // The state folder is made when the window is first saved.
    const std::string path = dir.filePath("state/tomavel/tomavel-window.dat").toStdString();
    struct Case {
        const char* what;
        QRect geometry;
        Qt::WindowStates state;
    };
    const Case cases[] = {
        {"larger, elsewhere", {200, 120, 1100, 760}, Qt::WindowNoState},
        {"maximised", {150, 100, 800, 600}, Qt::WindowMaximized},
        {"full screen", {150, 100, 800, 600}, Qt::WindowFullScreen},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto left = Window();
        left->setGeometry(c.geometry);
        left->show();
        left->setWindowState(c.state);
        ASSERT_TRUE(QTest::qWaitFor([&] { return left->windowState() == c.state; }));
        ASSERT_TRUE(SaveWindowPlace(*left, path));
        left.reset();

        auto next = Window();
        ASSERT_TRUE(RestoreWindowPlace(*next, path));
        next->show();
        EXPECT_EQ(next->windowState(), c.state);
        // Leaving the maximised or full screen state goes back to the size it had before.
        next->setWindowState(Qt::WindowNoState);
        EXPECT_TRUE(QTest::qWaitFor([&] { return next->geometry() == c.geometry; }))
            << next->geometry().x() << "," << next->geometry().y() << " "
            << next->geometry().width() << "x" << next->geometry().height();
    }
}

TEST(WindowPlace, ADamagedOrForeignFileIsPassedOverAndReplaced) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("tomavel-window.dat").toStdString();
    auto sample = Window();
    sample->setGeometry(300, 200, 900, 700);
    const QByteArray good = sample->saveGeometry();
    ASSERT_TRUE(IsWindowPlace(good));

    QByteArray huge = good;
    huge.append(QByteArray(1 << 20, 'x'));
    QByteArray farOff = good;
    // The normal rectangle's left edge (bytes 24..27, high byte first), far off any screen.
    farOff[24] = char(0x80);
    const std::pair<const char*, QByteArray> files[] = {
        {"empty", QByteArray()},
        {"a text", QByteArrayLiteral("[PLAYBOARD]\r\nSORITEA=TRUE\r\n")},
        {"cut short", good.left(good.size() - 5)},
        {"something after it", good + QByteArrayLiteral("more")},
        {"a rectangle no screen holds", farOff},
        {"a megabyte", huge},
    };
    for (const auto& [what, bytes] : files) {
        SCOPED_TRACE(what);
        Write(path, bytes);
        auto window = Window();
        EXPECT_FALSE(RestoreWindowPlace(*window, path));
        EXPECT_EQ(window->geometry(), QRect(100, 80, 640, 439));  // as it was made
        // The next save replaces the file with one that serves.
        ASSERT_TRUE(SaveWindowPlace(*sample, path));
        auto next = Window();
        EXPECT_TRUE(RestoreWindowPlace(*next, path));
        EXPECT_EQ(next->geometry().size(), QSize(900, 700));
    }
    // No file at all, or a folder where the file would be.
    auto window = Window();
    EXPECT_FALSE(RestoreWindowPlace(*window, dir.filePath("none").toStdString()));
    ASSERT_TRUE(QDir().mkpath(dir.filePath("folder")));
    EXPECT_FALSE(RestoreWindowPlace(*window, dir.filePath("folder").toStdString()));
    EXPECT_FALSE(SaveWindowPlace(*window, dir.filePath("folder").toStdString()));
    EXPECT_TRUE(QFileInfo(dir.filePath("folder")).isDir());
}

}  // namespace
