// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The X server time a launcher's startup id carries: what lets the running
// game take the focus as the player's own request.
#include <gtest/gtest.h>

#include "ui/WindowActivation.h"

TEST(WindowActivation, TheTimeOfAStartupIdIsItsLastTimeField) {
    const struct {
        const char* id;
        uint32_t time;
    } cases[] = {
        {"xfce4-panel/|usr|bin|tomavel/1234-0-host_TIME5678", 5678},
        {"a_TIME12_TIME34", 34},
        {"", 0},
        {"launcher-1234", 0},
        {"launcher_TIME", 0},
        {"launcher_TIME12ab", 0},
        {"launcher_TIME99999999999", 0},  // beyond any X server time
    };
    for (const auto& c : cases) EXPECT_EQ(StartupIdTime(c.id), c.time) << c.id;
}

// The message that stops a launcher's busy cursor: an id with a blank, a quote
// or a backslash in it is quoted, so the launcher reads back the very id.
TEST(WindowActivation, TheStartIsCompletedByItsOwnId) {
    const struct {
        const char* id;
        const char* message;
    } cases[] = {
        {"xfce4-panel/|usr|bin|tomavel/1234-0-host_TIME5678",
         "remove: ID=xfce4-panel/|usr|bin|tomavel/1234-0-host_TIME5678"},
        {"a b", R"(remove: ID="a b")"},
        {R"(a"b\c)", R"(remove: ID="a\"b\\c")"},
    };
    for (const auto& c : cases) EXPECT_EQ(StartupRemoveMessage(c.id), c.message) << c.id;
}
