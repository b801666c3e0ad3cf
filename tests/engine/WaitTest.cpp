// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "support/EngineFixture.h"

using WaitWithEventsTest = EngineFixture;

TEST_F(WaitWithEventsTest, ProcessesEventsAtLeastOnceEvenForNoTime) {
    for (int ms : {0, -5}) {
        const int before = host.eventPasses;
        const uint32_t start = host.Now();
        WaitWithEvents(ms);
        EXPECT_GE(host.eventPasses, before + 1);
        EXPECT_EQ(host.Now(), start);
    }
}

TEST_F(WaitWithEventsTest, ReturnsWhenTheTimeHasPassedAndRunsHandlersInside) {
    const uint32_t start = host.Now();
    std::vector<uint32_t> ran;
    host.At(start + 3, [&] { ran.push_back(host.Now()); });
    host.At(start + 7, [&] { ran.push_back(host.Now()); });
    host.At(start + 40, [&] { ran.push_back(host.Now()); });
    WaitWithEvents(10);
    EXPECT_EQ(host.Now(), start + 10);
    EXPECT_EQ(ran, (std::vector<uint32_t>{start + 3, start + 7}));
}

TEST_F(WaitWithEventsTest, SurvivesTheTickCounterWrapping) {
    host.SetNow(0xFFFFFFF0u);
    WaitWithEvents(40);
    EXPECT_EQ(host.Now(), 0x18u);
}
