// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// frmMain: the game's window, green table below its menu bar: 640 x 420 when it
// first opens and at its smallest; it can be made larger, maximised and put full
// screen, and the table grows with it. It keeps the menus and their commands, the
// window's level, the one-second timer, the input block while a card turns, and
// closing; the table widget inside it holds everything on the table. It plays the
// engine's window view.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <string>

#include "engine/GameSettings.h"
#include "engine/Views.h"
#include "ui/WindowActivation.h"

class QAction;
class TableWidget;

class MainWindow : public QMainWindow, public WindowView {
    Q_OBJECT
public:
    // What the window's commands open. The start-up plugs in the real windows,
    // tests their own; a command left empty does nothing.
    // Lets events run: each window a command opens runs its own event loop.
    struct Commands {
        std::function<void(MainWindow&)> settings;  // "設定"
        std::function<void(MainWindow&)> about;     // "このアプリケーションについて"
        std::function<void(MainWindow&)> versusResult;  // a game against the computer ended
        std::function<void(MainWindow&)> soloResult;    // a solitaire game ended
        std::function<void(MainWindow&)> help;          // "ヘルプ" and F1
        std::function<void(MainWindow&)> scores;        // "成績": the top ten, nothing to save
        // The player switched "常に手前に表示" or "音を出さない" from the menu.
        std::function<void(MainWindow&)> switched;
        // "音を出さない" switched: true when the sound is off now.
        std::function<void(bool)> mute;
        // How the process ends after "やめる？？" was answered Yes; empty: at once.
        std::function<void()> exitProcess;
    };
    // The window shows `game` and ends it when it is closed. The two menu
    // switches start as `settings` has them; the mute command hears the sound
    // switch's first state.
    explicit MainWindow(GameState& game, Commands commands = {}, const GameSettings& settings = {},
                        QWidget* parent = nullptr);
    ~MainWindow() override;

    // Sizes the window so that the table below the menu bar is exactly 640 x 420,
    // its smallest size, and centres it on the screen.
    void FitClientArea();
    TableWidget* Table() const { return table_; }
    // The game the window shows.
    GameState& Game() const { return game_; }
    // The four views as this window plays them: the table's three and its own.
    Views AsViews();

    // Menu switches.
    void SetTopMost();  // toggles "常に手前に表示" and the window level
    void SetNoSound();  // toggles "音を出さない" and tells the mute command
    bool TopMostChecked() const;
    void SetTopMostChecked(bool checked);
    bool NoSoundChecked() const;
    void SetNoSoundChecked(bool checked);
    // A later start of the game: the window (and any window open over it) comes
    // back from the task bar, to the front, with the focus, by what the later
    // start's launcher handed it (may be nothing).
    void BringForward(const LaunchTokens& tokens = {});
    // Runs a modal window with the top-most level lifted while it is open.
    // Lets events run: the modal window's own event loop.
    void SuspendTopMost(const std::function<void()>& showModal);

    QAction* StartAction() const { return startAction_; }
    QAction* QuitAction() const { return quitAction_; }
    QAction* ExitAction() const { return exitAction_; }
    QAction* ScoresAction() const { return scoresAction_; }
    QAction* SettingsAction() const { return settingsAction_; }
    QAction* FloatAction() const { return floatAction_; }
    QAction* SoundAction() const { return soundAction_; }
    QAction* FullScreenAction() const { return fullScreenAction_; }
    QAction* HelpAction() const { return helpAction_; }
    QAction* AboutAction() const { return aboutAction_; }
    QTimer* SecondTimer() { return &secondTimer_; }

    bool InputBlocked() const { return inputBlocked_; }

    // WindowView (the message and the result windows let events run).
    void SetSoloLabelsVisible(bool visible) override;
    void SetTimeText(const std::string& text) override;
    void SetCountText(const std::string& text) override;
    void SetStartEnabled(bool enabled) override;
    void SetQuitEnabled(bool enabled) override;
    void SetWindowEnabled(bool enabled) override;
    void StartSecondTimer() override;
    void StopSecondTimer() override;
    void ShowMessage(const std::string& text) override;
    void ShowVersusResult() override;
    void HandOverSoloResult() override;

protected:
    // Asks "やめる？？"; on Yes the game is abandoned and the process ends.
    // Lets events run: the question's own event loop.
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The full screen item's mark follows the window, however it got there.
    void changeEvent(QEvent* event) override;

private:
    void BuildMenus();
    void ApplyTopMost(bool topMost);
    // Lets events run: the window the command opens.
    void Run(const std::function<void(MainWindow&)>& command);

    // While a card turns the window takes no mouse or keyboard input; unlike
    // disabling it, this leaves the menu bar and the texts looking as they were.
    bool inputBlocked_ = false;
    bool BelongsHere(QObject* object) const;

    GameState& game_;
    Commands commands_;
    TableWidget* table_ = nullptr;
    QTimer secondTimer_;
    QAction *startAction_ = nullptr, *quitAction_ = nullptr, *exitAction_ = nullptr;
    QAction *settingsAction_ = nullptr, *floatAction_ = nullptr, *soundAction_ = nullptr;
    QAction *helpAction_ = nullptr, *aboutAction_ = nullptr, *scoresAction_ = nullptr,
            *fullScreenAction_ = nullptr;
};
