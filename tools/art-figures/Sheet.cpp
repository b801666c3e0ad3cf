// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Sheet.h"

#include "Catalogue.h"
#include "Drawing.h"

namespace Art {

namespace {

constexpr int kSheetWidth = 1040;
constexpr int kGap = 8;
constexpr int kLabel = 14;

// The picture over the background it is seen on in the game.
QImage AsShown(const Picture& picture, const QImage& image) {
    QImage shown(image.size(), QImage::Format_ARGB32_Premultiplied);
    QPainter p(&shown);
    if (picture.name.startsWith(QLatin1String("pictures/icon/")) ||
        picture.name.startsWith(QLatin1String("pictures/title/")) ||
        picture.name.startsWith(QLatin1String("icons/"))) {
        // The about box's blue gradient.
        p.fillRect(shown.rect(), Vertical(0, shown.height(), QColor(0, 0, 255), QColor(0, 0, 90)));
    } else {
        p.fillRect(shown.rect(), QColor(0, 128, 0));  // the table
    }
    QImage figure = image.convertToFormat(QImage::Format_ARGB32);
    if (picture.keyed)
        for (int y = 0; y < figure.height(); ++y)
            for (int x = 0; x < figure.width(); ++x)
                if (figure.pixel(x, y) == kMagenta) figure.setPixel(x, y, 0);
    p.drawImage(0, 0, figure);
    return shown;
}

// "picPlayer/0" for a game picture, "hicolor 48" for a desktop icon.
QString Label(const Picture& picture) {
    if (picture.name.startsWith(QLatin1String("icons/hicolor/")))
        return QStringLiteral("hicolor %1").arg(picture.size.width());
    return picture.name.mid(picture.name.indexOf(QLatin1Char('/')) + 1);
}

}  // namespace

QImage ContactSheet() {
    struct Cell {
        QImage image;
        QString label;
    };
    std::vector<Cell> cells;
    for (const Picture& picture : Catalogue()) {
        const QImage image = Render(picture);
        cells.push_back({AsShown(picture, image), Label(picture)});
        if (picture.hotSpot.x() >= 0) {
            // Once more with the hot spot in red, to see that it sits where the figure points.
            QImage marked = cells.back().image;
            marked.setPixel(picture.hotSpot, qRgb(255, 0, 0));
            cells.push_back({marked, Label(picture) + QStringLiteral(" hot")});
        }
    }

    // Lay the cells out in rows; a new set starts a new row when it would not fit.
    std::vector<QPoint> at;
    int x = kGap, y = kGap, rowHeight = 0;
    for (const Cell& c : cells) {
        const int w = std::max(c.image.width(), 60);
        if (x + w + kGap > kSheetWidth) {
            x = kGap;
            y += rowHeight + kLabel + kGap;
            rowHeight = 0;
        }
        at.push_back(QPoint(x, y));
        x += w + kGap;
        rowHeight = std::max(rowHeight, c.image.height());
    }
    QImage sheet(kSheetWidth, y + rowHeight + kLabel + kGap, QImage::Format_RGB32);
    sheet.fill(QColor(56, 56, 60));
    QPainter p(&sheet);
    p.setFont(Font(QStringLiteral("DejaVu Sans"), 10));
    p.setPen(QColor(230, 230, 230));
    for (size_t i = 0; i < cells.size(); ++i) {
        p.drawImage(at[i], cells[i].image);
        p.drawText(QPointF(at[i].x(), at[i].y() + cells[i].image.height() + 11), cells[i].label);
    }
    return sheet;
}

}  // namespace Art
