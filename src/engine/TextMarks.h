// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every text a player reads is written in Japanese, the game's own language,
// and marked where it stands, so that Qt's translation tools (lupdate) find it.
// The engine and the opponents link no Qt: they keep their texts as they are
// and the windows translate them when they show them, in the context named by
// the mark. The mark is spelt exactly as Qt spells it, so a file that also sees
// Qt's own definition compiles without a warning.
#pragma once

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
