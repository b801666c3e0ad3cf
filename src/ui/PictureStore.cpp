// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/PictureStore.h"

#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QImageReader>
#include <QString>
#include <algorithm>
#include <array>
#include <map>
#include <utility>
#include <vector>

#include "opponents/Characters.h"
#include "ui/Language.h"

// The pictures are compiled into the program's static library; naming the
// resource here keeps the linker from dropping it. The macro has to be used
// outside any namespace.
static void InitPictureResources() {
    Q_INIT_RESOURCE(pictures);
    Q_INIT_RESOURCE(pictures_dense);
}

namespace {

struct SetInfo {
    const char* folder;
    int count;       // 0: one picture for each picture number the characters' rows name
    bool twoDigits;  // the card faces are 00.png .. 53.png
};

constexpr int kSetCount = 8;

// Indexed by PicSet.
constexpr std::array<SetInfo, kSetCount> kSets = {{
    {"picCard", 54, true},
    {"picFace", 4, false},
    {"picPlayer", 0, false},
    {"picMsgDat", 8, false},
    {"imgJuni", 4, false},
    {"cursor", 4, false},
    {"icon", 1, false},
    {"title", 1, false},
}};

// Where each cursor points: 0 the white hand, 1 the claw, 2 the bear, 3 the link hand.
constexpr std::array<QPoint, 4> kHotSpots = {{{10, 1}, {14, 1}, {5, 9}, {12, 1}}};

// The denser drawings there are of every picture: "<index>@2x.png" and "<index>@3x.png".
constexpr std::array<int, 2> kDenserRatios = {2, 3};

// Made on first use: pixmaps cannot exist before the application does.
struct Store {
    bool loaded = false;
    // Each picture is read from the program the first time it is asked for: a
    // start-up that shows a few of them does not wait for all the others.
    std::array<std::vector<QPixmap>, kSetCount> sets;
    std::array<std::vector<bool>, kSetCount> read;
    // Which set and index each loaded picture is, so a user holding only the picture can
    // still ask for its denser drawing.
    QHash<qint64, std::pair<int, int>> owners;
    // The drawings loaded on first use, by resource path; a null one is not in the program.
    QHash<QString, QPixmap> denser;
    // The drawings for English players of pictures with words on them, by resource path.
    std::map<QString, QPixmap> english;
    QIcon programIcon;
};

Store& TheStore() {
    static Store store;
    return store;
}

const SetInfo& Info(PicSet set) { return kSets[static_cast<size_t>(set)]; }

// How many pictures a set holds; the characters' pictures are as many as the
// character table names.
int SetSize(const SetInfo& info) {
    if (info.count != 0) return info.count;
    int pictures = 0;
    for (const Character& c : Characters()) pictures = std::max(pictures, c.picture + 1);
    return pictures;
}

// The picture's resource; `ratio` 2 or 3 names its denser drawing.
QString PicturePath(const QString& folder, const QString& name, int ratio = 1) {
    const QString suffix = ratio == 1 ? QString() : QStringLiteral("@%1x").arg(ratio);
    return QStringLiteral(":/pictures/%1/%2%3.png").arg(folder, name, suffix);
}

QString IndexName(const SetInfo& info, int index) {
    return info.twoDigits ? QStringLiteral("%1").arg(index, 2, 10, QLatin1Char('0'))
                          : QString::number(index);
}

QString PicturePath(const SetInfo& info, int index, int ratio = 1) {
    return PicturePath(QLatin1String(info.folder), IndexName(info, index), ratio);
}

// A picture with words on it (the empty seat's sign) may have a drawing for a
// player who reads English beside the game's own: "<index>-en.png". Its path,
// or nothing when the player reads Japanese or there is no such drawing.
QString EnglishPath(const SetInfo& info, int index, int ratio = 1) {
    if (CurrentTextLanguage() == kGameLanguage) return {};
    const QString path = PicturePath(QLatin1String(info.folder),
                                     IndexName(info, index) + QStringLiteral("-en"), ratio);
    return QFile::exists(path) ? path : QString();
}

// A picture that is not in the program stays a null pixmap; every user copes with that.
QPixmap LoadPicture(const QString& path) {
    if (!QFile::exists(path)) return QPixmap();
    // Every picture is a PNG: the reader is told so, and does not first ask every
    // image format plugin on the machine whether it knows the file (loading each).
    QImageReader reader(path, "PNG");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

// The density of the drawing for a screen: the least dense one that still has a pixel for
// every device pixel; shrinking it smoothly to a ratio in between keeps it sharper than
// magnifying a sparser one.
int DrawingRatio(qreal ratio) {
    if (ratio <= 1) return 1;
    for (const int r : kDenserRatios)
        if (ratio <= r) return r;
    return kDenserRatios.back();
}

// A drawing loaded on first use. The reader marks a "@2x" file as twice as dense,
// a "@3x" file as three times.
QPixmap Denser(const QString& path) {
    auto& loaded = TheStore().denser;
    auto found = loaded.find(path);
    if (found == loaded.end()) found = loaded.insert(path, LoadPicture(path));
    return *found;
}

}  // namespace

namespace PictureStore {

void Load() {
    Store& store = TheStore();
    if (store.loaded) return;
    store.loaded = true;
    InitPictureResources();
    for (int s = 0; s < kSetCount; ++s) {
        store.sets[s].assign(SetSize(kSets[s]), QPixmap());
        store.read[s].assign(SetSize(kSets[s]), false);
    }
}

int Count(PicSet set) { return SetSize(Info(set)); }

bool Has(PicSet set, int index) { return !Picture(set, index).isNull(); }

const QPixmap& Picture(PicSet set, int index) {
    static const QPixmap none;
    Load();
    Store& store = TheStore();
    const auto s = static_cast<size_t>(set);
    if (index < 0 || index >= SetSize(Info(set))) return none;
    const auto i = static_cast<size_t>(index);
    if (const QString english = EnglishPath(Info(set), index); !english.isEmpty()) {
        auto [found, added] = store.english.try_emplace(english);
        if (added) {
            found->second = LoadPicture(english);
            store.owners.insert(found->second.cacheKey(), {int(s), index});
        }
        return found->second;
    }
    QPixmap& picture = store.sets[s][i];
    if (!store.read[s][i]) {
        store.read[s][i] = true;
        picture = LoadPicture(PicturePath(Info(set), index));
        if (!picture.isNull()) store.owners.insert(picture.cacheKey(), {int(s), index});
    }
    return picture;
}

QPixmap ForRatio(const QPixmap& picture, qreal ratio) {
    if (ratio <= 1 || picture.isNull()) return picture;
    Load();
    const Store& store = TheStore();
    const auto owner = store.owners.constFind(picture.cacheKey());
    if (owner == store.owners.constEnd()) return picture;
    const SetInfo& info = kSets[static_cast<size_t>(owner->first)];
    const QString english = EnglishPath(info, owner->second, DrawingRatio(ratio));
    const QPixmap dense =
        Denser(english.isEmpty() ? PicturePath(info, owner->second, DrawingRatio(ratio)) : english);
    return dense.isNull() ? picture : dense;
}

qreal PaintRatio(const QPainter& painter) { return painter.deviceTransform().m11(); }

QCursor Cursor(int n, qreal scale) {
    const QPixmap& picture = Picture(PicSet::cursor, n);
    if (picture.isNull()) return QCursor(n == 3 ? Qt::PointingHandCursor : Qt::ArrowCursor);
    const QPoint hotSpot = kHotSpots[static_cast<size_t>(n)];
    const qreal screen = qGuiApp ? qGuiApp->devicePixelRatio() : 1;
    if (scale * screen == 1) return QCursor(picture, hotSpot.x(), hotSpot.y());
    // A cursor is not painted by a painter that could stretch it: it is made at
    // the size it is shown at, in the screen's own pixels, from the drawing
    // closest at or above that size, shrunk smoothly. X11 takes its hot spot in
    // the screen's pixels too, Wayland in the window's.
    const QPixmap drawing = ForRatio(picture, scale * screen);
    const QSize size(std::max(1, qRound(picture.width() * scale * screen)),
                     std::max(1, qRound(picture.height() * scale * screen)));
    QPixmap shown = drawing.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    shown.setDevicePixelRatio(screen);
    const qreal hot =
        scale * (QGuiApplication::platformName() == QLatin1String("xcb") ? screen : 1);
    return QCursor(shown, qRound(hotSpot.x() * hot), qRound(hotSpot.y() * hot));
}

QIcon ProgramIcon() {
    Load();
    QIcon& icon = TheStore().programIcon;
    if (!icon.isNull()) return icon;
    // Every size the icon is drawn at, 16 to 256 pixels, so a task switcher or a dock
    // takes the drawing that fits instead of stretching another. (The reader marks
    // "@2x" files as twice as dense; here they are plain sizes.)
    const char* const drawings[] = {":/icons/16.png",
                                    ":/icons/22.png",
                                    ":/icons/24.png",
                                    ":/pictures/icon/0.png",
                                    ":/icons/48.png",
                                    ":/pictures/icon/0@2x.png",
                                    ":/pictures/icon/0@3x.png",
                                    ":/pictures/icon/large.png",
                                    ":/pictures/icon/large@2x.png"};
    const auto& loaded = TheStore().denser;
    for (const char* name : drawings) {
        // A drawing already read (the splash shows the large one) is not read again.
        const QString path = QLatin1String(name);
        const auto found = loaded.constFind(path);
        QPixmap drawing = found != loaded.constEnd() ? *found : LoadPicture(path);
        drawing.setDevicePixelRatio(1);
        if (!drawing.isNull()) icon.addPixmap(drawing);
    }
    return icon;
}

void Replace(PicSet set, int index, const QPixmap& picture) {
    Load();
    const auto s = static_cast<size_t>(set);
    if (index < 0 || index >= SetSize(Info(set))) return;
    TheStore().sets[s][static_cast<size_t>(index)] = picture;
    TheStore().read[s][static_cast<size_t>(index)] = true;
}

}  // namespace PictureStore

QPixmap PictureStore::LargestIcon() {
    // The large drawing, as dense as the densest screen.
    Load();
    const QPixmap large = Denser(PicturePath(QStringLiteral("icon"), QStringLiteral("large"),
                                             DrawingRatio(qGuiApp->devicePixelRatio())));
    return large.isNull() ? Picture(PicSet::icon, 0) : large;
}

QPixmap PictureStore::AboutBoxIcon(qreal ratio) {
    Load();
    // The shrunk drawing of a ratio is the large drawing the store gives for that ratio,
    // shrunk as the box would: the same pixels, where the box's screen has that ratio.
    const int drawing = DrawingRatio(qGuiApp->devicePixelRatio());
    if (ratio == drawing) {
        const QPixmap shrunk =
            Denser(PicturePath(QStringLiteral("icon"), QStringLiteral("about"), drawing));
        if (!shrunk.isNull()) return shrunk;
    }
    return LargestIcon();
}
