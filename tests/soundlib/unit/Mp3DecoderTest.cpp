// The MP3 decoder around its codec: a restart whose codec cannot be made leaves it as it was.
#include <gtest/gtest.h>

#include <memory>
#include <new>
#include <vector>

#include "Mp3Decoder.h"
#include "support/MemorySource.h"
#include "support/StandInCodec.h"
#include "support/TestData.h"

namespace {

std::size_t ReadAll(soundlib::Decoder& decoder)
{
    std::vector<std::uint8_t> buffer(4096);
    std::size_t total = 0;
    while (const std::size_t got = decoder.Read(buffer.data(), buffer.size())) total += got;
    return total;
}

}  // namespace

TEST(Mp3Decoder, AFailedRestartKeepsTheDecoderReadable)
{
    std::unique_ptr<soundlib::Decoder> decoder;
    ASSERT_EQ(soundlib::Mp3Decoder::Open(std::unique_ptr<soundlib::ByteSource>(
                                             new MemorySource(ReadDataFile("tone-mono-22050.mp3"))),
                                         &MakeStandInCodec, decoder),
              0);
    const std::size_t played = ReadAll(*decoder);
    ASSERT_GT(played, 0u);

    g_standInCodecFails = true;
    EXPECT_THROW(decoder->Rewind(), std::bad_alloc);
    g_standInCodecFails = false;
    EXPECT_EQ(ReadAll(*decoder), 0u) << "still at its end";

    ASSERT_TRUE(decoder->Rewind());
    EXPECT_EQ(ReadAll(*decoder), played);
}
