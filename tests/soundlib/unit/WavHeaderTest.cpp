// WAV header variants: sample formats, chunk order and padding, truncation and foreign files.
#include <gtest/gtest.h>

#include "WavHeader.h"
#include "support/MemorySource.h"
#include "support/SoundBytes.h"
#include "support/TestData.h"

using soundlib::ParseWav;
using soundlib::WavLayout;
using soundlib::WavResult;

namespace {

WavResult Parse(const std::string& bytes, WavLayout& layout)
{
    MemorySource source(bytes);
    return ParseWav(source, layout);
}

}  // namespace

TEST(WavHeader, SixteenBitMono)
{
    WavLayout layout;
    ASSERT_EQ(Parse(PcmWav(1, 22050, 16, std::string(100, 'x')), layout), WavResult::Ok);
    EXPECT_EQ(layout.channels, 1u);
    EXPECT_EQ(layout.sampleRate, 22050u);
    EXPECT_EQ(layout.bitsPerSample, 16u);
    EXPECT_EQ(layout.dataOffset, 44u);
    EXPECT_EQ(layout.dataBytes, 100u);
}

TEST(WavHeader, EightBitStereo)
{
    WavLayout layout;
    ASSERT_EQ(Parse(PcmWav(2, 11025, 8, std::string(64, '\x80')), layout), WavResult::Ok);
    EXPECT_EQ(layout.channels, 2u);
    EXPECT_EQ(layout.bitsPerSample, 8u);
    EXPECT_EQ(layout.BlockAlign(), 2u);
    EXPECT_EQ(layout.dataBytes, 64u);
}

TEST(WavHeader, ChunksBeforeDataAreSkipped)
{
    const std::string list = Chunk("LIST", "INFOISFT" + Le32(6) + "sox 1");
    const std::string fact = Chunk("fact", Le32(50));
    const std::string bytes = Riff(FmtChunk(1, 8000, 16) + list + fact + Chunk("data", std::string(100, 'x')));
    WavLayout layout;
    ASSERT_EQ(Parse(bytes, layout), WavResult::Ok);
    EXPECT_EQ(layout.dataOffset, bytes.size() - 100);
    EXPECT_EQ(layout.dataBytes, 100u);
}

TEST(WavHeader, OddChunkSizesHaveAPadByte)
{
    const std::string odd = Chunk("junk", "abc");
    ASSERT_EQ(odd.size(), 12u);
    const std::string bytes = Riff(odd + FmtChunk(1, 8000, 8) + Chunk("data", std::string(7, '\x80')));
    WavLayout layout;
    ASSERT_EQ(Parse(bytes, layout), WavResult::Ok);
    EXPECT_EQ(layout.dataOffset, 12u + 12u + 24u + 8u);
    EXPECT_EQ(layout.dataBytes, 7u);
}

TEST(WavHeader, DataMayComeBeforeFmt)
{
    const std::string bytes = Riff(Chunk("data", std::string(8, 'x')) + FmtChunk(2, 44100, 16));
    WavLayout layout;
    ASSERT_EQ(Parse(bytes, layout), WavResult::Ok);
    EXPECT_EQ(layout.dataOffset, 20u);
    EXPECT_EQ(layout.dataBytes, 8u);
    EXPECT_EQ(layout.channels, 2u);
}

TEST(WavHeader, LongerFmtChunksAreAccepted)
{
    const std::string fmt18 = Chunk("fmt ", Le16(1) + Le16(1) + Le32(8000) + Le32(16000) + Le16(2) + Le16(16) + Le16(0));
    WavLayout layout;
    ASSERT_EQ(Parse(Riff(fmt18 + Chunk("data", "abcd")), layout), WavResult::Ok);
    EXPECT_EQ(layout.dataOffset, 12u + 26u + 8u);
}

TEST(WavHeader, ExtensiblePcmIsAcceptedAndExtensibleFloatIsNot)
{
    const std::string pcmGuid = Le16(1) + std::string("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
    const auto extensible = [](const std::string& guid) {
        return Chunk("fmt ", Le16(0xFFFE) + Le16(2) + Le32(48000) + Le32(192000) + Le16(4) + Le16(16) + Le16(22) +
                                 Le16(16) + Le32(3) + guid);
    };
    WavLayout layout;
    EXPECT_EQ(Parse(Riff(extensible(pcmGuid) + Chunk("data", "abcd")), layout), WavResult::Ok);
    EXPECT_EQ(layout.sampleRate, 48000u);
    std::string floatGuid = pcmGuid;
    floatGuid[0] = 3;
    EXPECT_EQ(Parse(Riff(extensible(floatGuid) + Chunk("data", "abcd")), layout), WavResult::Unsupported);
}

TEST(WavHeader, APartialSampleFrameAtTheEndIsDropped)
{
    WavLayout layout;
    ASSERT_EQ(Parse(PcmWav(2, 8000, 16, std::string(11, 'x')), layout), WavResult::Ok);
    EXPECT_EQ(layout.dataBytes, 8u);
}

TEST(WavHeader, UnsupportedSampleFormats)
{
    WavLayout layout;
    EXPECT_EQ(Parse(PcmWav(1, 8000, 24, "abc"), layout), WavResult::Unsupported);
    EXPECT_EQ(Parse(PcmWav(3, 8000, 16, "abcdef"), layout), WavResult::Unsupported);
    EXPECT_EQ(Parse(PcmWav(0, 8000, 16, "ab"), layout), WavResult::Unsupported);
    EXPECT_EQ(Parse(PcmWav(1, 0, 16, "ab"), layout), WavResult::Unsupported);
    EXPECT_EQ(Parse(Riff(FmtChunk(1, 8000, 4, 2) + Chunk("data", "ab")), layout), WavResult::Unsupported);  // ADPCM
    EXPECT_EQ(Parse(Riff(FmtChunk(2, 44100, 0, 0x55) + Chunk("data", "ab")), layout), WavResult::Unsupported);
    EXPECT_EQ(Parse(Riff(Chunk("fmt ", "short") + Chunk("data", "ab")), layout), WavResult::Unsupported);
}

TEST(WavHeader, TruncatedFiles)
{
    const std::string whole = PcmWav(1, 8000, 16, std::string(100, 'x'));
    WavLayout layout;
    EXPECT_EQ(Parse(whole.substr(0, whole.size() - 1), layout), WavResult::Truncated);  // samples cut short
    EXPECT_EQ(Parse(whole.substr(0, 30), layout), WavResult::Truncated);                // inside "fmt "
    EXPECT_EQ(Parse(whole.substr(0, 40), layout), WavResult::Truncated);                // inside the data header
    EXPECT_EQ(Parse(Riff(FmtChunk(1, 8000, 16)), layout), WavResult::Truncated);       // no data chunk
    EXPECT_EQ(Parse(Riff(Chunk("data", "abcd")), layout), WavResult::Truncated);        // no fmt chunk
}

TEST(WavHeader, OtherFilesAreNotWav)
{
    WavLayout layout;
    EXPECT_EQ(Parse("", layout), WavResult::NotWav);
    EXPECT_EQ(Parse("RIFF", layout), WavResult::NotWav);
    EXPECT_EQ(Parse("Just some text, not a sound at all.\r\n", layout), WavResult::NotWav);
    EXPECT_EQ(Parse("RIFF" + Le32(4) + "AVI " + Chunk("data", "ab"), layout), WavResult::NotWav);
}

TEST(WavHeader, ReadFailuresAreReported)
{
    MemorySource failing(PcmWav(1, 8000, 16, std::string(100, 'x')), 30);
    WavLayout layout;
    EXPECT_EQ(ParseWav(failing, layout), WavResult::ReadError);
}

TEST(WavHeader, TheTestFiles)
{
    WavLayout layout;
    ASSERT_EQ(Parse(ReadDataFile("tone-16bit-mono.wav"), layout), WavResult::Ok);
    EXPECT_EQ(layout.sampleRate, 22050u);
    EXPECT_EQ(layout.dataBytes, 22050u);
    ASSERT_EQ(Parse(ReadDataFile("tone-8bit-stereo.wav"), layout), WavResult::Ok);
    EXPECT_EQ(layout.channels, 2u);
    EXPECT_EQ(layout.bitsPerSample, 8u);
    EXPECT_EQ(layout.dataBytes, 11024u);
}
