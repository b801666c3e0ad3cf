#include "app/Startup.h"

#include <QApplication>
#include <memory>

#include "app/Places.h"
#include "app/QtHost.h"
#include "app/Settings.h"
#include "app/SingleInstance.h"
#include "app/Sound.h"
#include "engine/Engine.h"
#include "scores/ScoreFile.h"
#include "scores/ScoreWindow.h"
#include "scores/VersusResultWindow.h"
#include "ui/AboutBox.h"
#include "ui/Fonts.h"
#include "ui/MainWindow.h"
#include "ui/MessageBoxes.h"
#include "ui/PictureStore.h"
#include "ui/SettingsDialog.h"

std::string gsAppPath;
int32_t glTwipsX = 15;
int32_t glTwipsY = 15;

std::string WithTrailingSeparator(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

namespace {
void PlugInWindows() {
    MainWindow::SetSettingsCommand([](MainWindow& window) {
        SettingsDialog dialog(window);
        dialog.exec();
    });
    MainWindow::SetAboutCommand([](MainWindow& window) {
        AboutBox about(&window);
        about.exec();
    });
    MainWindow::SetVersusResultCommand([](MainWindow& window) { ShowVersusResultWindow(window); });
    MainWindow::SetSoloResultCommand([](MainWindow& window) { HandOverSoloResult(window); });
}
}  // namespace

int RunProgram(int argc, char** argv) {
    // Where the files live is settled before anything else: the lock guards them.
    const std::string programFolder = ProgramFolder();
    SettleFilePlaces(GatherPlaceFacts(programFolder));
    SingleInstance instance;
    if (!instance.Acquire(LockPlaces::ForFilesIn(SettingsFolder()))) {
        // Another copy plays on these files: it comes to the front, and this one
        // leaves before it opens anything on the screen.
        instance.RingRunningCopy(LauncherActivationToken());
        return 0;
    }

    QApplication app(argc, argv);
    InstallFontSubstitutions();
    MessageBoxes::InstallJapaneseQtTexts();
    // The splash already shows the icon and the title lettering, so the
    // pictures are loaded first of all.
    PictureStore::Load();

    // The about box stands in as a splash while the rest starts.
    auto splash = std::make_unique<AboutBox>(nullptr);
    splash->show();
    QCoreApplication::processEvents();

    gsAppPath = programFolder;
    EnsureSettingsFile();
    PrepareScoreFile(ScoreFilePath());
    glTwipsX = glTwipsY = 15;  // this platform has no twips: fixed at 15 per pixel

    MainWindow window;
    window.FitClientArea();
    window.CreateCardWidgets();

    QtHost host;
    AttachHost(&host);
    AttachView(&window);
    PlugInWindows();
    instance.AnswerLaterStarts([&window](const std::string& token) { window.BringForward(token); });

    LoadSettings(window);
    window.show();
    splash.reset();
    // The sound device opens once the table is up; a player sees the window sooner.
    InitSound();

    const int code = app.exec();
    AttachView(nullptr);
    ShutdownSound();
    return code;
}
