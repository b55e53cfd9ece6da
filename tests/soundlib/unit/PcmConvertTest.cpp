// 8-bit to 16-bit widening, in place included.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "PcmConvert.h"

TEST(PcmConvert, UnsignedEightBitBecomesSignedSixteen)
{
    const std::uint8_t in[4] = {0, 128, 255, 129};
    std::uint8_t out[8] = {};
    soundlib::Widen8BitSamples(in, 4, out);
    const std::vector<std::uint8_t> expected = {0x00, 0x80, 0x00, 0x00, 0x00, 0x7F, 0x00, 0x01};
    EXPECT_EQ(std::vector<std::uint8_t>(out, out + 8), expected);
}

TEST(PcmConvert, InPlace)
{
    std::uint8_t buffer[6] = {128, 0, 255, 0xEE, 0xEE, 0xEE};
    soundlib::Widen8BitSamples(buffer, 3, buffer);
    const std::vector<std::uint8_t> expected = {0x00, 0x00, 0x00, 0x80, 0x00, 0x7F};
    EXPECT_EQ(std::vector<std::uint8_t>(buffer, buffer + 6), expected);
}
