// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Giving a window the focus when the player asked for it from elsewhere: a
// later start of the game brings the running game's window forward. Desktops
// guard the focus against programs that take it unasked; the launcher's token
// (or, without one, the player's own act of starting the game) is the warrant.
#pragma once

#include <cstdint>
#include <string>

class QWidget;

// Activates a window that is already shown and raised, with the token a later
// start handed over (XDG_ACTIVATION_TOKEN on Wayland, DESKTOP_STARTUP_ID on
// X11; may be empty).
void ActivateAtPlayersRequest(QWidget& window, const std::string& launcherToken);

// The X server time an X11 startup id carries ("..._TIME<number>"); 0 (the
// server's current time) when it carries none.
uint32_t StartupIdTime(const std::string& startupId);

// The X11 startup-notification message that tells a launcher the start with
// this id is complete ("remove: ID=..."), the id quoted when it holds a blank,
// a quote or a backslash.
std::string StartupRemoveMessage(const std::string& startupId);
