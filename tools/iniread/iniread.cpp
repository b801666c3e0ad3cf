// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// iniread FILE: the settings the game would take from a settings file, one a
// line, so that the game's reading of hand-edited files can be compared with
// any other reader of such files. The file itself is never touched: the game's
// start-up (which may set a damaged file aside and write the defaults) and its
// settings load run on a private copy.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

#include "app/Places.h"
#include "app/Settings.h"
#include "engine/GameState.h"
#include "opponents/Characters.h"
#include "opponents/Opponents.h"
#include "ui/MessageBoxes.h"

namespace {

const char* YesNo(bool value) { return value ? "true" : "false"; }

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: iniread FILE\n");
        return 2;
    }
    QTemporaryDir folder;
    const QString copy = folder.filePath(QString::fromLatin1(kSettingsFileName));
    // Only a regular file is copied: a pipe would hold the copy up for ever.
    const QString source = QString::fromLocal8Bit(argv[1]);
    if (!folder.isValid() || !QFileInfo(source).isFile() || !QFile::copy(source, copy)) {
        std::fprintf(stderr, "iniread: cannot read %s\n", argv[1]);
        return 1;
    }
    // What the game would tell the player goes to the error output.
    MessageBoxes::SetInformHook([](const QString& text) {
        std::fprintf(stderr, "message: %s\n", text.toUtf8().constData());
    });
    gsAppPath = folder.path().toStdString() + "/";
    EnsureSettingsFile();
    const GameSettings settings = LoadSettings();
    GameState game;
    Opponents opponents(game);  // seating a computer character sets up its player
    AttachComputerPlayers(&opponents);
    ApplyLoadedSettings(game, settings);

    std::printf("soloMode=%s\n", YesNo(game.soloMode));
    for (int seat = 0; seat < kSeats; ++seat)
        std::printf("seat%d=%s %s\n", seat, CharacterOf(game.seats[seat].kind).name,
                    game.seats[seat].active ? "active" : "inactive");
    std::printf("cardBack=%d\n", game.cardBack);
    std::printf("showSeconds=%d\n", settings.showSeconds);
    std::printf("cursor=%d\n", settings.cursor);
    std::printf("topMost=%s\n", YesNo(settings.topMost));
    std::printf("mute=%s\n", YesNo(settings.mute));
    return 0;
}
