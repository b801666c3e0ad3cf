// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/WindowPlace.h"

#include <QDataStream>
#include <QFile>
#include <QRect>
#include <QWidget>
#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "app/Places.h"
#include "files/SafeFile.h"

namespace {

// Qt's own record of a window's geometry is some seventy bytes; anything much
// larger is not one, and is not read whole.
constexpr qint64 kLargestFile = 4096;

// No screen is larger than this, in pixels, either way.
constexpr int kLargestSide = 1 << 15;

// Each edge is checked on its own first: a foreign file's corners can lie so
// far apart that QRect's width() would overflow.
bool Plausible(const QRect& rect) {
    for (const qint64 edge :
         {qint64(rect.left()), qint64(rect.top()), qint64(rect.right()), qint64(rect.bottom())})
        if (edge < -kLargestSide || edge > 2 * qint64(kLargestSide)) return false;
    return rect.width() > 0 && rect.height() > 0 && rect.width() <= kLargestSide &&
           rect.height() <= kLargestSide && std::abs(rect.left()) <= kLargestSide &&
           std::abs(rect.top()) <= kLargestSide;
}

}  // namespace

bool IsWindowPlace(const QByteArray& bytes) {
    // Read as QWidget::restoreGeometry reads it (which takes a record cut short
    // as zeros and puts the window at them): its mark and version, the frame
    // and normal rectangles, the screen, the two states (any value but 0 is
    // set), and from version 2 the screen's width and from 3 the inner rectangle.
    QDataStream stream(bytes);
    stream.setVersion(QDataStream::Qt_4_0);
    quint32 mark = 0;
    quint16 major = 0, minor = 0;
    stream >> mark >> major >> minor;
    if (mark != 0x1D9D0CB || major < 1 || major > 3) return false;
    QRect frame, normal, inner(0, 0, 1, 1);
    qint32 screen = 0, screenWidth = 0;
    quint8 maximized = 0, fullScreen = 0;
    stream >> frame >> normal >> screen >> maximized >> fullScreen;
    if (major >= 2) stream >> screenWidth;
    if (major >= 3) stream >> inner;
    return stream.status() == QDataStream::Ok && stream.atEnd() && Plausible(frame) &&
           Plausible(normal) && Plausible(inner) && screen >= 0;
}

bool RestoreWindowPlace(QWidget& window, const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = file.read(kLargestFile + 1);
    if (bytes.size() > kLargestFile || !IsWindowPlace(bytes)) return false;
    return window.restoreGeometry(bytes);
}

bool SaveWindowPlace(const QWidget& window, const std::string& path) {
    const std::string folder = std::filesystem::path(path).parent_path().string();
    if (!folder.empty() && !MakeFolder(folder)) return false;
    const QByteArray bytes = window.saveGeometry();
    return SafeFile::Replace(path, std::string_view(bytes.constData(), size_t(bytes.size()))).ok;
}
