// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Stands in for the desktop's file viewer: installed with
// QDesktopServices::setUrlHandler("file", &viewer, "Open"), it keeps what the
// game hands to the viewer (the help).
#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

class ViewerStandIn : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void Open(const QUrl& url) { opened.push_back(url); }
};
