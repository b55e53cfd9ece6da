// Channel claims: any free one, a chosen one, and running out.
#include <gtest/gtest.h>

#include "ChannelTable.h"

using soundlib::ChannelTable;
using Claim = ChannelTable::Claim;

TEST(ChannelTable, AnyFreeTakesTheLowest)
{
    ChannelTable table(3);
    int a = 0, b = 0, c = 0;
    EXPECT_EQ(table.Take(-1, &a, a), Claim::Ok);
    EXPECT_EQ(table.Take(-1, &b, b), Claim::Ok);
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, 1);
    table.Release(&a);
    EXPECT_EQ(table.Take(-1, &c, c), Claim::Ok);
    EXPECT_EQ(c, 0);
}

TEST(ChannelTable, ThirtyTwoPlayAndTheNextOneFails)
{
    ChannelTable table(32);
    int owners[33];
    for (int i = 0; i < 32; ++i) {
        int channel = -1;
        ASSERT_EQ(table.Take(-1, &owners[i], channel), Claim::Ok);
        EXPECT_EQ(channel, i);
    }
    int channel = 7;
    EXPECT_EQ(table.Take(-1, &owners[32], channel), Claim::NoneFree);
    EXPECT_EQ(channel, -1);
    EXPECT_EQ(table.Owned(), 32);
}

TEST(ChannelTable, ChosenChannels)
{
    ChannelTable table(4);
    int a = 0, b = 0, channel = -1;
    EXPECT_EQ(table.Take(2, &a, channel), Claim::Ok);
    EXPECT_EQ(channel, 2);
    EXPECT_EQ(table.Take(2, &b, channel), Claim::Taken);
    EXPECT_EQ(table.Take(2, &a, channel), Claim::Ok);  // the owner itself may ask again
    EXPECT_EQ(table.Take(4, &b, channel), Claim::OutOfRange);
    EXPECT_EQ(table.Take(-1, &b, channel), Claim::Ok);
    EXPECT_EQ(channel, 0);
}

TEST(ChannelTable, NoChannelsBeforeInit)
{
    ChannelTable table;
    int a = 0, channel = 0;
    EXPECT_EQ(table.Take(-1, &a, channel), Claim::NoneFree);
    EXPECT_EQ(table.Take(0, &a, channel), Claim::OutOfRange);
}
