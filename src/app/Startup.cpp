// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Startup.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string_view>
#include <utility>

#include "app/Places.h"
#include "app/QtHost.h"
#include "app/Settings.h"
#include "app/SingleInstance.h"
#include "app/Sound.h"
#include "app/WindowCommands.h"
#include "app/WindowPlace.h"
#include "engine/Views.h"
#include "opponents/Opponents.h"
#include "scores/ScoreFile.h"
#include "ui/AboutBox.h"
#include "ui/Accessibility.h"
#include "ui/Language.h"
#include "ui/Look.h"
#include "ui/MainWindow.h"
#include "ui/MessageBoxes.h"
#include "ui/PictureStore.h"
#include "ui/ScoreWindow.h"
#include "ui/TableWidget.h"

namespace {
// Calls `then` once, when `widget` has been drawn for the first time, or half
// a second after the call when it has not (a window that opens on another
// desktop is not drawn until the player goes there).
void AfterFirstDrawing(QWidget* widget, std::function<void()> then) {
    class Watch : public QObject {
    public:
        Watch(QWidget* widget, std::function<void()> then)
            : QObject(widget), then_(std::move(then)) {
            widget->installEventFilter(this);
            QTimer::singleShot(500, this, [this] { Fire(); });
        }
        bool eventFilter(QObject*, QEvent* event) override {
            // The painting this event starts is on the screen before the event
            // loop turns again.
            if (event->type() == QEvent::Paint) QTimer::singleShot(0, this, [this] { Fire(); });
            return false;
        }

    private:
        void Fire() {
            if (!then_) return;
            std::exchange(then_, nullptr)();
            deleteLater();
        }
        std::function<void()> then_;
    };
    new Watch(widget, std::move(then));
}
bool AsksForInformation(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--") break;
        if (argument == "--help" || argument == "-h" || argument == "--version") return true;
    }
    return false;
}
}  // namespace

std::optional<QString> CommandLineAnswer(const QStringList& arguments) {
    for (const QString& argument : arguments.mid(1)) {
        if (argument == u"--") break;
        if (argument == u"--version")
            return QStringLiteral("tomavel %1\n").arg(QStringLiteral(TOMAVEL_VERSION));
        if (argument == u"--help" || argument == u"-h")
            return QCoreApplication::translate(
                "Startup",
                "使い方: tomavel [オプション]\n"
                "トランプの神経衰弱（メモリー）ゲーム「トマベル」を始めます。\n"
                "\n"
                "  -h, --help     この説明を表示して終わります\n"
                "      --version  バージョンを表示して終わります\n"
                "\n"
                "遊び方はゲームのヘルプ（F1）にあります。\n");
    }
    return std::nullopt;
}

int RunProgram(int argc, char** argv) {
    // Asked for its help or its version, the game only answers: no window, and no
    // ring at a running copy's doorbell.
    if (AsksForInformation(argc, argv)) {
        QCoreApplication answerOnly(argc, argv);
        InstallTextLanguage(ChooseTextLanguage(DesktopLanguages()));
        const std::optional<QString> answer = CommandLineAnswer(answerOnly.arguments());
        std::fputs(answer.value_or(QString()).toLocal8Bit().constData(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    // Where the files live is settled before anything else: the lock guards them.
    const std::string programFolder = ProgramFolder();
    SettleFilePlaces(GatherPlaceFacts(programFolder));
    SingleInstance instance;
    if (!instance.Acquire(LockPlaces::ForFilesIn(SettingsFolder()))) {
        // Another copy plays on these files: it comes to the front, and this one
        // leaves before it opens anything on the screen.
        instance.RingRunningCopy(LauncherTokens());
        return 0;
    }

    // On X11 Qt hands the window's pictures to the server through shared
    // memory, and the server answers every one: each tick of the solitaire
    // clock would wake the game twice more (Qt's X thread, then the window
    // thread) to hear that the clock's digits arrived. The game's pictures are
    // small, and sent through the connection they need no answer. A player's
    // own choice stands.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
    Accessibility::FollowScreenReaders();
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    // The game speaks the desktop's language: Japanese as it always has, or the
    // first of the desktop's languages it has a translation for, else English.
    InstallTextLanguage(ChooseTextLanguage(DesktopLanguages(), TextLanguages(),
                                           Accessibility::ScreenReaderListening));
    // The splash already shows the icon and the title lettering, so the
    // picture catalogue opens first of all (each picture is read when first shown).
    PictureStore::Load();

    // The about box stands in as a splash while the rest starts.
    auto splash = std::make_unique<AboutBox>(nullptr);
    splash->show();
    QCoreApplication::processEvents();

    gsAppPath = programFolder;
    TellWhenUnguarded(instance);
    EnsureSettingsFile();
    PrepareScoreFile(ScoreFilePath());

    // The settings file is read before the window is made: the window's two
    // switches start as the file has them.
    GameSettings settings = LoadSettings();
    // The one game of this run, and the computer players who sit at it.
    GameState game;
    Opponents opponents(game);
    AttachComputerPlayers(&opponents);
    ApplyLoadedSettings(game, settings);
    MainWindow::Commands commands = WindowCommands(settings);
    // The game ends at once, from wherever it is (even in the middle of a
    // game's loop), and leaves no lock or doorbell behind. The window's size and
    // place are kept for the next start.
    const MainWindow* leaving = nullptr;
    commands.exitProcess = [&instance, &leaving] {
        if (leaving) SaveWindowPlace(*leaving, WindowStateFilePath());
        instance.Release();
        std::fflush(nullptr);
        std::_Exit(0);
    };
    MainWindow window(game, std::move(commands), settings);
    leaving = &window;
    // The first time, and whenever the file kept is of no use, the window opens
    // at its smallest, centred; otherwise as it was left.
    window.FitClientArea();
    RestoreWindowPlace(window, WindowStateFilePath());
    window.Table()->CreateCardWidgets();

    QtHost host;
    AttachHost(&host);
    AttachViews(window.AsViews());
    instance.AnswerLaterStarts(
        [&window](const LaunchTokens& tokens) { window.BringForward(tokens); });

    // Once the table is on the screen, the window gets its icon (five drawings up
    // to 256 pixels, read and handed to the window manager), and the sound gets
    // ready: the mixer and the fifty-odd libraries it plays through load beside
    // the game while the player looks at the table, and the first deal's sound
    // finds them ready (the device itself opens only when a sound starts).
    AfterFirstDrawing(window.Table(), [&window] {
        window.setWindowIcon(PictureStore::ProgramIcon());
        InitSound();
    });
    window.show();
    splash.reset();

    const int code = app.exec();
    AttachComputerPlayers(nullptr);
    AttachViews({});
    ShutdownSound();
    return code;
}
