// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Look.h"

#include <cmath>

void InstallFontSubstitutions() {
    QFont::insertSubstitution(kRoundGothic, QStringLiteral("MotoyaLMaru"));
    QFont::insertSubstitution(kMincho, QStringLiteral("IPAMincho"));
}

QFont LayoutFont(const QString& family, double points, bool bold) {
    QFont font(family);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    return font;
}
