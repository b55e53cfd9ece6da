// The library and the music player when memory runs out inside Play, and when the output device refuses.
#include "dll/Playing.h"

#include "faults/PlatformFaults.h"
#include "music/MusicPlayer.h"
#include "support/SoundBytes.h"
#include "support/TempFolder.h"

using Faults = LibraryTest;

TEST_F(Faults, PlayWithoutMemoryKeepsNoChannel)
{
    ASSERT_TRUE(InitLikeTheInstaller());
    for (const char* name : {"tone-mono-22050.mp3", "tone-16bit-mono.wav", "tone-mono.ogg"}) {
        FSOUND_STREAM* stream = FSOUND_Stream_Open(SoundDataPath(name).c_str(), kInstallerMode, 0, 0);
        ASSERT_NE(stream, nullptr) << name;
        // Played once, so that the next Play starts it over (a fresh codec for MP3).
        ASSERT_TRUE(PlayToEnd(stream).reachedEnd) << name;
        // More failures than there are channels, then one at each allocation of Play in turn.
        int channel = -1;
        for (long tries = 0, allowed = 0; channel < 0 && tries < 200; ++tries) {
            if (tries >= 40) ++allowed;
            g_allocationsLeft = allowed;
            channel = FSOUND_Stream_Play(FSOUND_FREE, stream);
            g_allocationsLeft = -1;
            if (channel < 0) {
                ASSERT_EQ(FSOUND_GetError(), FSOUND_ERR_MEMORY) << name << ", allocation " << allowed;
            }
        }
        EXPECT_EQ(channel, 0) << name;
        EXPECT_LT(FSOUND_Stream_GetPosition(stream), static_cast<unsigned>(FSOUND_Stream_GetLength(stream)))
            << name << " did not start over";
        EXPECT_TRUE(PlayToEnd(stream).reachedEnd) << name;
        EXPECT_TRUE(FSOUND_Stream_Close(stream));
    }
}

TEST(FaultsPlayer, StopsAskingADeviceThatRefusesTheSound)
{
    TempFolder dir;
    dir.Write("backgrnd.snd", PcmWav(1, 22050, 16, std::string(88200, '\x10')));
    CMusicPlayer player;
    ASSERT_EQ(player.LastError(), "");
    g_refuseDevice = true;
    const int before = g_deviceOpens;
    ASSERT_TRUE(player.Play((dir / "backgrnd.snd").c_str()));
    ::Sleep(600);  // a dozen of the worker's pauses
    EXPECT_EQ(g_deviceOpens - before, 1);
    EXPECT_EQ(player.LastError(),
              "Soundcard does not support the features needed for this soundsystem (16bit stereo output)");
    g_refuseDevice = false;
}
