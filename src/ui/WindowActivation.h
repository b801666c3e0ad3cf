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

// What the launcher of a start handed it so that its window may take the focus,
// each empty when there is none: the Wayland activation token
// (XDG_ACTIVATION_TOKEN) and the X11 startup id (DESKTOP_STARTUP_ID). A launcher
// may set either or both; one does not stand in for the other, except that a
// Wayland desktop takes the startup id where there is no token.
struct LaunchTokens {
    std::string activationToken;
    std::string startupId;
    bool operator==(const LaunchTokens&) const = default;
};

// Activates a window that is already shown and raised, with what a later start
// handed over. On X11 the later start's launcher is told that its start is complete.
void ActivateAtPlayersRequest(QWidget& window, const LaunchTokens& tokens);

// The X server time an X11 startup id carries ("..._TIME<number>"); 0 (the
// server's current time) when it carries none.
uint32_t StartupIdTime(const std::string& startupId);

// The X11 startup-notification message that tells a launcher the start with
// this id is complete ("remove: ID=..."). The id goes as it came, any bytes; it
// is quoted when it holds a blank, a quote, a backslash or a control character,
// with a backslash before each quote and backslash in it, so that the launcher
// reads back the very id.
std::string StartupRemoveMessage(const std::string& startupId);
