// Error codes and lengths through the real DLL: the installer's calls, bad files, bad handles, channels.
#include "Playing.h"

#include <vector>

#include "support/SoundBytes.h"
#include "support/TempFolder.h"
#include "support/TestData.h"

using Errors = LibraryTest;

TEST_F(Errors, OpenBeforeInitFailsWithCodeTwo)
{
    EXPECT_EQ(FSOUND_Stream_Open(DataPath("tone-16bit-mono.wav").c_str(), kInstallerMode, 0, 0), nullptr);
    EXPECT_EQ(FSOUND_GetError(), FSOUND_ERR_UNINITIALIZED);
    EXPECT_EQ(FSOUND_Stream_Play(FSOUND_FREE, nullptr), -1);
    EXPECT_EQ(FSOUND_GetError(), FSOUND_ERR_UNINITIALIZED);
}

TEST_F(Errors, TheInstallersStartSucceeds)
{
    ASSERT_TRUE(InitLikeTheInstaller()) << FSOUND_GetError();
}

TEST_F(Errors, DriverAndInitOnlyBeforeInit)
{
    EXPECT_FALSE(FSOUND_SetDriver(3));
    EXPECT_EQ(FSOUND_GetError(), FSOUND_ERR_INVALID_PARAM);
    ASSERT_TRUE(InitLikeTheInstaller());
    EXPECT_FALSE(FSOUND_SetDriver(0));
    EXPECT_EQ(FSOUND_GetError(), FSOUND_ERR_BUSY);
    EXPECT_FALSE(FSOUND_Init(44100, 32, 0));
    EXPECT_EQ(FSOUND_GetError(), FSOUND_ERR_BUSY);
    FSOUND_Close();
    EXPECT_TRUE(FSOUND_SetDriver(0));
    EXPECT_TRUE(FSOUND_Init(22050, 8, 0));
}

TEST_F(Errors, InvalidArguments)
{
    EXPECT_FALSE(FSOUND_Init(0, 32, 0));
    EXPECT_EQ(FSOUND_GetError(), FSOUND_ERR_INVALID_PARAM);
    EXPECT_FALSE(FSOUND_Init(44100, 0, 0));
    EXPECT_EQ(FSOUND_GetError(), FSOUND_ERR_INVALID_PARAM);
    EXPECT_FALSE(FSOUND_Stream_SetBufferSize(0));
    EXPECT_EQ(FSOUND_GetError(), FSOUND_ERR_INVALID_PARAM);
    ASSERT_TRUE(InitLikeTheInstaller());
    EXPECT_EQ(FSOUND_Stream_Open(nullptr, kInstallerMode, 0, 0), nullptr);
    EXPECT_EQ(FSOUND_GetError(), FSOUND_ERR_INVALID_PARAM);
    EXPECT_EQ(FSOUND_Stream_Open(DataPath("tone-16bit-mono.wav").c_str(), kInstallerMode, -1, 0), nullptr);
    EXPECT_EQ(FSOUND_GetError(), FSOUND_ERR_INVALID_PARAM);
}

TEST_F(Errors, UnknownStreamHandles)
{
    ASSERT_TRUE(InitLikeTheInstaller());
    FSOUND_STREAM* bogus = reinterpret_cast<FSOUND_STREAM*>(0x1234);
    EXPECT_EQ(FSOUND_Stream_GetLength(nullptr), 0);
    EXPECT_EQ(FSOUND_GetError(), FSOUND_ERR_INVALID_PARAM);
    EXPECT_EQ(FSOUND_Stream_GetPosition(bogus), 0u);
    EXPECT_EQ(FSOUND_Stream_Play(FSOUND_FREE, bogus), -1);
    EXPECT_FALSE(FSOUND_Stream_Close(bogus));
    EXPECT_EQ(FSOUND_GetError(), FSOUND_ERR_INVALID_PARAM);
}

TEST_F(Errors, MissingFilesAreCodeNine)
{
    ASSERT_TRUE(InitLikeTheInstaller());
    TempFolder folder;
    EXPECT_EQ(FSOUND_Stream_Open((folder / "missing.mp3").c_str(), kInstallerMode, 0, 0), nullptr);
    EXPECT_EQ(FSOUND_GetError(), FSOUND_ERR_FILE_NOTFOUND);
    EXPECT_EQ(FSOUND_Stream_Open((folder / "no folder\\music.mp3").c_str(), kInstallerMode, 0, 0), nullptr);
    EXPECT_EQ(FSOUND_GetError(), FSOUND_ERR_FILE_NOTFOUND);
}

TEST_F(Errors, FilesThatAreNoSoundAreCodeTen)
{
    ASSERT_TRUE(InitLikeTheInstaller());
    TempFolder folder;
    folder.Write("readme.txt", "VELAN installer\r\nThis is not music.\r\n");
    folder.Write("empty.mp3", "");
    folder.Write("noise.mp3", std::string(30000, '\xFF'));
    folder.Write("ulaw.wav", ReadDataFile("tone-16bit-mono.wav").replace(20, 2, "\x07\x00", 2));
    // Sample rates outside what WAV accepts: four buffers of 100 MB each, or sizes that wrap in 32 bits.
    const std::string ogg = ReadDataFile("tone-mono.ogg");
    const std::size_t oggRate = 40;  // in the identification header on the first page
    folder.Write("100MHz.ogg", std::string(ogg).replace(oggRate, 4, Le32(100000000)));
    folder.Write("2^30Hz.ogg", std::string(ogg).replace(oggRate, 4, Le32(1u << 30)));
    folder.Write("999Hz.ogg", std::string(ogg).replace(oggRate, 4, Le32(999)));
    // 262145 comments claimed in a packet that holds one (the fuzz seed comment-count-past-packet.ogg):
    // stb_vorbis, left to read them, allocates by bytes past the packet and frees slots it never filled.
    const std::size_t oggCommentCount = 162;  // after the 52-byte vendor string in the comment header
    folder.Write("comments.ogg", std::string(ogg).replace(oggCommentCount, 4, Le32(262145)));
    for (const char* name : {"readme.txt", "empty.mp3", "noise.mp3", "ulaw.wav", "100MHz.ogg", "2^30Hz.ogg", "999Hz.ogg",
                             "comments.ogg"}) {
        EXPECT_EQ(FSOUND_Stream_Open((folder / name).c_str(), kInstallerMode, 0, 0), nullptr) << name;
        EXPECT_EQ(FSOUND_GetError(), FSOUND_ERR_FILE_FORMAT) << name;
    }
}

TEST_F(Errors, TruncatedWavIsCodeEleven)
{
    ASSERT_TRUE(InitLikeTheInstaller());
    TempFolder folder;
    folder.Write("cut.wav", ReadDataFile("tone-16bit-mono.wav").substr(0, 1000));
    EXPECT_EQ(FSOUND_Stream_Open((folder / "cut.wav").c_str(), kInstallerMode, 0, 0), nullptr);
    EXPECT_EQ(FSOUND_GetError(), FSOUND_ERR_FILE_BAD);
}

TEST_F(Errors, LengthsInBytesOfSixteenBitPcm)
{
    ASSERT_TRUE(InitLikeTheInstaller());
    const struct {
        const char* name;
        int length;
    } files[] = {
        {"tone-16bit-mono.wav", 22050},    // 11025 samples
        {"tone-8bit-stereo.wav", 22048},   // 5512 frames widened to 16 bits
        {"tone-stereo-44100.mp3", 41 * 1152 * 4},
        {"tone-mono-22050.mp3", 22 * 576 * 2},
        {"tone-mono.ogg", 22050},
    };
    for (const auto& file : files) {
        FSOUND_STREAM* stream = FSOUND_Stream_Open(DataPath(file.name).c_str(), kInstallerMode, 0, 0);
        ASSERT_NE(stream, nullptr) << file.name << " " << FSOUND_GetError();
        EXPECT_EQ(FSOUND_Stream_GetLength(stream), file.length) << file.name;
        EXPECT_EQ(FSOUND_Stream_GetPosition(stream), 0u);
        EXPECT_TRUE(FSOUND_Stream_Close(stream));
    }
}

TEST_F(Errors, ContentDecidesNotTheExtension)
{
    ASSERT_TRUE(InitLikeTheInstaller());
    TempFolder folder;
    folder.Write("music.wav", ReadDataFile("tone-stereo-44100.mp3"));
    folder.Write("music.ogg", ReadDataFile("tone-16bit-mono.wav"));
    folder.Write("music", ReadDataFile("tone-mono.ogg"));
    const struct {
        const char* name;
        int length;
    } files[] = {{"music.wav", 41 * 1152 * 4}, {"music.ogg", 22050}, {"music", 22050}};
    for (const auto& file : files) {
        FSOUND_STREAM* stream = FSOUND_Stream_Open((folder / file.name).c_str(), kInstallerMode, 0, 0);
        ASSERT_NE(stream, nullptr) << file.name;
        EXPECT_EQ(FSOUND_Stream_GetLength(stream), file.length) << file.name;
        FSOUND_Stream_Close(stream);
    }
}

TEST_F(Errors, OffsetAndLengthSelectASoundInsideAFile)
{
    ASSERT_TRUE(InitLikeTheInstaller());
    TempFolder folder;
    const std::string wav = ReadDataFile("tone-16bit-mono.wav");
    const std::string mp3 = ReadDataFile("tone-mono-22050.mp3");
    folder.Write("bundle.dat", std::string(100, 'x') + wav + mp3 + std::string(50, 'y'));
    const std::string bundle = folder / "bundle.dat";
    FSOUND_STREAM* first = FSOUND_Stream_Open(bundle.c_str(), kInstallerMode, 100, static_cast<int>(wav.size()));
    ASSERT_NE(first, nullptr) << FSOUND_GetError();
    EXPECT_EQ(FSOUND_Stream_GetLength(first), 22050);
    FSOUND_STREAM* second =
        FSOUND_Stream_Open(bundle.c_str(), kInstallerMode, static_cast<int>(100 + wav.size()), static_cast<int>(mp3.size()));
    ASSERT_NE(second, nullptr) << FSOUND_GetError();
    EXPECT_EQ(FSOUND_Stream_GetLength(second), 22 * 576 * 2);
}

TEST_F(Errors, ThirtyThirdStreamFindsNoChannel)
{
    ASSERT_TRUE(InitLikeTheInstaller());
    // Long enough that none of them ends while the others start (the sink plays faster than real time).
    TempFolder folder;
    folder.Write("long.wav", ToneWav(1, 8000, 20.0, 441.0));
    std::vector<FSOUND_STREAM*> streams;
    for (int i = 0; i < 33; ++i) {
        streams.push_back(FSOUND_Stream_Open((folder / "long.wav").c_str(), kInstallerMode, 0, 0));
        ASSERT_NE(streams.back(), nullptr);
    }
    for (int i = 0; i < 32; ++i) EXPECT_EQ(FSOUND_Stream_Play(FSOUND_FREE, streams[i]), i) << FSOUND_GetError();
    EXPECT_EQ(FSOUND_Stream_Play(FSOUND_FREE, streams[32]), -1);
    EXPECT_EQ(FSOUND_GetError(), FSOUND_ERR_CHANNEL_ALLOC);
    // Playing a stream that plays already keeps its channel.
    EXPECT_EQ(FSOUND_Stream_Play(FSOUND_FREE, streams[5]), 5);
    EXPECT_TRUE(FSOUND_Stream_Close(streams[3]));
    EXPECT_EQ(FSOUND_Stream_Play(FSOUND_FREE, streams[32]), 3);
    // FSOUND_Close stops and releases whatever is still open.
}
