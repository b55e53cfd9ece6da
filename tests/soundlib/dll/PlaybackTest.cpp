// Sound reaching an output for real: an ALSA file sink records what the device plays.
#include "Playing.h"

#include "support/SinkFile.h"
#include "support/SoundMatch.h"
#include "support/TempFolder.h"
#include "support/TestData.h"

namespace {

// The sink writes at its own pace, a little behind the device's position.
bool WaitForSink(const Samples& expected, DWORD limitMs = 3000)
{
    const DWORD start = ::GetTickCount();
    do {
        if (ContainsIgnoringSilence(SamplesOf(SinkBytes()), expected)) return true;
        ::Sleep(20);
    } while (::GetTickCount() - start < limitMs);
    return false;
}

Samples WavSamples(const std::string& wav)
{
    return SamplesOf(wav.substr(44));
}

Samples Widened(const std::string& wav8)
{
    Samples samples;
    for (std::size_t i = 44; i < wav8.size(); ++i) {
        samples.push_back(static_cast<std::int16_t>((static_cast<unsigned char>(wav8[i]) - 128) * 256));
    }
    return samples;
}

// Closes the stream as the installer's UI thread does and checks that the sink stops at once.
void CloseAndExpectSilence(FSOUND_STREAM* stream)
{
    const DWORD start = ::GetTickCount();
    EXPECT_TRUE(FSOUND_Stream_Close(stream));
    EXPECT_LT(::GetTickCount() - start, 100u) << "closing took too long";
    const long long atClose = SinkSize();
    ::Sleep(300);
    EXPECT_EQ(SinkSize(), atClose) << "samples arrived after Stream_Close";
}

}  // namespace

class Playback : public LibraryTest {
protected:
    FSOUND_STREAM* Open(const std::string& path)
    {
        FSOUND_STREAM* stream = FSOUND_Stream_Open(path.c_str(), kInstallerMode, 0, 0);
        EXPECT_NE(stream, nullptr) << path << ": error " << FSOUND_GetError();
        return stream;
    }
};

TEST_F(Playback, WavSamplesArriveUnchanged)
{
    ASSERT_TRUE(InitLikeTheInstaller());
    FSOUND_STREAM* stream = Open(DataPath("tone-16bit-mono.wav"));
    ASSERT_NE(stream, nullptr);
    const PlayRun run = PlayToEnd(stream);
    EXPECT_EQ(run.channel, 0);
    EXPECT_TRUE(run.reachedEnd);
    EXPECT_EQ(run.lastPosition, 22050u);
    EXPECT_TRUE(run.neverBackwards);
    EXPECT_TRUE(run.neverPastLength);
    EXPECT_TRUE(WaitForSink(WavSamples(ReadDataFile("tone-16bit-mono.wav"))));
    CloseAndExpectSilence(stream);
}

TEST_F(Playback, EightBitWavArrivesWidened)
{
    ASSERT_TRUE(InitLikeTheInstaller());
    FSOUND_STREAM* stream = Open(DataPath("tone-8bit-stereo.wav"));
    ASSERT_NE(stream, nullptr);
    const PlayRun run = PlayToEnd(stream);
    EXPECT_TRUE(run.reachedEnd);
    EXPECT_EQ(run.lastPosition, 22048u);
    EXPECT_TRUE(WaitForSink(Widened(ReadDataFile("tone-8bit-stereo.wav"))));
    CloseAndExpectSilence(stream);
}

TEST_F(Playback, Mp3ToneArrivesOnBothChannels)
{
    ASSERT_TRUE(InitLikeTheInstaller());
    FSOUND_STREAM* stream = Open(DataPath("tone-stereo-44100.mp3"));
    ASSERT_NE(stream, nullptr);
    const unsigned length = static_cast<unsigned>(FSOUND_Stream_GetLength(stream));
    const PlayRun run = PlayToEnd(stream);
    EXPECT_TRUE(run.reachedEnd);
    EXPECT_EQ(run.lastPosition, length);
    EXPECT_TRUE(run.neverPastLength);
    ::Sleep(300);
    const Samples recorded = SamplesOf(SinkBytes());
    const Samples left = Audible(Channel(recorded, 2, 0), 1000);
    const Samples right = Audible(Channel(recorded, 2, 1), 1000);
    // The file holds one second of 441 Hz on the left and 882 Hz on the right.
    EXPECT_GT(ShareAtFrequency(left, 44100, 441.0), 0.8);
    EXPECT_LT(ShareAtFrequency(left, 44100, 882.0), 0.05);
    EXPECT_GT(ShareAtFrequency(right, 44100, 882.0), 0.8);
    EXPECT_NEAR(static_cast<double>(left.size()), 44100.0, 1500.0);
    EXPECT_NEAR(static_cast<double>(right.size()), 44100.0, 1500.0);
    CloseAndExpectSilence(stream);
}

TEST_F(Playback, MpegTwoMonoMp3Arrives)
{
    ASSERT_TRUE(InitLikeTheInstaller());
    FSOUND_STREAM* stream = Open(DataPath("tone-mono-22050.mp3"));
    ASSERT_NE(stream, nullptr);
    const PlayRun run = PlayToEnd(stream);
    EXPECT_TRUE(run.reachedEnd);
    ::Sleep(300);
    const Samples recorded = Audible(SamplesOf(SinkBytes()), 1000);
    EXPECT_GT(ShareAtFrequency(recorded, 22050, 441.0), 0.8);
    EXPECT_NEAR(static_cast<double>(recorded.size()), 11025.0, 1000.0);
    CloseAndExpectSilence(stream);
}

TEST_F(Playback, OggVorbisArrives)
{
    ASSERT_TRUE(InitLikeTheInstaller());
    TempFolder folder;
    const std::string ogg = ReadDataFile("tone-mono.ogg");
    // Inside a bundle the next sound follows at once: only the section itself may be heard.
    folder.Write("bundle.dat", std::string(100, 'x') + ogg + ogg);
    const struct {
        std::string path;
        int offset;
        int length;
    } sounds[] = {{DataPath("tone-mono.ogg"), 0, 0}, {folder / "bundle.dat", 100, static_cast<int>(ogg.size())}};
    for (const auto& sound : sounds) {
        FSOUND_STREAM* stream = FSOUND_Stream_Open(sound.path.c_str(), kInstallerMode, sound.offset, sound.length);
        ASSERT_NE(stream, nullptr) << sound.path << ": error " << FSOUND_GetError();
        const PlayRun run = PlayToEnd(stream);
        EXPECT_TRUE(run.reachedEnd) << sound.path;
        EXPECT_EQ(run.lastPosition, 22050u) << sound.path;
        ::Sleep(300);
        const Samples recorded = Audible(SamplesOf(SinkBytes()), 1000);
        EXPECT_GT(ShareAtFrequency(recorded, 22050, 441.0), 0.8) << sound.path;
        EXPECT_NEAR(static_cast<double>(recorded.size()), 11025.0, 500.0) << sound.path;
        CloseAndExpectSilence(stream);
    }
}

TEST_F(Playback, PositionFollowsTheDevice)
{
    ASSERT_TRUE(InitLikeTheInstaller());
    TempFolder folder;
    folder.Write("long.wav", ToneWav(2, 44100, 3.0, 441.0));
    FSOUND_STREAM* stream = Open(folder / "long.wav");
    ASSERT_NE(stream, nullptr);
    ASSERT_GE(FSOUND_Stream_Play(FSOUND_FREE, stream), 0);
    ::Sleep(100);
    const unsigned early = FSOUND_Stream_GetPosition(stream);
    EXPECT_GT(early, 0u);
    EXPECT_LT(early, 3u * 176400u / 2);
    const PlayRun run = PlayToEnd(stream);
    EXPECT_TRUE(run.reachedEnd);
    EXPECT_TRUE(run.neverBackwards);
    // Not one jump from start to end: the position moves buffer by buffer or finer.
    EXPECT_GT(run.distinctPositions, 8);
    CloseAndExpectSilence(stream);
}

TEST_F(Playback, CloseCutsTheSoundShort)
{
    ASSERT_TRUE(InitLikeTheInstaller());
    TempFolder folder;
    const std::string wav = ToneWav(1, 22050, 4.0, 441.0);
    folder.Write("long.wav", wav);
    FSOUND_STREAM* stream = Open(folder / "long.wav");
    ASSERT_NE(stream, nullptr);
    const unsigned length = static_cast<unsigned>(FSOUND_Stream_GetLength(stream));
    ASSERT_GE(FSOUND_Stream_Play(FSOUND_FREE, stream), 0);
    const DWORD start = ::GetTickCount();
    while (FSOUND_Stream_GetPosition(stream) < length / 8 && ::GetTickCount() - start < 5000) ::Sleep(1);
    EXPECT_LT(FSOUND_Stream_GetPosition(stream), length);
    CloseAndExpectSilence(stream);
    EXPECT_FALSE(ContainsIgnoringSilence(SamplesOf(SinkBytes()), WavSamples(wav)));
}

TEST_F(Playback, PlayingAgainStartsOver)
{
    ASSERT_TRUE(InitLikeTheInstaller());
    FSOUND_STREAM* stream = Open(DataPath("tone-mono-22050.mp3"));
    ASSERT_NE(stream, nullptr);
    ASSERT_TRUE(PlayToEnd(stream).reachedEnd);
    const int channel = FSOUND_Stream_Play(FSOUND_FREE, stream);
    EXPECT_EQ(channel, 0);
    EXPECT_LT(FSOUND_Stream_GetPosition(stream), static_cast<unsigned>(FSOUND_Stream_GetLength(stream)));
    const PlayRun again = PlayToEnd(stream);
    EXPECT_TRUE(again.reachedEnd);
    CloseAndExpectSilence(stream);
}

TEST_F(Playback, NextToNoProcessorTimeWhilePlaying)
{
    ASSERT_TRUE(InitLikeTheInstaller());
    TempFolder folder;
    folder.Write("long.wav", ToneWav(2, 44100, 4.0, 441.0));
    FSOUND_STREAM* stream = Open(folder / "long.wav");
    ASSERT_NE(stream, nullptr);
    const unsigned length = static_cast<unsigned>(FSOUND_Stream_GetLength(stream));
    const auto cpuMs = [] {
        FILETIME created, ended, kernel, user;
        ::GetProcessTimes(::GetCurrentProcess(), &created, &ended, &kernel, &user);
        const auto ms = [](const FILETIME& t) {
            return ((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000;
        };
        return ms(kernel) + ms(user);
    };
    ASSERT_GE(FSOUND_Stream_Play(FSOUND_FREE, stream), 0);
    const unsigned long long cpuBefore = cpuMs();
    const DWORD start = ::GetTickCount();
    while (FSOUND_Stream_GetPosition(stream) < length && ::GetTickCount() - start < 15000) ::Sleep(50);
    const DWORD wall = ::GetTickCount() - start;
    const unsigned long long cpu = cpuMs() - cpuBefore;
    std::printf("[ measure ] %u bytes played in %lu ms wall, %llu ms processor time (whole process)\n", length,
                static_cast<unsigned long>(wall), cpu);
    EXPECT_GT(wall, 200u);
    EXPECT_LT(cpu * 100, wall * 10ull) << "more than 10% of one core while playing";
    CloseAndExpectSilence(stream);
}
