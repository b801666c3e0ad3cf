// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Look.h"

#include <QGuiApplication>
#include <cmath>

#include "ui/Language.h"

void InstallFontSubstitutions() {
    QFont::insertSubstitution(kRoundGothic, QStringLiteral("MotoyaLMaru"));
    QFont::insertSubstitution(kMincho, QStringLiteral("IPAMincho"));
}

QFont LayoutFont(const QString& family, double points, bool bold) {
    // The layout faces are Japanese faces, whose Latin letters are set wide and
    // unevenly. A player who reads the game in English reads it in the desktop's
    // own face, at the layout's size (the boxes were drawn for it).
    QFont font =
        CurrentTextLanguage() == TextLanguage::Japanese ? QFont(family) : QGuiApplication::font();
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    return font;
}
