// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Frame.h"

#include "ArtKit.h"

namespace Frame {

bool OutsideRounding(int x, int y, int width, int height) {
    // Fold every corner onto the top-left one.
    const int cx = x < width / 2 ? x : width - 1 - x;
    const int cy = y < height / 2 ? y : height - 1 - y;
    return (cy == 0 && cx <= 2) || (cx == 0 && cy <= 2);
}

bool OnOutline(int x, int y, int width, int height) {
    if (x < 0 || y < 0 || x >= width || y >= height) return false;
    if (OutsideRounding(x, y, width, height)) return false;
    if (x == 0 || y == 0 || x == width - 1 || y == height - 1) return true;
    // Inside the picture: an outline pixel borders the rounding on a side.
    return OutsideRounding(x - 1, y, width, height) || OutsideRounding(x + 1, y, width, height) ||
           OutsideRounding(x, y - 1, width, height) || OutsideRounding(x, y + 1, width, height);
}

void Stamp(QImage& image, int ratio) {
    const int w = image.width() / ratio, h = image.height() / ratio;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (OutsideRounding(x / ratio, y / ratio, w, h)) {
                image.setPixel(x, y, kCornerGreen);
            } else if (OnOutline(x / ratio, y / ratio, w, h)) {
                image.setPixel(x, y, kOutline);
            }
        }
    }
}

QStringList Faults(const QImage& image, int ratio) {
    QStringList faults;
    const int w = ArtKit::kCardWidth, h = ArtKit::kCardHeight;
    if (image.width() != w * ratio || image.height() != h * ratio) {
        faults << QStringLiteral("size is %1 x %2, not %3 x %4")
                      .arg(image.width())
                      .arg(image.height())
                      .arg(w * ratio)
                      .arg(h * ratio);
        return faults;
    }
    if (image.hasAlphaChannel()) faults << QStringLiteral("has an alpha channel");
    int corner = 0, cornerWrong = 0, outline = 0, outlineWrong = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb px = image.pixel(x, y) | 0xFF000000;
            if (OutsideRounding(x / ratio, y / ratio, w, h)) {
                ++corner;
                if (px != kCornerGreen) ++cornerWrong;
            } else if (OnOutline(x / ratio, y / ratio, w, h)) {
                ++outline;
                if (px != kOutline) ++outlineWrong;
            }
        }
    }
    const int corners = 20 * ratio * ratio;
    if (corner != corners)
        faults << QStringLiteral("%1 corner pixels instead of %2").arg(corner).arg(corners);
    if (cornerWrong)
        faults << QStringLiteral("%1 corner pixels are not RGB(51,153,102)").arg(cornerWrong);
    if (outlineWrong)
        faults << QStringLiteral("%1 of %2 outline pixels are not black")
                      .arg(outlineWrong)
                      .arg(outline);
    return faults;
}

}  // namespace Frame
