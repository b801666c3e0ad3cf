// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/WindowCommands.h"

#include <QCoreApplication>
#include <utility>

#include "app/GameEnd.h"
#include "app/Help.h"
#include "app/Settings.h"
#include "app/Sound.h"
#include "ui/AboutBox.h"
#include "ui/MessageBoxes.h"
#include "ui/SettingsDialog.h"
#include "ui/TableWidget.h"

MainWindow::Commands WindowCommands(GameSettings& inForce) {
    MainWindow::Commands commands;
    commands.settings = [&inForce](MainWindow& window) {
        SettingsDialog dialog(
            SettingsInForce(window.Game(), inForce), window.Game().phase == GamePhase::Idle,
            [] { PlaySoundFile("beep.wav", 1); }, &window);
        if (dialog.exec() == QDialog::Accepted)
            ApplySettingsChoice(dialog.Chosen(), inForce, window);
    };
    commands.about = [](MainWindow& window) {
        AboutBox about(&window);
        about.exec();
    };
    commands.versusResult = [](MainWindow& window) { ShowVersusResultWindow(window); };
    commands.soloResult = [](MainWindow& window) { HandOverSoloResult(window); };
    commands.help = [](MainWindow& window) { ShowHelp(&window); };
    commands.scores = [](MainWindow& window) { ShowScoreTable(&window); };
    commands.switched = [&inForce](MainWindow& window) {
        inForce.topMost = window.TopMostChecked();
        inForce.mute = window.NoSoundChecked();
        if (!inForce.keepForNextStart) return;
        QString error;
        if (!WriteIniKeys("PLAYBOARD",
                          {{"TOPWIN", inForce.topMost ? "TRUE" : "FALSE"},
                           {"NOSOUND", inForce.mute ? "TRUE" : "FALSE"}},
                          &error))
            TellSettingsNotKept(&window, error);
    };
    commands.mute = [](bool mute) { glNoSound = mute ? -1 : 0; };
    return commands;
}

void ApplySettingsChoice(const GameSettings& chosen, GameSettings& inForce, MainWindow& window) {
    ApplyChosenSettings(window.Game(), chosen);
    inForce.cursor = chosen.cursor;
    window.Table()->SetTableCursor(chosen.cursor);

    // Written back only when the player asked for it, or to say they no longer do.
    const bool wasKept = std::exchange(inForce.keepForNextStart, chosen.keepForNextStart);
    if (!chosen.keepForNextStart && !wasKept) return;
    // The settings as they now stand: during a game, its seats and mode.
    GameSettings kept = SettingsInForce(window.Game(), inForce);
    kept.topMost = window.TopMostChecked();
    kept.mute = window.NoSoundChecked();
    QString error;
    const bool written = chosen.keepForNextStart
                             ? WriteIniKeys("PLAYBOARD", KeysForNextStart(kept), &error)
                             : WriteIniKeys("PLAYBOARD", {{"SAVESET", "FALSE"}}, &error);
    if (!written) TellSettingsNotKept(&window, error);
}

void TellSettingsNotKept(QWidget* parent, const QString& reason) {
    MessageBoxes::Inform(parent, QCoreApplication::translate(
                                     "Settings",
                                     "設定をファイルに保存できませんでした。\n%1\n\n"
                                     "今の設定はこのまま使えますが、次回の起動には残りません。")
                                     .arg(reason));
}
