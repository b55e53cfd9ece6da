// Finding and counting MP3 frames, one row per file shape: tags, junk, damage, truncation, garbage and
// reads that fail.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <tuple>

#include "soundlib/Mp3Scan.h"
#include "tests/support/MemorySource.h"
#include "tests/support/SoundBytes.h"

using soundlib::Mp3Result;

TEST(Mp3Scan, EachFileShape)
{
    // MPEG-1 Layer III frames of 128 kbit/s at 44100 Hz in stereo, 417 bytes or 418 with the padding
    // byte that every third one carries; their bodies are silent.
    const auto frames = [](int count) {
        std::string bytes;
        for (int i = 0; i < count; ++i) {
            const bool padded = i % 3 == 1;
            bytes += std::string(padded ? "\xFF\xFB\x92\x44" : "\xFF\xFB\x90\x44", 4);
            bytes += std::string(padded ? 414 : 413, '\0');
        }
        return bytes;
    };
    // Reproducible noise in which no run of frames occurs.
    const auto noise = [](std::size_t size, std::uint32_t seed) {
        std::minstd_rand random(seed);
        std::string bytes(size, '\0');
        for (char& ch : bytes) ch = static_cast<char>(random() >> 8);
        return bytes;
    };
    const std::string info = frames(3).replace(36, 4, "Info");
    const struct {
        const char* what;
        std::string bytes;
        Mp3Result result;
        unsigned long long firstFrame = 0, frameCount = 0, endOfFrames = 0;
        std::uint64_t failFrom = UINT64_MAX;
    } rows[] = {
        {"frames from the start", frames(10), Mp3Result::Ok, 0, 10, frames(10).size()},
        {"one frame filling the file", frames(1), Mp3Result::Ok, 0, 1, 417},
        {"after an ID3v2 tag", Id3v2Tag(300) + frames(5), Mp3Result::Ok, 310, 5, 310 + frames(5).size()},
        {"after two tags", Id3v2Tag(300) + Id3v2Tag(50) + frames(5), Mp3Result::Ok, 370, 5, 370 + frames(5).size()},
        // A tag is skipped whole, even where its body looks like frames. Its size takes seven bits a byte
        // (here 1, 1, 127 and 127): a byte in the wrong place would stop the skip thousands of bytes early.
        {"frames inside a 2 MiB tag", Id3v2Tag(0x207FFF).replace(10, 0x207FFF, frames(5200), 0, 0x207FFF) + frames(3),
         Mp3Result::Ok, 0x207FFF + 10, 3, 0x207FFF + 10 + frames(3).size()},
        // A footer flag makes the tag ten bytes longer: here they cover the first frame's start.
        {"a tag's footer", Id3v2Tag(20).replace(5, 1, "\x10") + frames(5), Mp3Result::Ok, 30 + 417, 4,
         30 + frames(5).size()},
        // A size byte with its top bit set is no ID3v2 tag: the frames are found behind it.
        {"a size that is not synchsafe", Id3v2Tag(20).replace(8, 1, "\x80") + frames(5), Mp3Result::Ok, 30, 5,
         30 + frames(5).size()},
        {"padding after the tag", Id3v2Tag(10) + std::string(1000, '\0') + frames(4), Mp3Result::Ok, 1020, 4,
         1020 + frames(4).size()},
        {"ID3v1 tag at the end", frames(6) + "TAG" + std::string(125, ' '), Mp3Result::Ok, 0, 6, frames(6).size()},
        {"last frame cut", frames(6).substr(0, frames(6).size() - 100), Mp3Result::Ok, 0, 5, frames(5).size()},
        {"resumes after damage", frames(4) + std::string(77, '\x11') + frames(4), Mp3Result::Ok, 0, 8,
         2 * frames(4).size() + 77},
        {"Info frame", info, Mp3Result::Ok, 0, 3, info.size()},
        {"empty", "", Mp3Result::NotMp3},
        {"text", "plain text\r\n", Mp3Result::NotMp3},
        {"noise", noise(200000, 1), Mp3Result::NotMp3},
        {"one header nothing follows", noise(1000, 3) + frames(1).substr(0, 4) + noise(5000, 4), Mp3Result::NotMp3},
        {"a tag alone", Id3v2Tag(500), Mp3Result::NotMp3},
        {"frames behind 64 KiB of junk", std::string(70000, '\0') + frames(5), Mp3Result::NotMp3},
        {"unreadable at once", frames(20), Mp3Result::ReadError, 0, 0, 0, 2},
        {"unreadable midway", frames(20), Mp3Result::ReadError, 0, 0, 0, 3000},
    };
    for (const auto& row : rows) {
        MemorySource source(row.bytes, row.failFrom);
        soundlib::Mp3Layout layout;
        EXPECT_EQ(soundlib::ScanMp3(source, layout), row.result) << row.what;
        if (row.result != Mp3Result::Ok) continue;
        EXPECT_EQ(std::make_tuple(layout.firstFrame, layout.frameCount, layout.endOfFrames, layout.infoFrame),
                  std::make_tuple(row.firstFrame, row.frameCount, row.endOfFrames, row.bytes == info))
            << row.what;
        EXPECT_EQ(layout.SamplesPerChannel(), row.frameCount * layout.first.samplesPerFrame) << row.what;
    }
}
