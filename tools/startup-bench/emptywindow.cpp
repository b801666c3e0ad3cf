// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick of `scripts/bench startup`: the least a Qt program with a
// window and a menu bar does before its window shows. The bench builds it
// itself, with one plain g++ line, so nothing of the game's build touches it.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("empty"));
    window.menuBar()->addMenu(QStringLiteral("Game"))->addAction(QStringLiteral("Start"));
    window.resize(640, 480);
    window.show();
    return app.exec();
}
