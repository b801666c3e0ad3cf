// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's window comes back as the player left it: its size, its place on
// the screen and whether it was maximised or full screen, kept from one run to
// the next in a file of its own (WindowStateFilePath(), app/Places.h), apart
// from the settings file, which the game never writes back.
#pragma once

#include <QByteArray>
#include <string>

class QWidget;

// Whether `bytes` are a window's place as the game saves it: whole, nothing
// after it, every rectangle a size a screen could hold. What another program or
// a damaged disk left there is not.
bool IsWindowPlace(const QByteArray& bytes);

// Puts the window back as the file at `path` says. A file that is missing, too
// large, damaged or not the game's own is passed over: the window stays as it
// is, and the file is replaced at the next save. True when the window was put back.
bool RestoreWindowPlace(QWidget& window, const std::string& path);

// Saves the window's size, place and state into the file at `path`, making its
// folder when missing; safely, so that a save cut short leaves the old file.
// True when it was saved.
bool SaveWindowPlace(const QWidget& window, const std::string& path);
