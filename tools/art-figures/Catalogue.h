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
};

// The application's id, which names its desktop entry and icon, and the icon's sizes.
inline const QString kAppId = QStringLiteral("org.example.Tomavel");
constexpr int kDesktopIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

const std::vector<Picture>& Catalogue();

// The finished image: RGB32 on magenta for keyed pictures, otherwise ARGB32 on transparent.
QImage Render(const Picture& picture);

}  // namespace Art
