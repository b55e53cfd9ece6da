// With no output device at all: Init fails with code 3 and nothing opens.
#include "Playing.h"

#include <mmsystem.h>

#include "support/SoundBytes.h"

TEST(NoDevice, InitFailsWithCodeThreeAndStreamsDoNotOpen)
{
    ASSERT_EQ(::waveOutGetNumDevs(), 0u) << "this test needs an environment without sound devices";
    EXPECT_TRUE(FSOUND_SetDriver(0));
    EXPECT_FALSE(FSOUND_Init(44100, 32, 0));
    EXPECT_EQ(FSOUND_GetError(), FSOUND_ERR_INIT);
    EXPECT_TRUE(FSOUND_Stream_SetBufferSize(1000));
    EXPECT_EQ(FSOUND_Stream_Open(SoundDataPath("tone-16bit-mono.wav").c_str(), kInstallerMode, 0, 0), nullptr);
    EXPECT_EQ(FSOUND_GetError(), FSOUND_ERR_UNINITIALIZED);
    FSOUND_Close();
    FSOUND_Close();
    EXPECT_TRUE(FSOUND_SetDriver(0));
    EXPECT_FALSE(FSOUND_Init(44100, 32, 0));
    EXPECT_EQ(FSOUND_GetError(), FSOUND_ERR_INIT);
    FSOUND_Close();
}
