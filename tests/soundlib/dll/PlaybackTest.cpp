// Sound reaching an output for real: an ALSA file sink records what the device plays.
#include "tests/soundlib/dll/Playing.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "tests/support/HostPath.h"
#include "tests/support/SoundBytes.h"
#include "tests/support/TempFolder.h"
#include "tests/support/WaitUntil.h"

namespace {

using Samples = std::vector<std::int16_t>;

Samples SamplesOf(const std::string& pcm16)
{
    Samples samples(pcm16.size() / 2);
    if (!samples.empty()) std::memcpy(samples.data(), pcm16.data(), samples.size() * 2);
    return samples;
}

// Every sample the sink (VELAN_SINK_FILE) has written so far; it may still be writing.
Samples SinkSamples()
{
    std::ifstream in(HostPathFromEnvironment("VELAN_SINK_FILE"), std::ios::binary);
    return SamplesOf(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
}

// Whether `expected` appears in `recorded` in one piece once zero samples are dropped from both:
// the output may insert silence (before the start, on underruns, after the end) but no other change.
bool ContainsIgnoringSilence(const Samples& recorded, const Samples& expected)
{
    Samples haystack, needle;
    std::copy_if(recorded.begin(), recorded.end(), std::back_inserter(haystack), [](std::int16_t s) { return s != 0; });
    std::copy_if(expected.begin(), expected.end(), std::back_inserter(needle), [](std::int16_t s) { return s != 0; });
    return std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end()) != haystack.end();
}

// One channel of interleaved samples, from its first to its last sample louder than 1000:
// silence around a sound would dilute ShareAtFrequency.
Samples AudibleChannel(const Samples& interleaved, unsigned channels, unsigned channel)
{
    Samples one;
    for (std::size_t i = channel; i < interleaved.size(); i += channels) one.push_back(interleaved[i]);
    const auto loud = [](std::int16_t s) { return std::abs(static_cast<int>(s)) > 1000; };
    const auto first = std::find_if(one.begin(), one.end(), loud);
    if (first == one.end()) return Samples();
    return Samples(first, std::find_if(one.rbegin(), one.rend(), loud).base());
}

// Share of the signal's energy at `frequency` (its Fourier coefficient there), between 0 and 1.
double ShareAtFrequency(const Samples& mono, unsigned sampleRate, double frequency)
{
    const double step = 2.0 * 3.14159265358979323846 * frequency / sampleRate;
    double real = 0.0, imaginary = 0.0, energy = 0.0;
    for (std::size_t i = 0; i < mono.size(); ++i) {
        real += mono[i] * std::cos(step * i);
        imaginary += mono[i] * std::sin(step * i);
        energy += static_cast<double>(mono[i]) * mono[i];
    }
    // A pure tone of N samples gives a squared coefficient of energy * N / 2.
    return energy == 0.0 ? 0.0 : (real * real + imaginary * imaginary) / (energy * mono.size() / 2.0);
}

// Closes the stream as the installer's UI thread does and checks that the sink stops at once.
void CloseAndExpectSilence(FSOUND_STREAM* stream)
{
    const DWORD start = ::GetTickCount();
    EXPECT_TRUE(FSOUND_Stream_Close(stream));
    EXPECT_LT(::GetTickCount() - start, 100u) << "closing took too long";
    EXPECT_FALSE(SinkGrowsWithin(300)) << "samples arrived after Stream_Close";
}

}  // namespace

using Playback = LibraryTest;

TEST_F(Playback, EachFormatArrives)
{
    ASSERT_TRUE(InitLikeTheInstaller());
    TempFolder folder;
    const std::string ogg = ReadSoundData("tone-mono.ogg");
    // Inside a bundle the next sound follows at once: only the section itself may be heard.
    folder.Write("bundle.dat", std::string(100, 'x') + ogg + ogg);
    const struct {
        std::string path;
        int offset, size;
        unsigned length;
        Samples exact;  // the samples themselves, or else (channels > 0) tones of `hz` lasting `frames`
        unsigned rate = 0, channels = 0;
        double hz[2] = {}, frames = 0, tolerance = 0;
    } rows[] = {
        {SoundDataPath("tone-16bit-mono.wav"), 0, 0, 22050, SamplesOf(ReadSoundData("tone-16bit-mono.wav").substr(44))},
        // One second of 441 Hz on the left and 882 Hz on the right.
        {SoundDataPath("tone-stereo-44100.mp3"), 0, 0, 41 * 1152 * 4, {}, 44100, 2, {441, 882}, 44100, 1500},
        {SoundDataPath("tone-mono-22050.mp3"), 0, 0, 22 * 576 * 2, {}, 22050, 1, {441}, 11025, 1000},
        {folder / "bundle.dat", 100, static_cast<int>(ogg.size()), 22050, {}, 22050, 1, {441}, 11025, 500},
    };
    for (const auto& row : rows) {
        FSOUND_STREAM* stream = FSOUND_Stream_Open(row.path.c_str(), kInstallerMode, row.offset, row.size);
        ASSERT_NE(stream, nullptr) << row.path << ": error " << FSOUND_GetError();
        const PlayRun run = PlayToEnd(stream);
        EXPECT_EQ(run.channel, 0) << row.path;
        EXPECT_TRUE(run.reachedEnd) << row.path;
        EXPECT_EQ(run.lastPosition, row.length) << row.path;
        // The sink writes at its own pace, a little behind the device's position.
        Samples recorded;
        WaitUntil([&] {
            recorded = SinkSamples();
            if (!row.exact.empty() && !ContainsIgnoringSilence(recorded, row.exact)) return false;
            for (unsigned c = 0; c < row.channels; ++c) {
                if (AudibleChannel(recorded, row.channels, c).size() + row.tolerance < row.frames) return false;
            }
            return true;
        }, 3000);
        EXPECT_TRUE(row.exact.empty() || ContainsIgnoringSilence(recorded, row.exact)) << row.path;
        for (unsigned c = 0; c < row.channels; ++c) {
            const Samples heard = AudibleChannel(recorded, row.channels, c);
            EXPECT_GT(ShareAtFrequency(heard, row.rate, row.hz[c]), 0.8) << row.path << " channel " << c;
            EXPECT_NEAR(static_cast<double>(heard.size()), row.frames, row.tolerance) << row.path << " channel " << c;
            if (c == 0 && row.channels == 2) {
                EXPECT_LT(ShareAtFrequency(heard, row.rate, row.hz[1]), 0.05) << "the right tone on the left";
            }
        }
        CloseAndExpectSilence(stream);
    }
}

TEST_F(Playback, PositionFollowsTheDeviceAndCloseCutsItShort)
{
    ASSERT_TRUE(InitLikeTheInstaller());
    TempFolder folder;
    // Four seconds of one loud sample value: never silent, so the sink shows how much of it played.
    const std::string wav = PcmWav(1, 22050, 16, std::string(22050 * 4 * 2, '\x10'));
    folder.Write("long.wav", wav);
    FSOUND_STREAM* stream = FSOUND_Stream_Open((folder / "long.wav").c_str(), kInstallerMode, 0, 0);
    ASSERT_NE(stream, nullptr) << FSOUND_GetError();
    const unsigned length = static_cast<unsigned>(FSOUND_Stream_GetLength(stream));
    ASSERT_EQ(FSOUND_Stream_Play(FSOUND_FREE, stream), 0);
    int distinct = 0;
    unsigned previous = 0;
    // Looked at every 10 ms, finer than a buffer of the device lasts.
    WaitUntil([&] {
        const unsigned position = FSOUND_Stream_GetPosition(stream);
        if (position >= length / 4 * 3) return true;
        EXPECT_GE(position, previous);
        if (position != previous) ++distinct;
        previous = position;
        return false;
    }, 10000, 10);
    // Not one jump from start to end: the position moves buffer by buffer or finer.
    EXPECT_GT(distinct, 8);
    EXPECT_LT(FSOUND_Stream_GetPosition(stream), length);
    CloseAndExpectSilence(stream);
    EXPECT_FALSE(ContainsIgnoringSilence(SinkSamples(), SamplesOf(wav.substr(44))));
}

TEST_F(Playback, CodesOnlyTheLibraryGives)
{
    TempFolder folder;
    folder.Write("long.wav", PcmWav(1, 22050, 16, std::string(20 * 22050 * 2, '\0')));
    const std::string path = folder / "long.wav";
    ASSERT_TRUE(InitLikeTheInstaller());
    for (const std::string& missing : {folder / "missing.mp3", folder / "no folder\\music.mp3"}) {
        EXPECT_EQ(FSOUND_Stream_Open(missing.c_str(), kInstallerMode, 0, 0), nullptr);
        EXPECT_EQ(FSOUND_GetError(), FSOUND_ERR_FILE_NOTFOUND) << missing;
    }
    FSOUND_STREAM* bogus = reinterpret_cast<FSOUND_STREAM*>(0x1234);
    EXPECT_EQ(FSOUND_Stream_GetLength(nullptr), 0);
    EXPECT_EQ(FSOUND_GetError(), FSOUND_ERR_INVALID_PARAM);
    EXPECT_EQ(FSOUND_Stream_Play(FSOUND_FREE, bogus), -1);
    EXPECT_EQ(FSOUND_GetError(), FSOUND_ERR_INVALID_PARAM);
    EXPECT_FALSE(FSOUND_Stream_Close(bogus));
    // Long enough that none of them ends while the others start (the sink plays faster than real time).
    std::vector<FSOUND_STREAM*> streams;
    for (int i = 0; i < 33; ++i) {
        streams.push_back(FSOUND_Stream_Open(path.c_str(), kInstallerMode, 0, 0));
        ASSERT_NE(streams.back(), nullptr);
    }
    for (int i = 0; i < 32; ++i) EXPECT_EQ(FSOUND_Stream_Play(FSOUND_FREE, streams[i]), i) << FSOUND_GetError();
    EXPECT_EQ(FSOUND_Stream_Play(FSOUND_FREE, streams[32]), -1);
    EXPECT_EQ(FSOUND_GetError(), FSOUND_ERR_CHANNEL_ALLOC);
    // Playing a stream that plays already keeps its channel; closing one frees its channel.
    EXPECT_EQ(FSOUND_Stream_Play(FSOUND_FREE, streams[5]), 5);
    EXPECT_TRUE(FSOUND_Stream_Close(streams[3]));
    EXPECT_EQ(FSOUND_Stream_Play(FSOUND_FREE, streams[32]), 3);
}
