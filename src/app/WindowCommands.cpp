// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/WindowCommands.h"

#include "app/GameEnd.h"
#include "app/Help.h"
#include "app/Settings.h"
#include "app/Sound.h"
#include "ui/AboutBox.h"
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
    commands.mute = [](bool mute) { glNoSound = mute ? -1 : 0; };
    return commands;
}

void ApplySettingsChoice(const GameSettings& chosen, GameSettings& inForce, MainWindow& window) {
    ApplyChosenSettings(window.Game(), chosen);
    inForce.cursor = chosen.cursor;
    window.Table()->SetTableCursor(chosen.cursor);
}
