#include "ui/PictureStore.h"

#include <QFile>
#include <QString>
#include <array>
#include <vector>

// The pictures are compiled into the program's static library; naming the
// resource here keeps the linker from dropping it. The macro has to be used
// outside any namespace.
static void InitPictureResources() { Q_INIT_RESOURCE(pictures); }

namespace {

struct SetInfo {
    const char* folder;
    int count;
    bool twoDigits;  // the card faces are 00.png .. 53.png
};

constexpr int kSetCount = 8;

// Indexed by PicSet.
constexpr std::array<SetInfo, kSetCount> kSets = {{
    {"picCard", 54, true},
    {"picFace", 4, false},
    {"picPlayer", 5, false},
    {"picMsgDat", 8, false},
    {"imgJuni", 4, false},
    {"cursor", 4, false},
    {"icon", 1, false},
    {"title", 1, false},
}};

// Where each cursor points: 0 the white hand, 1 the claw, 2 the bear, 3 the link hand.
constexpr std::array<QPoint, 4> kHotSpots = {{{10, 1}, {14, 1}, {5, 9}, {12, 1}}};

// Made on first use: pixmaps cannot exist before the application does.
struct Store {
    bool loaded = false;
    std::array<std::vector<QPixmap>, kSetCount> sets;
    QPixmap largeIcon;
};

Store& TheStore() {
    static Store store;
    return store;
}

const SetInfo& Info(PicSet set) { return kSets[static_cast<size_t>(set)]; }

QString PicturePath(const SetInfo& info, int index) {
    const QString name = info.twoDigits ? QStringLiteral("%1").arg(index, 2, 10, QLatin1Char('0'))
                                        : QString::number(index);
    return QStringLiteral(":/pictures/%1/%2.png").arg(QLatin1String(info.folder), name);
}

// A picture that is not in the program stays a null pixmap; every user copes with that.
QPixmap LoadPicture(const QString& path) {
    QPixmap pixmap;
    if (QFile::exists(path)) pixmap.load(path, "PNG");
    return pixmap;
}

}  // namespace

namespace PictureStore {

void Load() {
    Store& store = TheStore();
    if (store.loaded) return;
    store.loaded = true;
    InitPictureResources();
    for (int s = 0; s < kSetCount; ++s) {
        const SetInfo& info = kSets[s];
        auto& list = store.sets[s];
        list.clear();
        list.reserve(info.count);
        for (int i = 0; i < info.count; ++i) list.push_back(LoadPicture(PicturePath(info, i)));
    }
    store.largeIcon = LoadPicture(QStringLiteral(":/pictures/icon/large.png"));
}

int Count(PicSet set) { return Info(set).count; }

bool Has(PicSet set, int index) { return !Picture(set, index).isNull(); }

const QPixmap& Picture(PicSet set, int index) {
    static const QPixmap none;
    Load();
    const auto& list = TheStore().sets[static_cast<size_t>(set)];
    if (index < 0 || index >= static_cast<int>(list.size())) return none;
    return list[static_cast<size_t>(index)];
}

QCursor Cursor(int n) {
    const QPixmap& picture = Picture(PicSet::cursor, n);
    if (picture.isNull()) return QCursor(n == 3 ? Qt::PointingHandCursor : Qt::ArrowCursor);
    return QCursor(picture, kHotSpots[static_cast<size_t>(n)].x(),
                   kHotSpots[static_cast<size_t>(n)].y());
}

QIcon ProgramIcon() {
    QIcon icon;
    const QPixmap& small = Picture(PicSet::icon, 0);
    if (!small.isNull()) icon.addPixmap(small);
    if (!TheStore().largeIcon.isNull()) icon.addPixmap(TheStore().largeIcon);
    return icon;
}

void Replace(PicSet set, int index, const QPixmap& picture) {
    Load();
    auto& list = TheStore().sets[static_cast<size_t>(set)];
    if (index >= 0 && index < static_cast<int>(list.size()))
        list[static_cast<size_t>(index)] = picture;
}

}  // namespace PictureStore

QPixmap PictureStore::LargestIcon() {
    const QIcon icon = ProgramIcon();
    QSize best;
    for (const QSize& size : icon.availableSizes())
        if (size.width() * size.height() > best.width() * best.height()) best = size;
    if (best.isValid()) return icon.pixmap(best);
    return Picture(PicSet::icon, 0);
}
