// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The X server time a launcher's startup id carries: what lets the running
// game take the focus as the player's own request.
#include <gtest/gtest.h>

#include <string>

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

// The message that stops a launcher's busy cursor: an id with a blank, a quote,
// a backslash or a control character in it is quoted, so the launcher reads
// back the very id; every other byte goes as it came.
TEST(WindowActivation, TheStartIsCompletedByItsOwnId) {
    const struct {
        std::string id;
        std::string message;
    } cases[] = {
        {"xfce4-panel/|usr|bin|tomavel/1234-0-host_TIME5678",
         "remove: ID=xfce4-panel/|usr|bin|tomavel/1234-0-host_TIME5678"},
        {"a b", R"(remove: ID="a b")"},
        {R"(a"b\c)", R"(remove: ID="a\"b\\c")"},
        {"tab\there", "remove: ID=\"tab\there\""},
        {"line\nend", "remove: ID=\"line\nend\""},
        {"üñí_TIME11", "remove: ID=üñí_TIME11"},
        {"\xFF\xFE_TIME0", "remove: ID=\xFF\xFE_TIME0"},
        {std::string(600, 'x'), "remove: ID=" + std::string(600, 'x')},
    };
    for (const auto& c : cases) EXPECT_EQ(StartupRemoveMessage(c.id), c.message) << c.id;
}
