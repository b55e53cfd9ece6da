// Channel claims, and the position reported against the announced length.
#include <gtest/gtest.h>

#include "soundlib/ChannelTable.h"
#include "soundlib/PlayPosition.h"

using soundlib::ChannelTable;
using Claim = ChannelTable::Claim;

TEST(Channels, ClaimsAndReleases)
{
    ChannelTable table(32);
    int owners[33];
    for (int i = 0; i < 32; ++i) {
        int channel = -1;
        ASSERT_EQ(table.Take(-1, &owners[i], channel), Claim::Ok);
        EXPECT_EQ(channel, i) << "the lowest free one";
    }
    int channel = 7;
    EXPECT_EQ(table.Take(-1, &owners[32], channel), Claim::NoneFree);
    EXPECT_EQ(channel, -1);
    EXPECT_EQ(table.Owned(), 32);
    table.Release(&owners[3]);
    EXPECT_EQ(table.Take(-1, &owners[32], channel), Claim::Ok);
    EXPECT_EQ(channel, 3);
    EXPECT_EQ(table.Take(5, &owners[5], channel), Claim::Ok) << "the owner may ask again";
    EXPECT_EQ(table.Take(5, &owners[6], channel), Claim::Taken);
    EXPECT_EQ(table.Take(32, &owners[6], channel), Claim::OutOfRange);
    EXPECT_EQ(ChannelTable().Take(-1, &owners[0], channel), Claim::NoneFree) << "none before Init";
}

TEST(Channels, PositionHeldBelowTheLengthUntilTheEnd)
{
    const struct {
        unsigned long long played, length;
        bool finished;
        unsigned blockAlign;
        unsigned long long reported;
    } rows[] = {
        {0, 1000, false, 4, 0},     {996, 1000, false, 4, 996},
        // A decoder that delivers more than announced must not end the caller's wait early.
        {1000, 1000, false, 4, 996}, {5000, 1000, false, 2, 998},
        // The end is exactly the length, however much was delivered.
        {900, 1000, true, 4, 1000},  {1200, 1000, true, 4, 1000}, {0, 0, false, 4, 0}, {0, 0, true, 4, 0},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(soundlib::ReportedPosition(row.played, row.length, row.finished, row.blockAlign), row.reported)
            << row.played << " of " << row.length << (row.finished ? ", finished" : "");
    }
}
