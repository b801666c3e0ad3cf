// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Help.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>
#include <string>

#include "app/Places.h"
#include "ui/Language.h"
#include "ui/MessageBoxes.h"

void ShowHelp(QWidget* parent) {
    // The help text is looked for where the player started the game from
    // first, then beside the game and where it was installed.
    // A language without its own help file reads the English one, and the
    // game's own Japanese is the last resort.
    std::string file = FindHelpFile(HelpFileNameFor(CurrentTextLanguage()));
    if (file.empty() && !SpeaksGameLanguage())
        file = FindHelpFile(HelpFileNameFor(kFallbackLanguage));
    if (file.empty()) file = FindHelpFile();
    if (file.empty()) {
        MessageBoxes::Inform(parent,
                             QCoreApplication::translate("Help", "ヘルプファイルがありません。"));
        return;
    }
    // The viewer gets the text in UTF-8, which every desktop reads.
    const QString shown = QString::fromStdString(HelpFileForViewer(file));
    if (shown.isEmpty()) {
        // Handing over the CP932 file would show the player gibberish.
        MessageBoxes::Inform(
            parent, QCoreApplication::translate("Help",
                                                "ヘルプを表示するための写しを作れませんでした。\n"
                                                "ヘルプファイル（シフトJIS）はここにあります:\n%1")
                        .arg(QString::fromStdString(file)));
        return;
    }
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(shown))) return;
    // The file is there; only nothing could show it. Say so, and where it is.
    MessageBoxes::Inform(
        parent, QCoreApplication::translate(
                    "Help", "ヘルプを開けませんでした。\nヘルプファイルはここにあります:\n%1")
                    .arg(shown));
}
