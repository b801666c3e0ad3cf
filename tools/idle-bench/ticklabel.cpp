// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A yardstick for scripts/bench idle: a Qt window and nothing in it but a
// label whose number changes once a second, as the solitaire clock does. What
// it costs is what any Qt program with a clock on the screen costs.
#include <QApplication>
#include <QLabel>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("0"));
    label.setWindowTitle(QStringLiteral("ticklabel"));
    label.resize(200, 50);
    label.show();
    int seconds = 0;
    QTimer clock;
    QObject::connect(&clock, &QTimer::timeout, [&] { label.setText(QString::number(++seconds)); });
    clock.start(1000);
    return app.exec();
}
