// What the end of a game opens on the main window: the solitaire result goes to the
// top ten, a game against the computer gets its result window. Kept apart from the
// windows themselves, which know nothing of the main window or where the files live.
#include "app/Places.h"
#include "scores/ScoreWindow.h"
#include "scores/VersusResultWindow.h"
#include "ui/MainWindow.h"
#include "ui/PictureStore.h"

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
    window.SetHandVisible(false);
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
