// The call-order rules and argument ranges, one row per call, and the last failure's code.
#include <gtest/gtest.h>

#include <functional>

#include "soundlib/Session.h"
#include "soundlib/fsound.h"

using soundlib::Session;

TEST(Session, EachCallBeforeAndAfterInit)
{
    const struct {
        const char* what;
        bool initialized;
        std::function<bool(Session&)> call;
        int error;  // FSOUND_ERR_NONE: the call succeeds
    } rows[] = {
        {"driver 0", false, [](Session& s) { return s.SelectDriver(0); }, FSOUND_ERR_NONE},
        {"driver 1", false, [](Session& s) { return s.SelectDriver(1); }, FSOUND_ERR_INVALID_PARAM},
        {"driver -1", false, [](Session& s) { return s.SelectDriver(-1); }, FSOUND_ERR_INVALID_PARAM},
        {"driver after init", true, [](Session& s) { return s.SelectDriver(0); }, FSOUND_ERR_BUSY},
        {"init 48000 Hz, 256", false, [](Session& s) { return s.CheckInitArguments(48000, 256); }, FSOUND_ERR_NONE},
        {"init 0 Hz", false, [](Session& s) { return s.CheckInitArguments(0, 32); }, FSOUND_ERR_INVALID_PARAM},
        {"init 1 MHz", false, [](Session& s) { return s.CheckInitArguments(1000000, 32); }, FSOUND_ERR_INVALID_PARAM},
        {"init 0 channels", false, [](Session& s) { return s.CheckInitArguments(44100, 0); }, FSOUND_ERR_INVALID_PARAM},
        {"init twice", true, [](Session& s) { return s.CheckInitArguments(44100, 32); }, FSOUND_ERR_BUSY},
        {"open before init", false, [](Session& s) { return s.CheckOpenArguments("a.mp3", 0, 0); },
         FSOUND_ERR_UNINITIALIZED},
        // The missing Init is reported first, even with bad arguments.
        {"bad open before init", false, [](Session& s) { return s.CheckOpenArguments(nullptr, -1, 0); },
         FSOUND_ERR_UNINITIALIZED},
        {"open", true, [](Session& s) { return s.CheckOpenArguments("a.mp3", 0, 0); }, FSOUND_ERR_NONE},
        {"open no name", true, [](Session& s) { return s.CheckOpenArguments(nullptr, 0, 0); },
         FSOUND_ERR_INVALID_PARAM},
        {"open empty name", true, [](Session& s) { return s.CheckOpenArguments("", 0, 0); }, FSOUND_ERR_INVALID_PARAM},
        {"open offset -1", true, [](Session& s) { return s.CheckOpenArguments("a", -1, 0); }, FSOUND_ERR_INVALID_PARAM},
        {"open length -5", true, [](Session& s) { return s.CheckOpenArguments("a", 0, -5); }, FSOUND_ERR_INVALID_PARAM},
        {"buffer 0 ms", false, [](Session& s) { return s.SetBufferMs(0); }, FSOUND_ERR_INVALID_PARAM},
        {"buffer 60001 ms", true, [](Session& s) { return s.SetBufferMs(60001); }, FSOUND_ERR_INVALID_PARAM},
    };
    for (const auto& row : rows) {
        Session session;
        if (row.initialized) session.Initialized(32);
        EXPECT_EQ(row.call(session), row.error == FSOUND_ERR_NONE) << row.what;
        EXPECT_EQ(session.LastError(), row.error) << row.what;
        EXPECT_EQ(session.BufferMs(), 1000) << row.what;
    }
}

TEST(Session, CloseReturnsToTheStartButKeepsTheLastFailure)
{
    Session session;
    ASSERT_TRUE(session.SetBufferMs(250));
    EXPECT_EQ(session.BufferMs(), 250);
    session.Initialized(32);
    session.Fail(FSOUND_ERR_FILE_NOTFOUND);
    EXPECT_TRUE(session.CheckOpenArguments("a.mp3", 0, 0)) << "a success does not hide the last failure";
    session.Closed();
    EXPECT_FALSE(session.IsInitialized());
    EXPECT_EQ(session.Channels(), 0);
    EXPECT_EQ(session.BufferMs(), 1000);
    EXPECT_EQ(session.LastError(), FSOUND_ERR_FILE_NOTFOUND);
    EXPECT_TRUE(session.SelectDriver(0));
}
