// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the end of a game opens: a whole solitaire game on the virtual clock
// that ends at the score table (the rank message, a name typed over the new
// row, O.K, and the saved file read back with the game's own time and turns),
// and the result window of a game against the computer with the game's seats.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/GameEnd.h"
#include "app/Places.h"
#include "scores/ScoreFile.h"
#include "support/ClickPlayer.h"
#include "support/EngineFixture.h"
#include "ui/MainWindow.h"
#include "ui/MessageBoxes.h"
#include "ui/ScoreWindow.h"
#include "ui/VersusResultWindow.h"

using GameEndTest = EngineFixture;

TEST_F(GameEndTest, AFinishedSolitaireGameIsRankedNamedAndSaved) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("solsc.dat").toStdString();
    ASSERT_TRUE(CreateScoreFile(path).ok);

    QStringList told;
    MessageBoxes::SetInformHook([&](const QString& text) { told << text; });
    SeatSolitaire();
    ClickPlayer player(host, table);
    int turns = 0, seconds = 0;
    bool nameBoxShown = false;
    // The hand-over the main window makes, with the score file in the program folder.
    const std::string appPath = gsAppPath;
    gsAppPath = dir.path().toStdString() + "/";
    MainWindow mainWindow(game);
    table.onSoloResult = [&] {
        turns = game.turnCount;
        seconds = game.elapsedSeconds;
        // The player types a name into the box over the new row and presses O.K.
        QTimer::singleShot(0, [&] {
            auto* window = qobject_cast<ScoreWindow*>(QApplication::activeModalWidget());
            ASSERT_NE(window, nullptr);
            nameBoxShown = window->NameBox()->isVisible();
            if (!nameBoxShown) return window->reject();
            window->NameBox()->setText(QStringLiteral("はなこ"));
            window->OkClick();
        });
        HandOverSoloResult(mainWindow);
    };
    StartCommand(game);
    MessageBoxes::SetInformHook(nullptr);
    gsAppPath = appPath;

    EXPECT_TRUE(nameBoxShown);
    // A perfect memory beats every default result (3:05 and 305 turns at best).
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].startsWith(QStringLiteral("ゲーム時間が　１位"))) << told[0].toStdString();
    const ScoreLoad saved = LoadScoreFile(path);
    ASSERT_EQ(saved.state, ScoreFileState::Read);
    int found = 0;
    for (const SoloScoreRecord& r : saved.table) {
        if (r.name != "\x82\xCD\x82\xC8\x82\xB1") continue;  // はなこ in CP932
        ++found;
        EXPECT_EQ(r.turns, turns);
        EXPECT_EQ(r.playMinutes * 60 + r.playSeconds, seconds);
    }
    EXPECT_EQ(found, 1);
    EXPECT_EQ(game.phase, GamePhase::Idle);  // the table is cleared once the window has closed
}

TEST_F(GameEndTest, TheVersusResultShowsTheSeatsOfTheGame) {
    SeatAll(CharacterKind::Tiger, CharacterKind::You, CharacterKind::Empty, CharacterKind::Wolf);
    const int taken[4] = {20, 14, 0, 20};
    for (int s = 0; s < 4; ++s) game.seats[s].cardsTaken = taken[s];
    MainWindow mainWindow(game);
    QStringList players, counts;
    std::vector<int> faces;
    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<VersusResultWindow*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        for (int s = 0; s < 4; ++s) {
            players << window->PlayerLabel(s)->text();
            counts << window->CountLabel(s)->text();
            faces.push_back(window->Face(s));
        }
        window->accept();
    });
    ShowVersusResultWindow(mainWindow);
    EXPECT_EQ(players, (QStringList{"Fat Tiger", "Ｙｏｕ", "", "Funny Wolf"}));
    EXPECT_EQ(counts, (QStringList{"20", "14", "", "20"}));
    EXPECT_EQ(faces, (std::vector<int>{1, 2, -1, 1}));
}
