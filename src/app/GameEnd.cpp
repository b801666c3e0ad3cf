// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/GameEnd.h"

#include "app/Places.h"
#include "engine/GameState.h"
#include "ui/MainWindow.h"
#include "ui/PictureStore.h"
#include "ui/ScoreWindow.h"
#include "ui/TableWidget.h"
#include "ui/VersusResultWindow.h"

void HandOverSoloResult(MainWindow& window) {
    SoloScoreRecord result;
    SetScoreDate(result);
    const GameState& game = window.Game();
    CompleteScoreRecord(result, game.elapsedSeconds, game.turnCount);
    window.SuspendTopMost([&] { AddNewScore(result, ScoreFilePath(), &window); });
}

void ShowScoreTable(QWidget* parent) {
    bool saveAllowed = true;
    const ScoreTable table = LoadScoreTableForPlayer(ScoreFilePath(), parent, &saveAllowed);
    ScoreWindow scores(ScoreFilePath(), table, -1, {}, false, parent);
    scores.Load();
    scores.exec();
}

void ShowVersusResultWindow(MainWindow& window) {
    window.Table()->SetHandVisible(false);
    window.SuspendTopMost([&] {
        // The rank faces as dense as the window's screen.
        const qreal ratio = window.devicePixelRatioF();
        VersusResultWindow::Seats seats;
        for (int s = 0; s < kSeats; ++s) {
            const PlayerSlot& slot = window.Game().seats[s];
            seats[s] = {slot.kind, slot.active, slot.cardsTaken};
        }
        VersusResultWindow result(
            seats,
            [ratio](int n) {
                return PictureStore::ForRatio(PictureStore::Picture(PicSet::imgJuni, n), ratio);
            },
            &window);
        result.Load();
        result.exec();
    });
}
