// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every picture the generator makes: its file name under the assets folder, its size,
// whether it is a magenta-keyed sprite picture, and the code that draws it.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QSize>
#include <QString>
#include <functional>
#include <vector>

namespace Art {

struct Picture {
    // The file under the assets folder, without ".png": "pictures/<set>/<index>" for the game's
    // own pictures, "icons/hicolor/<N>x<N>/apps/..." for the desktop's application icons.
    QString name;
    QSize size;
    bool keyed;  // opaque RGB on the magenta key (characters and banners)
    std::function<void(QPainter&)> draw;
    QPoint hotSpot{-1, -1};  // cursors: the pixel that must be part of the figure
    // Also drawn at 2x and 3x ("<name>@2x.png", "<name>@3x.png") for high-density screens;
    // the desktop's icons come in sizes of their own instead.
    bool denser = true;
    // Made from other pictures rather than drawn: the finished image at a ratio
    // (ARGB32_Premultiplied), used instead of `draw`.
    std::function<QImage(int ratio)> make = nullptr;
};

// The device pixel ratios every game picture is drawn at.
constexpr int kRatios[] = {1, 2, 3};

// The ratios one picture is drawn at, and the file of each under the assets folder.
std::vector<int> Ratios(const Picture& picture);
QString FileName(const Picture& picture, int ratio);

// The application's id, which names its desktop entry and icon, and the icon's sizes.
inline const QString kAppId = QStringLiteral("org.example.Tomavel");
constexpr int kDesktopIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

const std::vector<Picture>& Catalogue();

// The finished image at a device pixel ratio, `ratio` times the picture's size in each
// direction: the drawing code paints in the picture's own units at any ratio. RGB32 on
// magenta for keyed pictures, otherwise ARGB32 on transparent.
QImage Render(const Picture& picture, int ratio = 1);

}  // namespace Art
