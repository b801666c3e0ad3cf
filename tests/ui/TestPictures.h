// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Pictures drawn by the tests themselves, put into the picture store for the
// length of one test and taken out again afterwards.
#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <vector>

#include "ui/PictureStore.h"

inline QPixmap Solid(int width, int height, const QColor& colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return QPixmap::fromImage(image);
}

inline QRgb PixelAt(const QImage& image, int x, int y) { return image.pixel(x, y) | 0xFF000000u; }

class ScopedPictures {
public:
    ScopedPictures() = default;
    ScopedPictures(const ScopedPictures&) = delete;
    ScopedPictures& operator=(const ScopedPictures&) = delete;
    ~ScopedPictures() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it)
            PictureStore::Replace(it->set, it->index, it->picture);
    }
    void Put(PicSet set, int index, const QPixmap& picture) {
        saved_.push_back({set, index, PictureStore::Picture(set, index)});
        PictureStore::Replace(set, index, picture);
    }

private:
    struct Saved {
        PicSet set;
        int index;
        QPixmap picture;
    };
    std::vector<Saved> saved_;
};
