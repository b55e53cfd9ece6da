// CMusicPlayer with the real sound library: into a file-backed output, and with no output at all.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "music/MusicPlayer.h"
#include "support/HostPath.h"
#include "support/TempFolder.h"

TEST(Music, PlaysIntoTheOutputAndStopsWhenDestroyed)
{
    TempFolder dir;
    dir.Write("backgrnd.snd", SilentWav(20.0));
    {
        CMusicPlayer player;
        EXPECT_TRUE(g_bSoundInit);
        EXPECT_EQ(player.LastError(), "");
        ASSERT_TRUE(player.Play((dir / "backgrnd.snd").c_str()));
        EXPECT_TRUE(SinkGrowsWithin(5000)) << "no samples reached the output";
    }
    EXPECT_FALSE(g_bSoundInit);
    ::Sleep(200);  // what the device had queued drains
    EXPECT_FALSE(SinkGrowsWithin(700)) << "samples still arrive after the player was destroyed";
    // The library is closed: a stream can no longer be opened.
    EXPECT_EQ(FSOUND_Stream_Open((dir / "backgrnd.snd").c_str(), FSOUND_16BITS | FSOUND_MONO | FSOUND_SIGNED | FSOUND_MPEGACCURATE, 0, 0),
              nullptr);
    EXPECT_EQ(FSOUND_GetError(), FSOUND_ERR_UNINITIALIZED);
}

TEST(Music, UnreadableFileIsReportedOnlyInsideThePlayer)
{
    TempFolder dir;
    dir.Write("backgrnd.snd", "this is no music\r\n");
    CMusicPlayer player;
    EXPECT_FALSE(player.Play((dir / "backgrnd.snd").c_str()));
    EXPECT_EQ(player.LastError(), "Unknown file format");
}

TEST(Music, WithoutMusicNothingWaits)
{
    const DWORD start = ::GetTickCount();
    { CMusicPlayer player; }
    EXPECT_FALSE(g_bSoundInit);
    EXPECT_LT(::GetTickCount() - start, 1000u);
}

TEST(MusicNoDevice, RunsSilently)
{
    TempFolder dir;
    dir.Write("backgrnd.snd", SilentWav(1.0));
    {
        CMusicPlayer player;
        EXPECT_EQ(player.LastError(), "Error initializing output device.");
        EXPECT_TRUE(g_bSoundInit);
        EXPECT_FALSE(player.Play((dir / "backgrnd.snd").c_str()));
        EXPECT_NE(player.LastError(), "");
    }
    EXPECT_FALSE(g_bSoundInit);
}
