// Layer III frame headers, one row per header; ID3v2 tag sizes are rows of the frame scan's table.
#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <utility>

#include "soundlib/Mp3Frame.h"

using soundlib::Mp3FrameHeader;

TEST(Mp3Frame, Headers)
{
    const auto parse = [](std::uint32_t bytes, Mp3FrameHeader& header) {
        const std::uint8_t b[4] = {static_cast<std::uint8_t>(bytes >> 24), static_cast<std::uint8_t>(bytes >> 16),
                                   static_cast<std::uint8_t>(bytes >> 8), static_cast<std::uint8_t>(bytes)};
        return soundlib::ParseMp3FrameHeader(b, header);
    };
    // Version, kbit/s, Hz, channels, samples and bytes per frame, where an Xing tag would start, and whether
    // the frame can continue a stream begun by the first row's (only version, rate and channels count).
    const std::pair<std::uint32_t, const char*> rows[] = {
        {0xFFFB9044, "1 128 44100 2 1152 417 36 same"}, {0xFFFB9244, "1 128 44100 2 1152 418 36 same"},  // padded
        {0xFFFA9044, "1 128 44100 2 1152 417 38 same"},  // a CRC after the header
        {0xFFFBB244, "1 192 44100 2 1152 627 36 same"},  {0xFFFB9444, "1 128 48000 2 1152 384 36 other"},
        {0xFFFB90C4, "1 128 44100 1 1152 417 21 other"}, {0xFFF340C4, "2 32 22050 1 576 104 13 other"},
        {0xFFF35800, "2 40 16000 2 576 180 21 other"},   {0xFFE31800, "3 8 8000 2 576 72 21 other"},
        // Cut-short sync, reserved version, Layers II and I, reserved layer, free format, bad bitrate,
        // reserved sample rate, reserved emphasis.
        {0xFF7B9044, ""}, {0xFEFB9044, ""}, {0xFFEB9044, ""}, {0xFFFD9044, ""}, {0xFFFF9044, ""},
        {0xFFF99044, ""}, {0xFFFB0044, ""}, {0xFFFBF044, ""}, {0xFFFB9C44, ""}, {0xFFFB9046, ""},
    };
    Mp3FrameHeader first;
    ASSERT_TRUE(parse(rows[0].first, first));
    for (const auto& row : rows) {
        Mp3FrameHeader h;
        std::ostringstream fields;
        if (parse(row.first, h)) {
            fields << static_cast<int>(h.version) + 1 << ' ' << h.bitrateKbps << ' ' << h.sampleRate << ' '
                   << h.channels << ' ' << h.samplesPerFrame << ' ' << h.frameBytes << ' ' << soundlib::XingTagOffset(h)
                   << (soundlib::SameMp3Stream(first, h) ? " same" : " other");
        }
        EXPECT_EQ(fields.str(), row.second) << std::hex << row.first;
    }
}
