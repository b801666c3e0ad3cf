// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the end of a game opens on the main window: a solitaire result goes to
// the top ten, a game against the computer gets its result window. Kept apart
// from the windows themselves, which know nothing of the main window or the
// program folder.
#pragma once

class MainWindow;
class QWidget;

// The end of a solitaire game: the result stamped with the date and time and
// completed with the game's time and turns, handed to the score table where the
// files live.
// Lets events run: the score window and its message boxes.
void HandOverSoloResult(MainWindow& window);
// The top ten without a new result, from where the files live.
// Lets events run: the score window and its message boxes.
void ShowScoreTable(QWidget* parent);
// The end of a game against the computer: hides the hand marker and shows the result
// window modally over the main window; returns when it has closed.
// Lets events run: the result window.
void ShowVersusResultWindow(MainWindow& window);
