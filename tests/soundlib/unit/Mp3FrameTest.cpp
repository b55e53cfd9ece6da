// Layer III frame headers and ID3v2 tag sizes, one row per header.
#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <utility>

#include "Mp3Frame.h"
#include "support/SoundBytes.h"

using soundlib::Mp3FrameHeader;

namespace {

bool Parse(std::uint32_t bytes, Mp3FrameHeader& header)
{
    const std::uint8_t b[4] = {static_cast<std::uint8_t>(bytes >> 24), static_cast<std::uint8_t>(bytes >> 16),
                               static_cast<std::uint8_t>(bytes >> 8), static_cast<std::uint8_t>(bytes)};
    return soundlib::ParseMp3FrameHeader(b, header);
}

std::uint32_t Id3Size(const std::string& tag)
{
    return soundlib::Id3v2TagSize(reinterpret_cast<const std::uint8_t*>(tag.data()));
}

}  // namespace

TEST(Mp3Frame, Headers)
{
    // Version, kbit/s, Hz, channels, samples and bytes per frame, where an Xing tag would start.
    const std::pair<std::uint32_t, const char*> rows[] = {
        {0xFFFB9044, "1 128 44100 2 1152 417 36"}, {0xFFFB9244, "1 128 44100 2 1152 418 36"},  // padded
        {0xFFFA9044, "1 128 44100 2 1152 417 38"},  // a CRC after the header
        {0xFFFB90C4, "1 128 44100 1 1152 417 21"}, {0xFFFBB444, "1 192 48000 2 1152 576 36"},
        {0xFFF340C4, "2 32 22050 1 576 104 13"},   {0xFFF35800, "2 40 16000 2 576 180 21"},
        {0xFFE31800, "3 8 8000 2 576 72 21"},
        // Cut-short sync, reserved version, Layers II and I, reserved layer, free format, bad bitrate,
        // reserved sample rate, reserved emphasis.
        {0xFF7B9044, ""}, {0xFEFB9044, ""}, {0xFFEB9044, ""}, {0xFFFD9044, ""}, {0xFFFF9044, ""},
        {0xFFF99044, ""}, {0xFFFB0044, ""}, {0xFFFBF044, ""}, {0xFFFB9C44, ""}, {0xFFFB9046, ""},
    };
    for (const auto& row : rows) {
        Mp3FrameHeader h;
        std::ostringstream fields;
        if (Parse(row.first, h)) {
            fields << static_cast<int>(h.version) + 1 << ' ' << h.bitrateKbps << ' ' << h.sampleRate << ' '
                   << h.channels << ' ' << h.samplesPerFrame << ' ' << h.frameBytes << ' ' << soundlib::XingTagOffset(h);
        }
        EXPECT_EQ(fields.str(), row.second) << std::hex << row.first;
    }
}

TEST(Mp3Frame, SameStreamIgnoresBitrateAndPadding)
{
    Mp3FrameHeader a, b;
    ASSERT_TRUE(Parse(0xFFFB9044, a));
    for (const auto& row : {std::make_pair(0xFFFBB244u, true), std::make_pair(0xFFFB9444u, false),
                            std::make_pair(0xFFFB90C4u, false)}) {
        ASSERT_TRUE(Parse(row.first, b));
        EXPECT_EQ(soundlib::SameMp3Stream(a, b), row.second) << std::hex << row.first;
    }
}

TEST(Mp3Frame, Id3v2Sizes)
{
    std::string footer = Id3v2Tag(20);
    footer[5] = 0x10;
    std::string notSynchsafe = Id3v2Tag(20);
    notSynchsafe[8] = static_cast<char>(0x80);
    EXPECT_EQ(Id3Size(Id3v2Tag(1000)), 1010u);
    EXPECT_EQ(Id3Size(Id3v2Tag(0x0FFFFFFF).substr(0, 10)), 10u + 0x0FFFFFFFu);
    EXPECT_EQ(Id3Size(footer), 40u);
    EXPECT_EQ(Id3Size(notSynchsafe), 0u);
    EXPECT_EQ(Id3Size("TAG1234567"), 0u);
}
