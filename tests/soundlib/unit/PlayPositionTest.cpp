// The reported position against the announced length.
#include <gtest/gtest.h>

#include "PlayPosition.h"

using soundlib::ReportedPosition;

TEST(PlayPosition, WhatWasPlayedWhileShort)
{
    EXPECT_EQ(ReportedPosition(0, 1000, false, 4), 0u);
    EXPECT_EQ(ReportedPosition(996, 1000, false, 4), 996u);
}

TEST(PlayPosition, HeldBelowTheLengthUntilTheEnd)
{
    // A decoder that delivers more than announced must not end the caller's wait early.
    EXPECT_EQ(ReportedPosition(1000, 1000, false, 4), 996u);
    EXPECT_EQ(ReportedPosition(5000, 1000, false, 2), 998u);
}

TEST(PlayPosition, TheEndIsExactlyTheLength)
{
    EXPECT_EQ(ReportedPosition(1000, 1000, true, 4), 1000u);
    // A decoder that delivered less than announced still ends at the length.
    EXPECT_EQ(ReportedPosition(900, 1000, true, 4), 1000u);
    EXPECT_EQ(ReportedPosition(1200, 1000, true, 4), 1000u);
}

TEST(PlayPosition, EmptySound)
{
    EXPECT_EQ(ReportedPosition(0, 0, false, 4), 0u);
    EXPECT_EQ(ReportedPosition(0, 0, true, 4), 0u);
}
