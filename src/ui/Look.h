// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The look the window layouts share: the fonts they name, mapped onto the
// Japanese fonts this system has, and their colours.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

// Font names as the window layouts give them.
inline const QString kRoundGothic = QStringLiteral("HG丸ｺﾞｼｯｸM-PRO");
inline const QString kMincho = QStringLiteral("ＭＳ 明朝");

// Maps the layout fonts to MotoyaLMaru (rounded) and IPAMincho (serif). Safe to call more than
// once.
void InstallFontSubstitutions();

// A layout font. The layouts give sizes in points on a 96-pixel-per-inch
// screen and their boxes in pixels, so the text is sized in pixels too and
// fits the same boxes on any screen. In Japanese it is the face the layout
// names; in English the desktop's own face at the same size.
QFont LayoutFont(const QString& family, double points, bool bold = false);

// The green of the table and of the result windows' ground.
inline const QColor kTableGreen(0, 128, 0);
// Texts, edges and lines drawn on the green, and the links under the mouse.
inline const QColor kYellow(255, 255, 0);
