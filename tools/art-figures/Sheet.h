// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A contact sheet of every picture, each shown the way the game shows it.
#pragma once

#include <QImage>

namespace Art {
QImage ContactSheet();
}
