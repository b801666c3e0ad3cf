// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// art-figures: draws the game's characters, banners, rank faces, cursors, icon and title
// lettering.
//
//   art-figures ASSETS_DIR                   write every picture as ASSETS_DIR/pictures/<set>/
//                                            <index>.png, with <index>@2x.png and <index>@3x.png
//                                            for high-density screens, and the desktop icons
//                                            under ASSETS_DIR/icons/hicolor
//   art-figures --check ASSETS_DIR           compare with the pictures in ASSETS_DIR
//   art-figures --sheet FILE.png [--scale N] write a contact sheet, magnified N times
//
// ASSETS_DIR may also be given as its pictures folder, ASSETS_DIR/pictures.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

#include "Catalogue.h"
#include "Drawing.h"
#include "Sheet.h"
#include "art-common/ArtCommand.h"

namespace {

using namespace Art;

void Say(const QString& text) { std::fprintf(stderr, "%s\n", qPrintable(text)); }

int Usage() {
    Say(
        QStringLiteral("usage: art-figures ASSETS_DIR\n"
                       "       art-figures --check ASSETS_DIR\n"
                       "       art-figures --sheet FILE.png [--scale N]"));
    return 2;
}

// Sprite pictures are stored without an alpha channel: the key colour is their transparency.
QImage ForSaving(const Picture& picture, const QImage& image) {
    return picture.keyed ? image.convertToFormat(QImage::Format_RGB888) : image;
}

// The assets folder named on the command line, also when its pictures folder was named.
QString AssetsRoot(const QString& dir) {
    const QFileInfo info(dir);
    if (info.fileName() == QLatin1String("pictures") &&
        !QFileInfo(dir + QStringLiteral("/pictures")).isDir())
        return info.absolutePath();
    return dir;
}

int Write(const QString& outDir) {
    const QString root = AssetsRoot(outDir);
    int files = 0;
    for (const Picture& picture : Catalogue()) {
        for (const int ratio : Ratios(picture)) {
            const QString file = root + QLatin1Char('/') + FileName(picture, ratio);
            QDir().mkpath(QFileInfo(file).absolutePath());
            if (!ForSaving(picture, Render(picture, ratio)).save(file, "PNG")) {
                Say(QStringLiteral("cannot write %1").arg(file));
                return 1;
            }
            ++files;
        }
    }
    std::printf("wrote %d pictures under %s\n", files, qPrintable(root));
    return 0;
}

// What is wrong with one stored picture, or an empty text when it is the generator's own.
QString Problems(const Picture& picture, int ratio, const QImage& stored) {
    QStringList problems;
    const QSize size = picture.size * ratio;
    if (stored.size() != size)
        return QStringLiteral("is %1 x %2, should be %3 x %4")
            .arg(stored.width())
            .arg(stored.height())
            .arg(size.width())
            .arg(size.height());

    const QImage have = stored.convertToFormat(QImage::Format_ARGB32);
    const QImage want = Render(picture, ratio).convertToFormat(QImage::Format_ARGB32);
    int differing = 0;
    for (int y = 0; y < want.height(); ++y)
        for (int x = 0; x < want.width(); ++x)
            if (ArtCommand::Differs(have.pixel(x, y), want.pixel(x, y))) ++differing;
    if (differing) problems << QStringLiteral("%1 pixels differ from the generator").arg(differing);

    if (picture.keyed) {
        if (stored.hasAlphaChannel()) problems << QStringLiteral("has an alpha channel");
        const int w = have.width() - 1, h = have.height() - 1;
        for (QPoint c : {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h)})
            if (have.pixel(c) != kMagenta) {
                problems << QStringLiteral("corner (%1, %2) is not magenta").arg(c.x()).arg(c.y());
                break;
            }
        int fringe = 0;
        for (int y = 0; y <= h; ++y)
            for (int x = 0; x <= w; ++x)
                if (NearMagenta(have.pixel(x, y))) ++fringe;
        if (fringe) problems << QStringLiteral("%1 near-magenta fringe pixels").arg(fringe);
    } else if (picture.hotSpot.x() >= 0) {
        // At a higher ratio the hot spot is a block of pixels; its middle one must be on the
        // figure.
        const QPoint at = picture.hotSpot * ratio + QPoint(ratio / 2, ratio / 2);
        if (qAlpha(have.pixel(at)) < 128)
            problems
                << QStringLiteral("hot spot (%1, %2) is not on the figure").arg(at.x()).arg(at.y());
    }
    return problems.join(QStringLiteral("; "));
}

int Check(const QString& assetsDir) {
    const QString dir = AssetsRoot(assetsDir);
    int bad = 0, files = 0;
    for (const Picture& picture : Catalogue()) {
        for (const int ratio : Ratios(picture)) {
            const QString name = FileName(picture, ratio);
            const QString file = dir + QLatin1Char('/') + name;
            QImage stored;
            QString problem;
            if (!QFileInfo::exists(file))
                problem = QStringLiteral("is missing");
            else if (!stored.load(file))
                problem = QStringLiteral("cannot be read");
            else
                problem = Problems(picture, ratio, stored);
            if (!problem.isEmpty()) {
                Say(QStringLiteral("%1: %2").arg(name, problem));
                ++bad;
            }
            ++files;
        }
    }
    if (bad) {
        Say(QStringLiteral("%1 of %2 pictures differ; run art-figures %3 to redraw them")
                .arg(bad)
                .arg(files)
                .arg(dir));
        return 1;
    }
    std::printf("all %d pictures match the generator\n", files);
    return 0;
}

int Sheet(const QString& file, int scale) {
    QImage sheet = ContactSheet();
    if (scale > 1)
        sheet = sheet.scaled(sheet.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (!sheet.save(file, "PNG")) {
        Say(QStringLiteral("cannot write %1").arg(file));
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);

    const QStringList missing = MissingFonts();
    if (!missing.isEmpty()) {
        Say(QStringLiteral("missing fonts: %1").arg(missing.join(QStringLiteral(", "))));
        return 2;
    }

    if (args.size() == 1 && !args[0].startsWith(QLatin1String("--"))) return Write(args[0]);
    if (args.size() == 2 && args[0] == QLatin1String("--check")) return Check(args[1]);
    if ((args.size() == 2 || args.size() == 4) && args[0] == QLatin1String("--sheet")) {
        const int scale = ArtCommand::SheetScale(args);
        return scale ? Sheet(args[1], scale) : Usage();
    }
    return Usage();
}
