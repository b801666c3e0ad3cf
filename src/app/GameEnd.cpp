#include "app/GameEnd.h"

#include "app/Places.h"
#include "ui/MainWindow.h"
#include "ui/PictureStore.h"
#include "ui/ScoreWindow.h"
#include "ui/TableWidget.h"
#include "ui/VersusResultWindow.h"

void HandOverSoloResult(MainWindow& window) {
    glAftGameFlg = true;
    SoloScoreRecord record;
    SetScoreDate(record);
    window.SuspendTopMost([&] { AddNewScore(record, ScoreFilePath(), &window); });
}

void ShowScoreTable(QWidget* parent) {
    glAftGameFlg = false;
    bool saveAllowed = true;
    const ScoreTable table = LoadScoreTableForPlayer(ScoreFilePath(), parent, &saveAllowed);
    ScoreWindow scores(ScoreFilePath(), table, -1, {}, parent);
    scores.Load();
    scores.exec();
}

void ShowVersusResultWindow(MainWindow& window) {
    window.Table()->SetHandVisible(false);
    window.SuspendTopMost([&] {
        // The rank faces as dense as the window's screen.
        const qreal ratio = window.devicePixelRatioF();
        VersusResultWindow result(
            [ratio](int n) {
                return PictureStore::ForRatio(PictureStore::Picture(PicSet::imgJuni, n), ratio);
            },
            &window);
        result.Load();
        result.exec();
    });
}
