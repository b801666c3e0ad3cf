// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the two artwork generators share on their command lines: how a drawn
// picture is compared with the checked-in one, and the contact sheet's scale.
#pragma once

#include <QRgb>
#include <QStringList>

namespace ArtCommand {

// Whether two pixels differ by more than a hair: the rasteriser's rounding may
// move a channel by one or two on another processor, a change to the drawing
// moves it much further.
inline bool Differs(QRgb a, QRgb b) {
    const auto far = [](int x, int y) { return x - y > 2 || y - x > 2; };
    return far(qRed(a), qRed(b)) || far(qGreen(a), qGreen(b)) || far(qBlue(a), qBlue(b)) ||
           far(qAlpha(a), qAlpha(b));
}

// The scale of "--sheet FILE [--scale N]" (1 when not given); 0 when the words are wrong.
inline int SheetScale(const QStringList& args) {
    if (args.size() == 2) return 1;
    if (args.size() != 4 || args[2] != QLatin1String("--scale")) return 0;
    bool ok = false;
    const int scale = args[3].toInt(&ok);
    return ok && scale >= 1 && scale <= 16 ? scale : 0;
}

}  // namespace ArtCommand
