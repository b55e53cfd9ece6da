// Finding and counting MP3 frames: tags, junk, damage, truncation and garbage.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "Mp3Scan.h"
#include "support/MemorySource.h"
#include "support/SoundBytes.h"
#include "support/TestData.h"

using soundlib::Mp3Layout;
using soundlib::Mp3Result;
using soundlib::MpegVersion;

namespace {

std::string Frames(int count)
{
    std::string frames;
    for (int i = 0; i < count; ++i) frames += Mp3FrameBytes(3, 9, 0, false, i % 3 == 1);
    return frames;
}

Mp3Result Scan(const std::string& bytes, Mp3Layout& layout)
{
    MemorySource source(bytes);
    return soundlib::ScanMp3(source, layout);
}

// Reproducible noise (a linear congruential generator), free of any frame run by construction of the test.
std::string Noise(std::size_t size, std::uint32_t seed)
{
    std::string noise(size, '\0');
    for (char& ch : noise) {
        seed = seed * 1664525u + 1013904223u;
        ch = static_cast<char>(seed >> 24);
    }
    return noise;
}

}  // namespace

TEST(Mp3Scan, FramesFromTheStart)
{
    Mp3Layout layout;
    const std::string bytes = Frames(10);
    ASSERT_EQ(Scan(bytes, layout), Mp3Result::Ok);
    EXPECT_EQ(layout.firstFrame, 0u);
    EXPECT_EQ(layout.frameCount, 10u);
    EXPECT_EQ(layout.endOfFrames, bytes.size());
    EXPECT_EQ(layout.SamplesPerChannel(), 11520u);
    EXPECT_FALSE(layout.infoFrame);
}

TEST(Mp3Scan, AfterId3v2Tags)
{
    Mp3Layout layout;
    ASSERT_EQ(Scan(Id3v2Tag(300) + Frames(5), layout), Mp3Result::Ok);
    EXPECT_EQ(layout.firstFrame, 310u);
    EXPECT_EQ(layout.frameCount, 5u);
    ASSERT_EQ(Scan(Id3v2Tag(300) + Id3v2Tag(50) + Frames(5), layout), Mp3Result::Ok);
    EXPECT_EQ(layout.firstFrame, 370u);
}

TEST(Mp3Scan, PaddingAfterTheTag)
{
    Mp3Layout layout;
    ASSERT_EQ(Scan(Id3v2Tag(10) + std::string(1000, '\0') + Frames(4), layout), Mp3Result::Ok);
    EXPECT_EQ(layout.firstFrame, 1020u);
    EXPECT_EQ(layout.frameCount, 4u);
}

TEST(Mp3Scan, TrailingId3v1TagIsNotAFrame)
{
    Mp3Layout layout;
    const std::string frames = Frames(6);
    ASSERT_EQ(Scan(frames + "TAG" + std::string(125, ' '), layout), Mp3Result::Ok);
    EXPECT_EQ(layout.frameCount, 6u);
    EXPECT_EQ(layout.endOfFrames, frames.size());
}

TEST(Mp3Scan, TruncatedLastFrameIsNotCounted)
{
    Mp3Layout layout;
    const std::string frames = Frames(6);
    ASSERT_EQ(Scan(frames.substr(0, frames.size() - 100), layout), Mp3Result::Ok);
    EXPECT_EQ(layout.frameCount, 5u);
}

TEST(Mp3Scan, FramesResumeAfterDamage)
{
    Mp3Layout layout;
    ASSERT_EQ(Scan(Frames(4) + std::string(77, '\x11') + Frames(4), layout), Mp3Result::Ok);
    EXPECT_EQ(layout.frameCount, 8u);
}

TEST(Mp3Scan, MpegTwoMono)
{
    Mp3Layout layout;
    std::string frames;
    for (int i = 0; i < 3; ++i) frames += Mp3FrameBytes(2, 4, 0, true);
    ASSERT_EQ(Scan(frames, layout), Mp3Result::Ok);
    EXPECT_EQ(layout.first.version, MpegVersion::Mpeg2);
    EXPECT_EQ(layout.first.channels, 1u);
    EXPECT_EQ(layout.SamplesPerChannel(), 3u * 576u);
}

TEST(Mp3Scan, ASingleFrameFillingTheFile)
{
    Mp3Layout layout;
    ASSERT_EQ(Scan(Frames(1), layout), Mp3Result::Ok);
    EXPECT_EQ(layout.frameCount, 1u);
}

TEST(Mp3Scan, XingInfoFrameIsRecognised)
{
    std::string frames = Frames(3);
    frames.replace(36, 4, "Info");
    Mp3Layout layout;
    ASSERT_EQ(Scan(frames, layout), Mp3Result::Ok);
    EXPECT_TRUE(layout.infoFrame);
    EXPECT_EQ(layout.frameCount, 3u);
}

TEST(Mp3Scan, GarbageIsNotMp3)
{
    Mp3Layout layout;
    EXPECT_EQ(Scan("", layout), Mp3Result::NotMp3);
    EXPECT_EQ(Scan("plain text\r\n", layout), Mp3Result::NotMp3);
    EXPECT_EQ(Scan(Noise(200000, 1), layout), Mp3Result::NotMp3);
    EXPECT_EQ(Scan(Noise(200000, 2), layout), Mp3Result::NotMp3);
    // One valid header that nothing follows is a coincidence, not a stream.
    EXPECT_EQ(Scan(Noise(1000, 3) + Mp3FrameBytes(3, 9, 0, false).substr(0, 4) + Noise(5000, 4), layout),
              Mp3Result::NotMp3);
    // An ID3v2 tag alone does not make a sound.
    EXPECT_EQ(Scan(Id3v2Tag(500), layout), Mp3Result::NotMp3);
}

TEST(Mp3Scan, FramesTooFarBehindJunkAreNotLookedFor)
{
    Mp3Layout layout;
    EXPECT_EQ(Scan(std::string(70000, '\0') + Frames(5), layout), Mp3Result::NotMp3);
}

TEST(Mp3Scan, ReadFailuresAreReported)
{
    const std::string bytes = Frames(20);
    MemorySource failingEarly(bytes, 2);
    Mp3Layout layout;
    EXPECT_EQ(soundlib::ScanMp3(failingEarly, layout), Mp3Result::ReadError);
    MemorySource failingLater(bytes, 3000);
    EXPECT_EQ(soundlib::ScanMp3(failingLater, layout), Mp3Result::ReadError);
}

TEST(Mp3Scan, TheTestFiles)
{
    Mp3Layout layout;
    ASSERT_EQ(Scan(ReadDataFile("tone-stereo-44100.mp3"), layout), Mp3Result::Ok);
    EXPECT_GT(layout.firstFrame, 10u);  // behind the ID3v2 tag
    EXPECT_EQ(layout.first.version, MpegVersion::Mpeg1);
    EXPECT_EQ(layout.first.sampleRate, 44100u);
    EXPECT_EQ(layout.first.channels, 2u);
    EXPECT_TRUE(layout.infoFrame);
    EXPECT_EQ(layout.frameCount, 41u);

    ASSERT_EQ(Scan(ReadDataFile("tone-mono-22050.mp3"), layout), Mp3Result::Ok);
    EXPECT_EQ(layout.firstFrame, 0u);
    EXPECT_EQ(layout.first.version, MpegVersion::Mpeg2);
    EXPECT_EQ(layout.first.channels, 1u);
    EXPECT_EQ(layout.frameCount, 22u);
}
