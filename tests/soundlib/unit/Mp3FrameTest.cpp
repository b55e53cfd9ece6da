// Layer III frame header fields, rejected headers and ID3v2 tag sizes.
#include <gtest/gtest.h>

#include <cstdint>

#include "Mp3Frame.h"
#include "support/SoundBytes.h"

using soundlib::Mp3FrameHeader;
using soundlib::MpegVersion;
using soundlib::ParseMp3FrameHeader;

namespace {

bool Parse(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3, Mp3FrameHeader& header)
{
    const std::uint8_t bytes[4] = {b0, b1, b2, b3};
    return ParseMp3FrameHeader(bytes, header);
}

const std::uint8_t* Bytes(const std::string& text)
{
    return reinterpret_cast<const std::uint8_t*>(text.data());
}

}  // namespace

TEST(Mp3Frame, Mpeg1At128kStereo)
{
    Mp3FrameHeader h;
    ASSERT_TRUE(Parse(0xFF, 0xFB, 0x90, 0x44, h));
    EXPECT_EQ(h.version, MpegVersion::Mpeg1);
    EXPECT_EQ(h.bitrateKbps, 128u);
    EXPECT_EQ(h.sampleRate, 44100u);
    EXPECT_EQ(h.channels, 2u);
    EXPECT_EQ(h.samplesPerFrame, 1152u);
    EXPECT_EQ(h.frameBytes, 417u);
    EXPECT_FALSE(h.protectedByCrc);
    ASSERT_TRUE(Parse(0xFF, 0xFB, 0x92, 0x44, h));
    EXPECT_TRUE(h.padded);
    EXPECT_EQ(h.frameBytes, 418u);
}

TEST(Mp3Frame, Mpeg2And25)
{
    Mp3FrameHeader h;
    ASSERT_TRUE(Parse(0xFF, 0xF3, 0x40, 0xC4, h));  // MPEG-2, 32 kbit/s, 22050 Hz, mono
    EXPECT_EQ(h.version, MpegVersion::Mpeg2);
    EXPECT_EQ(h.bitrateKbps, 32u);
    EXPECT_EQ(h.sampleRate, 22050u);
    EXPECT_EQ(h.channels, 1u);
    EXPECT_EQ(h.samplesPerFrame, 576u);
    EXPECT_EQ(h.frameBytes, 104u);
    ASSERT_TRUE(Parse(0xFF, 0xE3, 0x18, 0x00, h));  // MPEG-2.5, 8 kbit/s, 8000 Hz
    EXPECT_EQ(h.version, MpegVersion::Mpeg25);
    EXPECT_EQ(h.sampleRate, 8000u);
    EXPECT_EQ(h.frameBytes, 72u);
}

TEST(Mp3Frame, CrcProtectedHeader)
{
    Mp3FrameHeader h;
    ASSERT_TRUE(Parse(0xFF, 0xFA, 0x90, 0x44, h));
    EXPECT_TRUE(h.protectedByCrc);
    EXPECT_EQ(soundlib::XingTagOffset(h), 4u + 2u + 32u);
}

TEST(Mp3Frame, RejectedHeaders)
{
    Mp3FrameHeader h;
    EXPECT_FALSE(Parse(0xFF, 0x7B, 0x90, 0x44, h));  // sync cut short
    EXPECT_FALSE(Parse(0xFE, 0xFB, 0x90, 0x44, h));
    EXPECT_FALSE(Parse(0xFF, 0xEB, 0x90, 0x44, h));  // reserved version
    EXPECT_FALSE(Parse(0xFF, 0xFD, 0x90, 0x44, h));  // Layer II
    EXPECT_FALSE(Parse(0xFF, 0xFF, 0x90, 0x44, h));  // Layer I
    EXPECT_FALSE(Parse(0xFF, 0xF9, 0x90, 0x44, h));  // reserved layer
    EXPECT_FALSE(Parse(0xFF, 0xFB, 0x00, 0x44, h));  // free format
    EXPECT_FALSE(Parse(0xFF, 0xFB, 0xF0, 0x44, h));  // bad bitrate
    EXPECT_FALSE(Parse(0xFF, 0xFB, 0x9C, 0x44, h));  // reserved sample rate
    EXPECT_FALSE(Parse(0xFF, 0xFB, 0x90, 0x46, h));  // reserved emphasis
}

TEST(Mp3Frame, SameStream)
{
    Mp3FrameHeader a, b;
    ASSERT_TRUE(Parse(0xFF, 0xFB, 0x90, 0x44, a));
    ASSERT_TRUE(Parse(0xFF, 0xFB, 0xB2, 0x44, b));  // another bitrate, padded: still the same stream
    EXPECT_TRUE(soundlib::SameMp3Stream(a, b));
    ASSERT_TRUE(Parse(0xFF, 0xFB, 0x94, 0x44, b));  // 48 kHz
    EXPECT_FALSE(soundlib::SameMp3Stream(a, b));
    ASSERT_TRUE(Parse(0xFF, 0xFB, 0x90, 0xC4, b));  // mono
    EXPECT_FALSE(soundlib::SameMp3Stream(a, b));
}

TEST(Mp3Frame, XingOffsets)
{
    Mp3FrameHeader h;
    ASSERT_TRUE(Parse(0xFF, 0xFB, 0x90, 0x44, h));
    EXPECT_EQ(soundlib::XingTagOffset(h), 36u);
    ASSERT_TRUE(Parse(0xFF, 0xFB, 0x90, 0xC4, h));
    EXPECT_EQ(soundlib::XingTagOffset(h), 21u);
    ASSERT_TRUE(Parse(0xFF, 0xF3, 0x40, 0xC4, h));
    EXPECT_EQ(soundlib::XingTagOffset(h), 13u);
}

TEST(Mp3Frame, Id3v2Sizes)
{
    EXPECT_EQ(soundlib::Id3v2TagSize(Bytes(Id3v2Tag(1000))), 1010u);
    EXPECT_EQ(soundlib::Id3v2TagSize(Bytes(Id3v2Tag(0x0FFFFFFF).substr(0, 10))), 10u + 0x0FFFFFFFu);
    std::string footer = Id3v2Tag(20);
    footer[3] = 4;
    footer[5] = 0x10;
    EXPECT_EQ(soundlib::Id3v2TagSize(Bytes(footer)), 40u);
    std::string bad = Id3v2Tag(20);
    bad[8] = static_cast<char>(0x80);  // not synchsafe
    EXPECT_EQ(soundlib::Id3v2TagSize(Bytes(bad)), 0u);
    EXPECT_EQ(soundlib::Id3v2TagSize(Bytes(std::string("TAG1234567"))), 0u);
}

TEST(Mp3Frame, BuiltFramesHaveTheirHeaderLength)
{
    EXPECT_EQ(Mp3FrameBytes(3, 9, 0, false).size(), 417u);
    EXPECT_EQ(Mp3FrameBytes(3, 9, 0, false, true).size(), 418u);
    EXPECT_EQ(Mp3FrameBytes(2, 4, 0, true).size(), 104u);
}
