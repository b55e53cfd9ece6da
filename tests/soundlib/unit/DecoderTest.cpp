// From bytes to a decoder: the code each file gives by its content, lengths and samples.
#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <vector>

#include "OpenDecoder.h"
#include "fsound.h"
#include "support/MemorySource.h"
#include "support/SoundBytes.h"
#include "support/StandInCodec.h"

namespace {

int Open(const std::string& bytes, std::unique_ptr<soundlib::Decoder>& decoder,
         std::uint64_t failFrom = std::numeric_limits<std::uint64_t>::max())
{
    return soundlib::OpenDecoder(std::unique_ptr<soundlib::ByteSource>(new MemorySource(bytes, failFrom)),
                                 &MakeStandInCodec, decoder);
}

std::string Mp3Frames(int count)
{
    std::string frames;
    for (int i = 0; i < count; ++i) frames += Mp3FrameBytes(3, 9, 0, false);
    return frames;
}

std::string ReadAll(soundlib::Decoder& decoder)
{
    std::string all;
    std::vector<std::uint8_t> buffer(4096);
    while (const std::size_t got = decoder.Read(buffer.data(), buffer.size())) {
        all.append(reinterpret_cast<const char*>(buffer.data()), got);
    }
    return all;
}

// The Ogg test file with a 32-bit field replaced: the rate sits in the identification header on the
// first page, the comment count after the 52-byte vendor string in the comment header.
std::string OggWith(std::size_t at, unsigned value)
{
    return ReadSoundData("tone-mono.ogg").replace(at, 4, Le32(value));
}

}  // namespace

TEST(Decoder, CodesAndLengths)
{
    const struct {
        const char* what;
        std::string bytes;
        int code;
        unsigned long long length = 0;
    } rows[] = {
        {"16-bit WAV", ReadSoundData("tone-16bit-mono.wav"), FSOUND_ERR_NONE, 22050},
        {"8-bit WAV, widened", ReadSoundData("tone-8bit-stereo.wav"), FSOUND_ERR_NONE, 22048},
        {"MPEG-1", ReadSoundData("tone-stereo-44100.mp3"), FSOUND_ERR_NONE, 41 * 1152 * 4},
        {"MPEG-2", ReadSoundData("tone-mono-22050.mp3"), FSOUND_ERR_NONE, 22 * 576 * 2},
        {"Vorbis", ReadSoundData("tone-mono.ogg"), FSOUND_ERR_NONE, 22050},
        {"MPEG-1 behind a tag", Id3v2Tag(2000) + Mp3Frames(4), FSOUND_ERR_NONE, 4 * 1152 * 4},
        {"Ogg, not Vorbis", ReadSoundData("tone-mono.ogg").substr(0, 200).replace(28, 7, "OpusHea"),
         FSOUND_ERR_FILE_FORMAT},
        {"text", "VELAN installer\r\nThis is not music.\r\n", FSOUND_ERR_FILE_FORMAT},
        {"program", "MZ" + std::string(4000, '\x90'), FSOUND_ERR_FILE_FORMAT},
        {"empty", "", FSOUND_ERR_FILE_FORMAT},
        {"noise", std::string(30000, '\xFF'), FSOUND_ERR_FILE_FORMAT},
        {"u-law WAV", ReadSoundData("tone-16bit-mono.wav").replace(20, 2, "\x07\x00", 2), FSOUND_ERR_FILE_FORMAT},
        {"cut WAV", ReadSoundData("tone-16bit-mono.wav").substr(0, 1000), FSOUND_ERR_FILE_BAD},
        // Four buffers of 100 MB each, sizes that wrap in 32 bits, a rate too low to be sound.
        {"Vorbis at 100 MHz", OggWith(40, 100000000), FSOUND_ERR_FILE_FORMAT},
        {"Vorbis at 2^30 Hz", OggWith(40, 1u << 30), FSOUND_ERR_FILE_FORMAT},
        {"Vorbis at 999 Hz", OggWith(40, 999), FSOUND_ERR_FILE_FORMAT},
        // stb_vorbis, left to read them, would allocate by bytes past the packet.
        {"262145 comments in a packet of one", OggWith(162, 262145), FSOUND_ERR_FILE_FORMAT},
    };
    for (const auto& row : rows) {
        std::unique_ptr<soundlib::Decoder> decoder;
        ASSERT_EQ(Open(row.bytes, decoder), row.code) << row.what;
        if (row.code == FSOUND_ERR_NONE) {
            EXPECT_EQ(decoder->LengthBytes(), row.length) << row.what;
        }
    }
    std::unique_ptr<soundlib::Decoder> decoder;
    EXPECT_EQ(Open(ReadSoundData("tone-16bit-mono.wav"), decoder, 4), FSOUND_ERR_FILE_BAD) << "unreadable medium";
}

TEST(Decoder, WavSamplesComeOutAsSignedSixteenBit)
{
    std::unique_ptr<soundlib::Decoder> decoder;
    ASSERT_EQ(Open(PcmWav(2, 8000, 8, std::string("\x00\x80\xFF\x81", 4)), decoder), 0);
    EXPECT_EQ(ReadAll(*decoder), std::string("\x00\x80\x00\x00\x00\x7F\x00\x01", 8));
    ASSERT_EQ(Open(PcmWav(1, 8000, 16, "\x01\x02\xFE\xFF"), decoder), 0);
    EXPECT_EQ(ReadAll(*decoder), "\x01\x02\xFE\xFF");
}
