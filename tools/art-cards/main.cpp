// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// art-cards: draws the card faces and card backs of the picture store.
//
//   art-cards OUT_DIR                       writes OUT_DIR/picCard/00..53.png and
//                                           OUT_DIR/picFace/0..3.png, each also as @2x and @3x
//                                           for high-density screens
//   art-cards --check ASSETS_DIR            compares those files pixel by pixel with a fresh
//                                           drawing
//   art-cards --sheet FILE.png [--scale N]  a contact sheet of all 58, at full size and at table
//                                           size

#include <QDir>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <cstdio>
#include <functional>
#include <vector>

#include "ArtKit.h"
#include "CardArt.h"
#include "Frame.h"
#include "art-common/ArtCommand.h"

namespace {

struct Picture {
    QString path;  // relative to the assets folder
    int ratio;     // device pixels to the card's pixel
    std::function<QImage()> draw;
};

// Each card at every device pixel ratio: "07.png", "07@2x.png", "07@3x.png".
std::vector<Picture> Catalogue() {
    std::vector<Picture> all;
    for (const int ratio : {1, 2, 3}) {
        const QString suffix =
            ratio == 1 ? QStringLiteral(".png") : QStringLiteral("@%1x.png").arg(ratio);
        for (int i = 0; i < CardArt::kFaceCount; ++i) {
            all.push_back(
                {QStringLiteral("pictures/picCard/%1").arg(i, 2, 10, QLatin1Char('0')) + suffix,
                 ratio, [i, ratio] { return CardArt::Face(i, ratio); }});
        }
        for (int i = 0; i < CardArt::kBackCount; ++i) {
            all.push_back({QStringLiteral("pictures/picFace/%1").arg(i) + suffix, ratio,
                           [i, ratio] { return CardArt::Back(i, ratio); }});
        }
    }
    return all;
}

int Usage() {
    std::fprintf(stderr,
                 "usage: art-cards OUT_DIR\n"
                 "       art-cards --check ASSETS_DIR\n"
                 "       art-cards --sheet FILE.png [--scale N]\n");
    return 2;
}

// The pictures land under OUT_DIR/picCard and OUT_DIR/picFace.
int Write(const QString& outDir) {
    for (const Picture& pic : Catalogue()) {
        const QString rel = pic.path.mid(QStringLiteral("pictures/").size());
        const QString file = QDir(outDir).filePath(rel);
        QDir().mkpath(QFileInfo(file).path());
        const QImage image = pic.draw();
        const QStringList faults = Frame::Faults(image, pic.ratio);
        if (!faults.isEmpty()) {
            std::fprintf(stderr, "art-cards: %s: %s\n", qPrintable(rel),
                         qPrintable(faults.join(QStringLiteral("; "))));
            return 1;
        }
        if (!image.save(file, "PNG")) {
            std::fprintf(stderr, "art-cards: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    std::printf("art-cards: wrote %d card faces and %d card backs at 1x, 2x and 3x under %s\n",
                CardArt::kFaceCount, CardArt::kBackCount, qPrintable(outDir));
    return 0;
}

int Check(const QString& assetsDir) {
    int bad = 0;
    for (const Picture& pic : Catalogue()) {
        const QImage drawn = pic.draw();
        QStringList faults;
        for (const QString& f : Frame::Faults(drawn, pic.ratio))
            faults << QStringLiteral("drawn: ") + f;

        const QString file = QDir(assetsDir).filePath(pic.path);
        QImageReader reader(file);
        if (!QFileInfo::exists(file)) {
            faults << QStringLiteral("missing");
        } else {
            const QImage::Format format = reader.imageFormat();
            const QImage stored = reader.read();
            if (stored.isNull()) {
                faults << QStringLiteral("unreadable: ") + reader.errorString();
            } else {
                if (format != QImage::Format_RGB32 && format != QImage::Format_RGB888)
                    faults << QStringLiteral("not stored as 24-bit RGB");
                faults << Frame::Faults(stored, pic.ratio);
                const QImage a = stored.convertToFormat(QImage::Format_RGB888);
                if (a.size() == drawn.size()) {
                    int differing = 0;
                    for (int y = 0; y < a.height(); ++y)
                        for (int x = 0; x < a.width(); ++x)
                            if (ArtCommand::Differs(a.pixel(x, y), drawn.pixel(x, y))) ++differing;
                    if (differing)
                        faults << QStringLiteral("differs from the generator in %1 pixels")
                                      .arg(differing);
                }
            }
        }
        if (!faults.isEmpty()) {
            ++bad;
            std::fprintf(stderr, "%s: %s\n", qPrintable(pic.path),
                         qPrintable(faults.join(QStringLiteral("; "))));
        }
    }
    if (bad) {
        std::fprintf(stderr, "art-cards: %d of %d pictures are not what the generator draws\n", bad,
                     static_cast<int>(Catalogue().size()));
        return 1;
    }
    std::printf("art-cards: all %d pictures match\n", static_cast<int>(Catalogue().size()));
    return 0;
}

// Rows of the sheet: the four suits, then the jokers and the backs.
std::vector<std::vector<QImage>> SheetRows() {
    std::vector<std::vector<QImage>> rows(5);
    for (int i = 0; i < CardArt::kFaceCount; ++i)
        rows[std::min(i / 13, 4)].push_back(CardArt::Face(i));
    rows[4].push_back(QImage());  // a gap between the jokers and the backs
    for (int i = 0; i < CardArt::kBackCount; ++i) rows[4].push_back(CardArt::Back(i));
    return rows;
}

int Sheet(const QString& file, int scale) {
    constexpr int margin = 8, gap = 4, tableW = 48, tableH = 65;
    const auto rows = SheetRows();
    const int fullW = 13 * ArtKit::kCardWidth + 12 * gap;
    const int height = 2 * margin + 5 * (ArtKit::kCardHeight + gap) + 3 * gap + 5 * (tableH + gap);
    QImage sheet(2 * margin + fullW, height, QImage::Format_RGB32);
    sheet.fill(QColor(0, 128, 0));  // the table
    {
        QPainter p(&sheet);
        int y = margin;
        for (const auto& row : rows) {
            int x = margin;
            for (const QImage& card : row) {
                if (!card.isNull()) p.drawImage(x, y, card);
                x += ArtKit::kCardWidth + gap;
            }
            y += ArtKit::kCardHeight + gap;
        }
        y += 3 * gap;
        // The same cards at the size they lie on the table, smoothly shrunk as the game does.
        for (const auto& row : rows) {
            int x = margin;
            for (const QImage& card : row) {
                if (!card.isNull())
                    p.drawImage(x, y,
                                card.scaled(tableW, tableH, Qt::IgnoreAspectRatio,
                                            Qt::SmoothTransformation));
                x += tableW + gap;
            }
            y += tableH + gap;
        }
    }
    if (scale > 1) sheet = sheet.scaled(sheet.size() * scale);  // pixels stay sharp
    if (!sheet.convertToFormat(QImage::Format_RGB888).save(file, "PNG")) {
        std::fprintf(stderr, "art-cards: cannot write %s\n", qPrintable(file));
        return 1;
    }
    std::printf("art-cards: sheet %d x %d written to %s\n", sheet.width(), sheet.height(),
                qPrintable(file));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);

    if (args.size() == 2 && args[0] == QLatin1String("--check")) return Check(args[1]);
    if ((args.size() == 2 || args.size() == 4) && args[0] == QLatin1String("--sheet")) {
        const int scale = ArtCommand::SheetScale(args);
        return scale ? Sheet(args[1], scale) : Usage();
    }
    if (args.size() == 1 && !args[0].startsWith(QLatin1String("--"))) return Write(args[0]);
    return Usage();
}
