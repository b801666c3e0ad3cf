// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Look.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <cmath>

#include "ui/Language.h"

void InstallFontSubstitutions() {
    QFont::insertSubstitution(kRoundGothic, QStringLiteral("MotoyaLMaru"));
    QFont::insertSubstitution(kMincho, QStringLiteral("IPAMincho"));
}

QFont LayoutFont(const QString& family, double points, bool bold) {
    QFont layout(family);
    layout.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    layout.setBold(bold);
    if (CurrentTextLanguage() == kGameLanguage) return layout;
    // The layout faces are Japanese faces, whose Latin letters are set wide and
    // unevenly. A player who reads the game in English reads it in the desktop's
    // own face, as large as the layout's boxes allow: its lines no taller than
    // the layout face's, so that no descender is cut off at a box's edge.
    QFont font = QGuiApplication::font();
    font.setPixelSize(layout.pixelSize());
    font.setBold(bold);
    const qreal room = QFontMetricsF(layout).height();
    while (font.pixelSize() > 6 && QFontMetricsF(font).height() > room)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}
