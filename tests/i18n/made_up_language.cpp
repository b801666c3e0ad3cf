// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's language code, with one more translation compiled in beside the
// game's own: a made-up language "qaa" (a code kept for local use, which no real
// language has), written by the test's build. Run under a desktop whose
// LC_MESSAGES names it, the game must speak it: its two texts in it, every other
// text in English beneath it, and the desktop's LANG (German), further down the
// list, passed over.
#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <cstdio>

#include "engine/GameState.h"
#include "ui/Language.h"
#include "ui/MainWindow.h"

namespace {
int failures = 0;
void Expect(const QString& what, const QString& got, const QString& want) {
    if (got == want) {
        std::printf("ok: %s reads \"%s\"\n", qPrintable(what), qPrintable(got));
        return;
    }
    std::printf("FAIL: %s reads \"%s\", not \"%s\"\n", qPrintable(what), qPrintable(got),
                qPrintable(want));
    ++failures;
}
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const TextLanguage chosen = ChooseTextLanguage(DesktopLanguages());
    Expect(QStringLiteral("the language chosen for %1").arg(DesktopLanguages().join(u':')), chosen,
           QStringLiteral("qaa"));
    if (!InstallTextLanguage(chosen)) {
        std::printf("FAIL: the made-up language could not be installed\n");
        return 1;
    }
    GameState game;
    MainWindow window(game);
    QMenu* gameMenu = window.menuBar()->actions().first()->menu();
    Expect(QStringLiteral("the first menu"), window.menuBar()->actions().first()->text(),
           QStringLiteral("Qaa-ludo"));
    Expect(QStringLiteral("its first item"), gameMenu->actions().first()->text(),
           QStringLiteral("Qaa-komenco"));
    Expect(QStringLiteral("the window title, which it leaves untranslated"), window.windowTitle(),
           QStringLiteral("Tomavel"));
    return failures == 0 ? 0 : 1;
}
