// WAV headers, one row per variant: what the parser makes of sample formats, chunk order, padding, truncation
// and a medium that fails.
#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>

#include "soundlib/WavHeader.h"
#include "tests/support/MemorySource.h"
#include "tests/support/SoundBytes.h"

using soundlib::WavResult;

TEST(WavHeader, EachVariant)
{
    const std::string whole = PcmWav(1, 8000, 16, std::string(100, 'x'));
    const std::string pcmGuid = Le16(1) + std::string("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
    const std::string floatGuid = "\x03" + pcmGuid.substr(1);
    const auto extensible = [](const std::string& guid) {
        return Riff(Chunk("fmt ", Le16(0xFFFE) + Le16(2) + Le32(48000) + Le32(192000) + Le16(4) + Le16(16) +
                                      Le16(22) + Le16(16) + Le32(3) + guid) +
                    Chunk("data", "abcd"));
    };
    const struct {
        const char* what;
        std::string bytes;
        WavResult result;
        std::uint64_t dataOffset = 0, dataBytes = 0;
        unsigned channels = 0, rate = 0;
        std::uint64_t failFrom = UINT64_MAX;
    } rows[] = {
        {"16-bit mono", PcmWav(1, 22050, 16, std::string(100, 'x')), WavResult::Ok, 44, 100, 1, 22050},
        {"8-bit stereo", PcmWav(2, 11025, 8, std::string(64, 'x')), WavResult::Ok, 44, 64, 2, 11025},
        {"chunks before data", Riff(FmtChunk(1, 8000, 16) + Chunk("LIST", "INFOISFT" + Le32(6) + "sox 1") +
                                    Chunk("fact", Le32(50)) + Chunk("data", std::string(100, 'x'))),
         WavResult::Ok, 82, 100, 1, 8000},
        {"odd chunk padded", Riff(Chunk("junk", "abc") + FmtChunk(1, 8000, 8) + Chunk("data", std::string(7, 'x'))),
         WavResult::Ok, 56, 7, 1, 8000},
        {"data before fmt", Riff(Chunk("data", std::string(8, 'x')) + FmtChunk(2, 44100, 16)), WavResult::Ok, 20, 8, 2,
         44100},
        {"18-byte fmt", Riff(Chunk("fmt ", FmtChunk(1, 8000, 16).substr(8) + Le16(0)) + Chunk("data", "abcd")),
         WavResult::Ok, 46, 4, 1, 8000},
        {"extensible PCM", extensible(pcmGuid), WavResult::Ok, 68, 4, 2, 48000},
        {"partial frame dropped", PcmWav(2, 8000, 16, std::string(11, 'x')), WavResult::Ok, 44, 8, 2, 8000},
        {"extensible float", extensible(floatGuid), WavResult::Unsupported},
        {"24-bit", PcmWav(1, 8000, 24, "abc"), WavResult::Unsupported},
        {"3 channels", PcmWav(3, 8000, 16, "abcdef"), WavResult::Unsupported},
        {"0 channels", PcmWav(0, 8000, 16, "ab"), WavResult::Unsupported},
        {"0 Hz", PcmWav(1, 0, 16, "ab"), WavResult::Unsupported},
        {"A-law", Riff(FmtChunk(1, 8000, 8, 6) + Chunk("data", "ab")), WavResult::Unsupported},
        {"fmt of 15 bytes", Riff(Chunk("fmt ", FmtChunk(1, 8000, 16).substr(8, 15)) + Chunk("data", "ab")),
         WavResult::Unsupported},
        {"samples cut short", whole.substr(0, whole.size() - 1), WavResult::Truncated},
        {"cut inside fmt", whole.substr(0, 30), WavResult::Truncated},
        {"cut inside data header", whole.substr(0, 40), WavResult::Truncated},
        {"no data chunk", Riff(FmtChunk(1, 8000, 16)), WavResult::Truncated},
        {"no fmt chunk", Riff(Chunk("data", "abcd")), WavResult::Truncated},
        {"empty", "", WavResult::NotWav},
        {"text", "Just some text, not a sound at all.\r\n", WavResult::NotWav},
        {"AVI", "RIFF" + Le32(4) + "AVI " + Chunk("data", "ab"), WavResult::NotWav},
        {"unreadable inside fmt", whole, WavResult::ReadError, 0, 0, 0, 0, 30},
    };
    for (const auto& row : rows) {
        MemorySource source(row.bytes, row.failFrom);
        soundlib::WavLayout layout;
        EXPECT_EQ(soundlib::ParseWav(source, layout), row.result) << row.what;
        if (row.result != WavResult::Ok) continue;
        EXPECT_EQ(std::make_tuple(layout.dataOffset, layout.dataBytes, layout.channels, layout.sampleRate),
                  std::make_tuple(row.dataOffset, row.dataBytes, row.channels, row.rate))
            << row.what;
    }
}
