// Every picture the generator makes: its file name under the pictures folder, its size,
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
    QString name;  // "<set>/<index>", the file is <name>.png
    QSize size;
    bool keyed;  // opaque RGB on the magenta key (characters and banners)
    std::function<void(QPainter&)> draw;
    QPoint hotSpot{-1, -1};  // cursors: the pixel that must be part of the figure
};

const std::vector<Picture>& Catalogue();

// The finished image: RGB32 on magenta for keyed pictures, otherwise ARGB32 on transparent.
QImage Render(const Picture& picture);

}  // namespace Art
