#include "app/GameEnd.h"

#include "app/Startup.h"
#include "ui/MainWindow.h"
#include "ui/PictureStore.h"
#include "ui/ScoreWindow.h"
#include "ui/TableWidget.h"
#include "ui/VersusResultWindow.h"

namespace {
std::string ScoreFilePath() { return gsAppPath + kScoreFileName; }
}  // namespace

void HandOverSoloResult(MainWindow& window) {
    glAftGameFlg = true;
    SoloScoreRecord record;
    SetScoreDate(record);
    window.SuspendTopMost([&] { AddNewScore(record, ScoreFilePath(), &window); });
}

void ShowVersusResultWindow(MainWindow& window) {
    window.Table()->SetHandVisible(false);
    window.SuspendTopMost([&] {
        VersusResultWindow result([](int n) { return PictureStore::Picture(PicSet::imgJuni, n); },
                                  &window);
        result.Load();
        result.exec();
    });
}
