// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The help command (the menu's ヘルプ and F1): the help text in the player's
// language, handed to the desktop's viewer in UTF-8, which every desktop reads.
#pragma once

class QWidget;

// A player in a translated language gets readme-<code>.txt (readme-de.txt ...),
// else the English readme-en.txt; Japanese players, and the others where no
// such help lies, the game's own readme.txt (CP932), through a UTF-8 copy
// (Places.h says where each is looked for). When there is no help text, no
// UTF-8 copy could be made, or no viewer starts, the player is told so over
// `parent`, and where the file is.
// Lets events run: a message box's own event loop, when the player is told something.
void ShowHelp(QWidget* parent);
