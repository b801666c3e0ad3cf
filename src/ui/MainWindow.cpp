// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>
#include <cstdio>
#include <cstdlib>

#include "engine/GameLoop.h"
#include "engine/HumanPlay.h"
#include "ui/Look.h"
#include "ui/MessageBoxes.h"
#include "ui/PictureStore.h"
#include "ui/TableWidget.h"
#include "ui/WindowActivation.h"

namespace {

// Ends the process at once: nothing is saved, no handler runs after it.
void EndProcessNow() {
    std::fflush(nullptr);
    std::_Exit(0);
}

}  // namespace

MainWindow::MainWindow(GameState& game, Commands commands, const GameSettings& settings,
                       QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      game_(game),
      commands_(std::move(commands)) {
    if (!commands_.exitProcess) commands_.exitProcess = EndProcessNow;
    InstallFontSubstitutions();
    PictureStore::Load();

    setWindowTitle(QCoreApplication::translate("MainWindow", "トマベル"));
    BuildMenus();
    table_ = new TableWidget(game_, this);
    setCentralWidget(table_);
    connect(table_, &TableWidget::cardClicked, this,
            [this](int card) { CardMouseDown(game_, card); });
    connect(table_, &TableWidget::cardHovered, this,
            [this](int card) { CardMouseMove(game_, card); });
    connect(table_, &TableWidget::tableHovered, this, [this] { WindowMouseMove(game_); });
    connect(table_, &TableWidget::arrowKeyPressed, this,
            [this](int dx, int dy) { CardKeyMove(game_, dx, dy); });
    connect(table_, &TableWidget::turnKeyPressed, this, [this] { CardKeyTurn(game_); });
    table_->setFocus();

    secondTimer_.setInterval(1000);
    connect(&secondTimer_, &QTimer::timeout, this, [this] { SecondTick(game_); });
    qApp->installEventFilter(this);  // for the input block while a card turns

    SetTopMostChecked(settings.topMost);
    soundAction_->setChecked(settings.mute);
    if (commands_.mute) commands_.mute(settings.mute);

    FitClientArea();
}

MainWindow::~MainWindow() = default;

Views MainWindow::AsViews() { return {table_, table_, table_, this}; }

void MainWindow::Run(const std::function<void(MainWindow&)>& command) {
    if (command) command(*this);
}

// ---------------------------------------------------------------------------
// Menus

void MainWindow::BuildMenus() {
    auto item = [](QMenu* menu, const char* name, const QString& caption) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        return action;
    };

    QMenu* gameMenu = menuBar()->addMenu(QCoreApplication::translate("MainWindow", "ゲーム"));
    startAction_ = item(gameMenu, "mGAmeStart", QCoreApplication::translate("MainWindow", "開始"));
    // Ctrl+N as the desktops' games have it, and F2 as older card games had it.
    // The menu shows them beside the caption; the caption itself stays as it is.
    startAction_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_N), QKeySequence(Qt::Key_F2)});
    quitAction_ =
        item(gameMenu, "mGameQuite", QCoreApplication::translate("MainWindow", "このゲームやめ"));
    quitAction_->setEnabled(false);
    scoresAction_ = item(gameMenu, "mGameScore", QCoreApplication::translate("MainWindow", "成績"));
    gameMenu->addSeparator();
    exitAction_ = item(gameMenu, "mGameExit",
                       QCoreApplication::translate("MainWindow", "このアプリケーションを終了する"));
    // Ctrl+Q, as every desktop's programs have it: it closes through the same
    // question as the close box.
    exitAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    // The menu and its first item share a caption in Japanese, not in every language.
    QMenu* setMenu =
        menuBar()->addMenu(QCoreApplication::translate("MainWindow", "設定", "the menu"));
    settingsAction_ = item(setMenu, "mSetSet",
                           QCoreApplication::translate("MainWindow", "設定", "the menu item"));
    setMenu->addSeparator();
    floatAction_ =
        item(setMenu, "mSetFloat", QCoreApplication::translate("MainWindow", "常に手前に表示"));
    floatAction_->setCheckable(true);
    soundAction_ =
        item(setMenu, "mSetSound", QCoreApplication::translate("MainWindow", "音を出さない"));
    soundAction_->setCheckable(true);
    // Full screen sits with the settings, as KDE's programs keep it, on F11 as
    // every desktop's games have it.
    fullScreenAction_ =
        item(setMenu, "mSetFullScreen", QCoreApplication::translate("MainWindow", "全画面表示"));
    fullScreenAction_->setCheckable(true);
    QList<QKeySequence> fullScreenKeys = QKeySequence::keyBindings(QKeySequence::FullScreen);
    if (!fullScreenKeys.contains(QKeySequence(Qt::Key_F11)))
        fullScreenKeys.prepend(QKeySequence(Qt::Key_F11));
    fullScreenAction_->setShortcuts(fullScreenKeys);

    QMenu* helpMenu = menuBar()->addMenu(QCoreApplication::translate("MainWindow", "ヘルプ"));
    helpAction_ = item(helpMenu, "mHelpHelp", QCoreApplication::translate("MainWindow", "ヘルプ"));
    helpAction_->setShortcut(QKeySequence(Qt::Key_F1));  // as on every desktop
    helpMenu->addSeparator();
    aboutAction_ = item(helpMenu, "mHelpAbout",
                        QCoreApplication::translate("MainWindow", "このアプリケーションについて"));

    connect(startAction_, &QAction::triggered, this, [this] { StartCommand(game_); });
    connect(quitAction_, &QAction::triggered, this, [this] { QuitCommand(game_); });
    connect(exitAction_, &QAction::triggered, this, [this] { close(); });
    connect(settingsAction_, &QAction::triggered, this, [this] {
        if (commands_.settings) SuspendTopMost([this] { Run(commands_.settings); });
    });
    // A check item has already flipped its mark when it is triggered: the
    // mark is the new state.
    connect(floatAction_, &QAction::triggered, this, [this](bool checked) {
        ApplyTopMost(checked);
        Run(commands_.switched);
    });
    connect(soundAction_, &QAction::triggered, this, [this](bool checked) {
        if (commands_.mute) commands_.mute(checked);
        Run(commands_.switched);
    });
    connect(scoresAction_, &QAction::triggered, this, [this] {
        if (commands_.scores) SuspendTopMost([this] { Run(commands_.scores); });
    });
    connect(fullScreenAction_, &QAction::triggered, this, [this](bool checked) {
        // Leaving full screen goes back to the window as it was: maximised or not.
        setWindowState(windowState().setFlag(Qt::WindowFullScreen, checked));
    });
    connect(helpAction_, &QAction::triggered, this, [this] { Run(commands_.help); });
    connect(aboutAction_, &QAction::triggered, this, [this] {
        if (commands_.about) SuspendTopMost([this] { Run(commands_.about); });
    });
}

void MainWindow::SetTopMost() {
    floatAction_->setChecked(!floatAction_->isChecked());
    ApplyTopMost(floatAction_->isChecked());
}

void MainWindow::SetNoSound() {
    soundAction_->setChecked(!soundAction_->isChecked());
    if (commands_.mute) commands_.mute(soundAction_->isChecked());
}

bool MainWindow::TopMostChecked() const { return floatAction_->isChecked(); }
bool MainWindow::NoSoundChecked() const { return soundAction_->isChecked(); }

// The mark always tells the state, so bringing the mark in line goes through the command.
void MainWindow::SetTopMostChecked(bool checked) {
    if (checked != TopMostChecked()) SetTopMost();
}

void MainWindow::SetNoSoundChecked(bool checked) {
    if (checked != NoSoundChecked()) SetNoSound();
}

void MainWindow::ApplyTopMost(bool topMost) {
    const Qt::WindowFlags flags = windowFlags().setFlag(Qt::WindowStaysOnTopHint, topMost);
    if (flags == windowFlags()) return;
    if (QWindow* window = windowHandle()) {
        // A shown window changes its level in place: it stays where it is and
        // a running game is not disturbed.
        overrideWindowFlags(flags);
        window->setFlags(flags);
    } else {
        const QPoint where = pos();
        setWindowFlags(flags);
        move(where);
    }
}

void MainWindow::SuspendTopMost(const std::function<void()>& showModal) {
    if (!TopMostChecked()) return showModal();
    // Lifted while the modal window is up, so that it can come in front.
    ApplyTopMost(false);
    showModal();
    ApplyTopMost(true);
}

void MainWindow::BringForward(const LaunchTokens& tokens) {
    if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    // A dialog or message box open over the table stays in front of it and keeps the focus.
    QWidget* front = QApplication::activeModalWidget();
    if (front && front != this) front->raise();
    ActivateAtPlayersRequest(front ? *front : *this, tokens);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!MessageBoxes::AskYesNo(this, QCoreApplication::translate("MainWindow", "やめる？？"))) {
        event->ignore();
        return;
    }
    game_.phase = GamePhase::Exiting;
    table_->ShowFarewell();
    event->accept();
    commands_.exitProcess();
}

// ---------------------------------------------------------------------------
// Window state

void MainWindow::FitClientArea() {
    table_->setMinimumSize(kTableWidth, kTableHeight);
    const int menuHeight = menuBar()->heightForWidth(kTableWidth) > 0
                               ? menuBar()->heightForWidth(kTableWidth)
                               : menuBar()->sizeHint().height();
    setMinimumSize(kTableWidth, menuHeight + kTableHeight);
    resize(kTableWidth, menuHeight + kTableHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.left() + (area.width() - width()) / 2,
             area.top() + (area.height() - height()) / 2);
    }
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange)
        fullScreenAction_->setChecked(windowState().testFlag(Qt::WindowFullScreen));
    QMainWindow::changeEvent(event);
}

bool MainWindow::BelongsHere(QObject* object) const {
    // The menus' pop-ups are windows of their own, so follow the parents, not the window.
    for (; object; object = object->parent())
        if (object == this) return true;
    return false;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (inputBlocked_) {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
            case QEvent::MouseMove:
            case QEvent::Wheel:
            case QEvent::KeyPress:
            case QEvent::ShortcutOverride:
            case QEvent::Shortcut:
            case QEvent::ContextMenu:
                // Lost, not queued: a click during a card turn does nothing.
                if (BelongsHere(watched)) return true;
                break;
            default:
                break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------
// WindowView: the solitaire lines on the table, menus, window, timer, modal windows

void MainWindow::SetSoloLabelsVisible(bool visible) { table_->SetSoloLabelsVisible(visible); }
void MainWindow::SetTimeText(const std::string& text) { table_->SetTimeText(text); }
void MainWindow::SetCountText(const std::string& text) { table_->SetCountText(text); }

void MainWindow::SetStartEnabled(bool enabled) { startAction_->setEnabled(enabled); }
void MainWindow::SetQuitEnabled(bool enabled) { quitAction_->setEnabled(enabled); }
void MainWindow::SetWindowEnabled(bool enabled) { inputBlocked_ = !enabled; }
void MainWindow::StartSecondTimer() { secondTimer_.start(1000); }
void MainWindow::StopSecondTimer() { secondTimer_.stop(); }

void MainWindow::ShowMessage(const std::string& text) {
    // The engine's messages are Japanese; the player reads them in their own language.
    MessageBoxes::Inform(this, QCoreApplication::translate("Engine", text.c_str()));
}

void MainWindow::ShowVersusResult() { Run(commands_.versusResult); }
void MainWindow::HandOverSoloResult() { Run(commands_.soloResult); }
