// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The drawing code of each picture; each draws into a transparent image of its size.
#pragma once

#include <QPainter>
#include <QString>

namespace Art {

// Characters, 71 x 96.
void DrawYou(QPainter& p);
void DrawSwallow(QPainter& p);
void DrawWolf(QPainter& p);
void DrawTiger(QPainter& p);
void DrawNotEntry(QPainter& p);
void DrawEmptySeat(QPainter& p);  // the same sign in English

// Banners and the title lettering.
void DrawByeBye(QPainter& p);
void DrawPlayStart(QPainter& p);
void DrawTitleBanner(QPainter& p);
void DrawPause(QPainter& p);
void DrawPlayerWins(QPainter& p, int player);
void DrawTitleLettering(QPainter& p);

// Rank faces 0 (1st) .. 3 (4th), 32 x 32.
void DrawRankFace(QPainter& p, int rank);

// Cursors 0..3, 32 x 32.
void DrawBigHand(QPainter& p);
void DrawClaw(QPainter& p);
void DrawBear(QPainter& p);
void DrawLinkHand(QPainter& p);

// The program icon, `size` pixels square: two overlapping blue playing cards, drawn on a
// 32-unit grid and simplified at the smallest sizes.
void DrawIcon(QPainter& p, int size);

}  // namespace Art
