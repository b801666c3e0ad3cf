// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The one place where the game talks to the player in message boxes, all
// titled "トマベル". Tests replace the boxes with scripted answers.
//
// A box is centred on its parent's window. A parent whose window is not on screen
// yet (a window still loading, which tells its news before it shows) hands the box
// on to the nearest window above it that is, so no box opens in a corner of the
// screen, away from the game; with none on screen, the box is centred on the screen.
#pragma once

#include <QString>
#include <functional>

class QTranslator;
class QWidget;

namespace MessageBoxes {
// OK box.
// Lets events run: the box's own event loop, until it is answered.
void Inform(QWidget* parent, const QString& text);
// Yes/No box; true for Yes.
// Lets events run: the box's own event loop, until it is answered.
bool AskYesNo(QWidget* parent, const QString& text);
// Retry box: the standard Retry button and a button `giveUp` that goes on without
// what failed; true for Retry. Esc and the close box do not answer: the player
// chooses one of the two.
bool AskRetry(QWidget* parent, const QString& text, const QString& giveUp);

// Test hooks: while set, no box is shown and the hook answers instead.
void SetInformHook(std::function<void(const QString&)> hook);
void SetAskHook(std::function<bool(const QString&)> hook);
void SetRetryHook(std::function<bool(const QString&)> hook);

// Qt's own words (the standard buttons はい, いいえ, OK, キャンセル, the edit menus)
// in the game's language ("ja", "de", "pt_BR" ...), whatever language the desktop
// speaks. Reads qtbase_<language> from `folder` (Qt's translations folder when
// empty; Debian's qt6-translations-l10n) and returns the translator it installed;
// nothing when the file is not there, and Qt's English stays.
QTranslator* InstallQtTexts(const QString& language, const QString& folder = QString());
}  // namespace MessageBoxes
