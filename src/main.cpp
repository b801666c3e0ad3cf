// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QGuiApplication>

#include "app/Startup.h"

int main(int argc, char** argv) {
    // Desktops match the window to its menu entry, and so to its icon, by this
    // name; on Wayland it is the only way they have.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Tomavel"));
    return RunProgram(argc, argv);
}
