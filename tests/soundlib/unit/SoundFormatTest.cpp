// Format detection by content: the test files, renamed files' bytes, and things that are no sound.
#include <gtest/gtest.h>

#include "SoundFormat.h"
#include "support/MemorySource.h"
#include "support/SoundBytes.h"
#include "support/TestData.h"

using soundlib::SoundFormat;

namespace {

SoundFormat Detect(const std::string& bytes)
{
    MemorySource source(bytes);
    return soundlib::DetectFormat(source);
}

}  // namespace

TEST(SoundFormat, TheTestFiles)
{
    EXPECT_EQ(Detect(ReadDataFile("tone-16bit-mono.wav")), SoundFormat::Wav);
    EXPECT_EQ(Detect(ReadDataFile("tone-8bit-stereo.wav")), SoundFormat::Wav);
    EXPECT_EQ(Detect(ReadDataFile("tone-stereo-44100.mp3")), SoundFormat::Mp3);
    EXPECT_EQ(Detect(ReadDataFile("tone-mono-22050.mp3")), SoundFormat::Mp3);
    EXPECT_EQ(Detect(ReadDataFile("tone-mono.ogg")), SoundFormat::OggVorbis);
}

TEST(SoundFormat, AnyRiffWaveIsLeftToTheWavParser)
{
    EXPECT_EQ(Detect(Riff(FmtChunk(2, 44100, 0, 0x55) + Chunk("data", "ab"))), SoundFormat::Wav);
}

TEST(SoundFormat, Mp3WithAndWithoutId3v2)
{
    std::string frames;
    for (int i = 0; i < 4; ++i) frames += Mp3FrameBytes(3, 11, 1, false);
    EXPECT_EQ(Detect(frames), SoundFormat::Mp3);
    EXPECT_EQ(Detect(Id3v2Tag(2000) + frames), SoundFormat::Mp3);
}

TEST(SoundFormat, OggThatIsNotVorbis)
{
    std::string opus = ReadDataFile("tone-mono.ogg").substr(0, 200);
    opus.replace(28, 7, "OpusHea");
    EXPECT_EQ(Detect(opus), SoundFormat::Unknown);
}

TEST(SoundFormat, NoSoundAtAll)
{
    EXPECT_EQ(Detect(""), SoundFormat::Unknown);
    EXPECT_EQ(Detect("[Setup]\r\nName=Velan\r\n"), SoundFormat::Unknown);
    EXPECT_EQ(Detect(std::string(5000, '\xFF')), SoundFormat::Unknown);
    EXPECT_EQ(Detect("MZ" + std::string(4000, '\x90')), SoundFormat::Unknown);
}

TEST(SoundFormat, ReadFailure)
{
    MemorySource failing(ReadDataFile("tone-16bit-mono.wav"), 4);
    EXPECT_EQ(soundlib::DetectFormat(failing), SoundFormat::ReadError);
}
