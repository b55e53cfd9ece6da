// From bytes to a decoder: the code each file gives by its content, lengths and the first samples.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <utility>

#include "soundlib/OpenDecoder.h"
#include "soundlib/fsound.h"
#include "tests/support/MemorySource.h"
#include "tests/support/SoundBytes.h"
#include "tests/support/StandInCodec.h"

TEST(Decoder, CodesLengthsAndSamples)
{
    // The Ogg test file with a 32-bit field replaced: the rate sits in the identification header on the
    // first page, the comment count after the 52-byte vendor string in the comment header.
    const auto oggWith = [](std::size_t at, unsigned value) {
        return ReadSoundData("tone-mono.ogg").replace(at, 4, Le32(value));
    };
    const struct {
        const char* what;
        std::string bytes;
        int code;
        unsigned long long length = 0;
        std::string samples = {};  // what the first read gives, where the row says
        std::uint64_t failFrom = UINT64_MAX;
    } rows[] = {
        {"16-bit WAV", ReadSoundData("tone-16bit-mono.wav"), FSOUND_ERR_NONE, 22050},
        {"8-bit WAV, widened", ReadSoundData("tone-8bit-stereo.wav"), FSOUND_ERR_NONE, 22048},
        // 8-bit samples are unsigned, 16-bit ones signed and little-endian.
        {"8-bit samples", PcmWav(2, 8000, 8, std::string("\x00\x80\xFF\x81", 4)), FSOUND_ERR_NONE, 8,
         std::string("\x00\x80\x00\x00\x00\x7F\x00\x01", 8)},
        {"16-bit samples", PcmWav(1, 8000, 16, "\x01\x02\xFE\xFF"), FSOUND_ERR_NONE, 4, "\x01\x02\xFE\xFF"},
        {"MPEG-1 behind a tag", ReadSoundData("tone-stereo-44100.mp3"), FSOUND_ERR_NONE, 41 * 1152 * 4},
        {"MPEG-2", ReadSoundData("tone-mono-22050.mp3"), FSOUND_ERR_NONE, 22 * 576 * 2},
        {"Vorbis", ReadSoundData("tone-mono.ogg"), FSOUND_ERR_NONE, 22050},
        {"Ogg, not Vorbis", ReadSoundData("tone-mono.ogg").substr(0, 200).replace(28, 7, "OpusHea"),
         FSOUND_ERR_FILE_FORMAT},
        {"text", "VELAN installer\r\nThis is not music.\r\n", FSOUND_ERR_FILE_FORMAT},
        {"u-law WAV", ReadSoundData("tone-16bit-mono.wav").replace(20, 2, "\x07\x00", 2), FSOUND_ERR_FILE_FORMAT},
        {"cut WAV", ReadSoundData("tone-16bit-mono.wav").substr(0, 1000), FSOUND_ERR_FILE_BAD},
        {"unreadable medium", ReadSoundData("tone-16bit-mono.wav"), FSOUND_ERR_FILE_BAD, 0, "", 4},
        // Four buffers of 100 MB each, and a rate too low to be sound.
        {"Vorbis at 100 MHz", oggWith(40, 100000000), FSOUND_ERR_FILE_FORMAT},
        {"Vorbis at 999 Hz", oggWith(40, 999), FSOUND_ERR_FILE_FORMAT},
        // stb_vorbis, left to read them, would allocate by bytes past the packet.
        {"262145 comments in a packet of one", oggWith(162, 262145), FSOUND_ERR_FILE_FORMAT},
    };
    for (const auto& row : rows) {
        std::unique_ptr<soundlib::ByteSource> source(new MemorySource(row.bytes, row.failFrom));
        std::unique_ptr<soundlib::Decoder> decoder;
        ASSERT_EQ(soundlib::OpenDecoder(std::move(source), &MakeStandInCodec, decoder), row.code) << row.what;
        if (row.code != FSOUND_ERR_NONE) continue;
        EXPECT_EQ(decoder->LengthBytes(), row.length) << row.what;
        if (row.samples.empty()) continue;
        std::uint8_t first[16];
        const std::string read(reinterpret_cast<const char*>(first), decoder->Read(first, sizeof first));
        EXPECT_EQ(read, row.samples) << row.what;
    }
}
