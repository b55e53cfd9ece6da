// Call-order rules and the last failure's code.
#include <gtest/gtest.h>

#include "Session.h"
#include "fsound.h"

using soundlib::Session;

TEST(Session, StartsUninitializedWithoutError)
{
    Session session;
    EXPECT_FALSE(session.IsInitialized());
    EXPECT_EQ(session.LastError(), FSOUND_ERR_NONE);
    EXPECT_EQ(session.BufferMs(), 1000);
}

TEST(Session, OnlyDriverZeroExists)
{
    Session session;
    EXPECT_TRUE(session.SelectDriver(0));
    EXPECT_FALSE(session.SelectDriver(1));
    EXPECT_EQ(session.LastError(), FSOUND_ERR_INVALID_PARAM);
    EXPECT_FALSE(session.SelectDriver(-1));
}

TEST(Session, DriverAndInitAreRefusedAfterInit)
{
    Session session;
    ASSERT_TRUE(session.CheckInitArguments(44100, 32));
    session.Initialized(32);
    EXPECT_FALSE(session.SelectDriver(0));
    EXPECT_EQ(session.LastError(), FSOUND_ERR_BUSY);
    session.Fail(FSOUND_ERR_NONE);
    EXPECT_FALSE(session.CheckInitArguments(44100, 32));
    EXPECT_EQ(session.LastError(), FSOUND_ERR_BUSY);
}

TEST(Session, InitArguments)
{
    Session session;
    EXPECT_FALSE(session.CheckInitArguments(0, 32));
    EXPECT_EQ(session.LastError(), FSOUND_ERR_INVALID_PARAM);
    EXPECT_FALSE(session.CheckInitArguments(44100, 0));
    EXPECT_FALSE(session.CheckInitArguments(1000000, 32));
    EXPECT_TRUE(session.CheckInitArguments(8000, 1));
    EXPECT_TRUE(session.CheckInitArguments(48000, 256));
}

TEST(Session, OpenNeedsInit)
{
    Session session;
    EXPECT_FALSE(session.CheckOpenArguments("music.mp3", 0, 0));
    EXPECT_EQ(session.LastError(), FSOUND_ERR_UNINITIALIZED);
    // The missing Init is the first thing reported, even with bad arguments.
    EXPECT_FALSE(session.CheckOpenArguments(nullptr, -1, 0));
    EXPECT_EQ(session.LastError(), FSOUND_ERR_UNINITIALIZED);
    session.Initialized(32);
    EXPECT_TRUE(session.CheckOpenArguments("music.mp3", 0, 0));
    EXPECT_FALSE(session.CheckOpenArguments(nullptr, 0, 0));
    EXPECT_EQ(session.LastError(), FSOUND_ERR_INVALID_PARAM);
    EXPECT_FALSE(session.CheckOpenArguments("", 0, 0));
    EXPECT_FALSE(session.CheckOpenArguments("music.mp3", -1, 0));
    EXPECT_FALSE(session.CheckOpenArguments("music.mp3", 0, -5));
}

TEST(Session, BufferSize)
{
    Session session;
    EXPECT_TRUE(session.SetBufferMs(250));
    EXPECT_EQ(session.BufferMs(), 250);
    EXPECT_FALSE(session.SetBufferMs(0));
    EXPECT_EQ(session.LastError(), FSOUND_ERR_INVALID_PARAM);
    EXPECT_FALSE(session.SetBufferMs(-100));
    EXPECT_FALSE(session.SetBufferMs(60001));
    EXPECT_EQ(session.BufferMs(), 250);
}

TEST(Session, ASuccessDoesNotHideTheLastFailure)
{
    Session session;
    EXPECT_FALSE(session.SetBufferMs(0));
    EXPECT_TRUE(session.SetBufferMs(1000));
    EXPECT_EQ(session.LastError(), FSOUND_ERR_INVALID_PARAM);
}

TEST(Session, CloseReturnsToTheStartButKeepsTheLastFailure)
{
    Session session;
    session.SetBufferMs(500);
    session.Initialized(32);
    session.Fail(FSOUND_ERR_FILE_NOTFOUND);
    session.Closed();
    EXPECT_FALSE(session.IsInitialized());
    EXPECT_EQ(session.Channels(), 0);
    EXPECT_EQ(session.BufferMs(), 1000);
    EXPECT_EQ(session.LastError(), FSOUND_ERR_FILE_NOTFOUND);
    EXPECT_TRUE(session.SelectDriver(0));
}
