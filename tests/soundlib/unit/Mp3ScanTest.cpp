// Finding and counting MP3 frames, one row per file shape: tags, junk, damage, truncation and garbage.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>

#include "Mp3Scan.h"
#include "support/MemorySource.h"
#include "support/SoundBytes.h"

using soundlib::Mp3Result;

namespace {

std::string Frames(int count, unsigned versionBits = 3)
{
    std::string frames;
    for (int i = 0; i < count; ++i) {
        frames += Mp3FrameBytes(versionBits, versionBits == 3 ? 9 : 4, 0, false, i % 3 == 1);
    }
    return frames;
}

// Reproducible noise (a linear congruential generator) in which no run of frames occurs.
std::string Noise(std::size_t size, std::uint32_t seed)
{
    std::string noise(size, '\0');
    for (char& ch : noise) {
        seed = seed * 1664525u + 1013904223u;
        ch = static_cast<char>(seed >> 24);
    }
    return noise;
}

}  // namespace

TEST(Mp3Scan, EachFileShape)
{
    const std::string info = Frames(3).replace(36, 4, "Info");
    const struct {
        const char* what;
        std::string bytes;
        Mp3Result result;
        unsigned long long firstFrame = 0, frameCount = 0, endOfFrames = 0;
    } rows[] = {
        {"frames from the start", Frames(10), Mp3Result::Ok, 0, 10, Frames(10).size()},
        {"one frame filling the file", Frames(1), Mp3Result::Ok, 0, 1, 417},
        {"MPEG-2", Frames(3, 2), Mp3Result::Ok, 0, 3, Frames(3, 2).size()},
        {"after an ID3v2 tag", Id3v2Tag(300) + Frames(5), Mp3Result::Ok, 310, 5, 310 + Frames(5).size()},
        {"after two tags", Id3v2Tag(300) + Id3v2Tag(50) + Frames(5), Mp3Result::Ok, 370, 5, 370 + Frames(5).size()},
        {"padding after the tag", Id3v2Tag(10) + std::string(1000, '\0') + Frames(4), Mp3Result::Ok, 1020, 4,
         1020 + Frames(4).size()},
        {"ID3v1 tag at the end", Frames(6) + "TAG" + std::string(125, ' '), Mp3Result::Ok, 0, 6, Frames(6).size()},
        {"last frame cut", Frames(6).substr(0, Frames(6).size() - 100), Mp3Result::Ok, 0, 5, Frames(5).size()},
        {"resumes after damage", Frames(4) + std::string(77, '\x11') + Frames(4), Mp3Result::Ok, 0, 8,
         2 * Frames(4).size() + 77},
        {"Info frame", info, Mp3Result::Ok, 0, 3, info.size()},
        {"empty", "", Mp3Result::NotMp3},
        {"text", "plain text\r\n", Mp3Result::NotMp3},
        {"noise", Noise(200000, 1), Mp3Result::NotMp3},
        {"other noise", Noise(200000, 2), Mp3Result::NotMp3},
        {"one header nothing follows", Noise(1000, 3) + Frames(1).substr(0, 4) + Noise(5000, 4), Mp3Result::NotMp3},
        {"a tag alone", Id3v2Tag(500), Mp3Result::NotMp3},
        {"frames behind 64 KiB of junk", std::string(70000, '\0') + Frames(5), Mp3Result::NotMp3},
    };
    for (const auto& row : rows) {
        MemorySource source(row.bytes);
        soundlib::Mp3Layout layout;
        EXPECT_EQ(soundlib::ScanMp3(source, layout), row.result) << row.what;
        if (row.result != Mp3Result::Ok) continue;
        EXPECT_EQ(std::make_tuple(layout.firstFrame, layout.frameCount, layout.endOfFrames, layout.infoFrame),
                  std::make_tuple(row.firstFrame, row.frameCount, row.endOfFrames, row.bytes == info))
            << row.what;
        EXPECT_EQ(layout.SamplesPerChannel(), row.frameCount * layout.first.samplesPerFrame) << row.what;
    }
}

TEST(Mp3Scan, ReadFailuresAreReported)
{
    for (std::uint64_t failFrom : {2u, 3000u}) {
        MemorySource source(Frames(20), failFrom);
        soundlib::Mp3Layout layout;
        EXPECT_EQ(soundlib::ScanMp3(source, layout), Mp3Result::ReadError) << failFrom;
    }
}
