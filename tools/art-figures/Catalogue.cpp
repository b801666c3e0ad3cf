// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Catalogue.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "Drawing.h"
#include "Pictures.h"
#include "opponents/Characters.h"

namespace Art {

namespace {
QString InPictures(const char* name) { return QStringLiteral("pictures/") + QLatin1String(name); }
Picture Keyed(const char* name, int w, int h, std::function<void(QPainter&)> draw) {
    return {InPictures(name), QSize(w, h), true, std::move(draw)};
}
Picture Clear(const char* name, int w, int h, std::function<void(QPainter&)> draw,
              QPoint hotSpot = {-1, -1}) {
    return {InPictures(name), QSize(w, h), false, std::move(draw), hotSpot};
}
}  // namespace

const std::vector<Picture>& Catalogue() {
    static const std::vector<Picture> pictures = [] {
        std::vector<Picture> v;
        // One picture for every row of the game's table of characters, at the
        // row's picture number; a row without a drawing here stops the tool.
        const std::map<std::string, std::function<void(QPainter&)>> figures = {
            {"You", DrawYou},     {"Swallow", DrawSwallow}, {"Wolf", DrawWolf},
            {"Tiger", DrawTiger}, {"Empty", DrawNotEntry},
        };
        for (const Character& c : Characters()) {
            const QByteArray name = "picPlayer/" + QByteArray::number(c.picture);
            v.push_back(Keyed(name.constData(), 71, 96, figures.at(c.name)));
            // The empty seat's sign has words on it: English players get their own.
            if (c.kind == CharacterKind::Empty)
                v.push_back(Keyed((name + "-en").constData(), 71, 96, DrawEmptySeat));
        }

        v.push_back(Keyed("picMsgDat/0", 138, 50, DrawByeBye));
        v.push_back(Keyed("picMsgDat/1", 320, 96, DrawPlayStart));
        v.push_back(Keyed("picMsgDat/2", 320, 96, DrawTitleBanner));
        v.push_back(Keyed("picMsgDat/3", 234, 68, DrawPause));
        v.push_back(Keyed("picMsgDat/4", 320, 96, [](QPainter& p) { DrawPlayerWins(p, 1); }));
        v.push_back(Keyed("picMsgDat/5", 320, 96, [](QPainter& p) { DrawPlayerWins(p, 2); }));
        v.push_back(Keyed("picMsgDat/6", 320, 96, [](QPainter& p) { DrawPlayerWins(p, 3); }));
        v.push_back(Keyed("picMsgDat/7", 320, 96, [](QPainter& p) { DrawPlayerWins(p, 4); }));

        for (int rank = 0; rank < 4; ++rank) {
            const QByteArray name = "imgJuni/" + QByteArray::number(rank);
            v.push_back(
                Clear(name.constData(), 32, 32, [rank](QPainter& p) { DrawRankFace(p, rank); }));
        }

        // The hot spots are fixed by the picture store; each figure is drawn around its own.
        v.push_back(Clear("cursor/0", 32, 32, DrawBigHand, {10, 1}));
        v.push_back(Clear("cursor/1", 32, 32, DrawClaw, {14, 1}));
        v.push_back(Clear("cursor/2", 32, 32, DrawBear, {5, 9}));
        v.push_back(Clear("cursor/3", 32, 32, DrawLinkHand, {12, 1}));

        v.push_back(Clear("icon/0", 32, 32, [](QPainter& p) { DrawIcon(p, 32); }));
        // The same icon drawn large, for the places that show it stretched.
        v.push_back(Clear("icon/large", 128, 128, [](QPainter& p) { DrawIcon(p, 128); }));
        // The large icon as the about box shows it, in a box of 112 x 120: shrunk
        // here, exactly as the box's picture would shrink it on the screen (smoothly,
        // from the drawing of the large icon the picture store gives for the ratio),
        // so the box that stands in as a splash shows it without reading the large
        // drawing and shrinking it first.
        v.push_back(Clear("icon/about", 112, 120, nullptr));
        v.back().make = [](int ratio) {
            const auto large =
                std::find_if(Catalogue().begin(), Catalogue().end(),
                             [](const Picture& p) { return p.name == InPictures("icon/large"); });
            // At a whole ratio the store gives the large drawing of that same ratio.
            const QImage drawing =
                Render(*large, ratio).convertToFormat(QImage::Format_ARGB32_Premultiplied);
            return drawing.scaled(QSize(112, 120) * ratio, Qt::IgnoreAspectRatio,
                                  Qt::SmoothTransformation);
        };
        // The application icon the desktop shows in its menus, drawn at every size it asks for.
        for (const int size : kDesktopIconSizes) {
            const QString name =
                QStringLiteral("icons/hicolor/%1x%1/apps/%2").arg(size).arg(kAppId);
            v.push_back({name, QSize(size, size), false, [size](QPainter& p) { DrawIcon(p, size); },
                         QPoint(-1, -1), false});
        }

        v.push_back(Clear("title/0", 270, 102, DrawTitleLettering));
        return v;
    }();
    return pictures;
}

std::vector<int> Ratios(const Picture& picture) {
    if (!picture.denser) return {1};
    return {std::begin(kRatios), std::end(kRatios)};
}

QString FileName(const Picture& picture, int ratio) {
    if (ratio == 1) return picture.name + QStringLiteral(".png");
    return QStringLiteral("%1@%2x.png").arg(picture.name).arg(ratio);
}

QImage Render(const Picture& picture, int ratio) {
    if (picture.make) {
        QImage made = picture.make(ratio).convertToFormat(QImage::Format_ARGB32);
        made.setDevicePixelRatio(1);
        return made;
    }
    QImage figure(picture.size * ratio, QImage::Format_ARGB32_Premultiplied);
    // The painter works in the picture's own units; textures ask the canvas for its ratio.
    figure.setDevicePixelRatio(ratio);
    figure.fill(Qt::transparent);
    {
        QPainter p(&figure);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        picture.draw(p);
    }
    if (picture.keyed) return KeyOnMagenta(figure);
    QImage finished = figure.convertToFormat(QImage::Format_ARGB32);
    finished.setDevicePixelRatio(1);  // handed on as plain pixels, as the files hold them
    return finished;
}

}  // namespace Art
