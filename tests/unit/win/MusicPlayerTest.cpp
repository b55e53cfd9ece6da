// CMusicPlayer with the real sound library, with an output device and without one. That the music
// reaches the output and stops with the window is checked on the real program (tests/gui/MusicTest.cpp).
#include <gtest/gtest.h>

#include "music/MusicPlayer.h"
#include "tests/support/TempFolder.h"

TEST(Music, SetsUpWithoutErrorAndClosesTheLibraryWithoutWaiting)
{
    const DWORD start = ::GetTickCount();
    {
        CMusicPlayer player;
        EXPECT_TRUE(g_bSoundInit);
        EXPECT_EQ(player.LastError(), "");
    }
    EXPECT_FALSE(g_bSoundInit);
    EXPECT_LT(::GetTickCount() - start, 1000u);
    // The library is closed: a stream can no longer be opened.
    const unsigned mode = FSOUND_16BITS | FSOUND_MONO | FSOUND_SIGNED | FSOUND_MPEGACCURATE;
    EXPECT_EQ(FSOUND_Stream_Open("backgrnd.snd", mode, 0, 0), nullptr);
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

// Wine's audio drivers switched off: Init fails with code 3, and the library refuses streams until
// a later Init succeeds, before it looks for the file.
TEST(MusicNoDevice, RunsSilently)
{
    {
        CMusicPlayer player;
        EXPECT_EQ(player.LastError(), "Error initializing output device.");
        EXPECT_TRUE(g_bSoundInit);
        EXPECT_FALSE(player.Play("backgrnd.snd"));
        EXPECT_EQ(player.LastError(), "This command failed because FSOUND_Init was not called");
    }
    EXPECT_FALSE(g_bSoundInit);
}
