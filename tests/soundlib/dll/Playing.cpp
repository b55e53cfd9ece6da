// The installer's call sequence and generated tone files.
#include "Playing.h"

#include <cmath>
#include <cstdint>

#include "support/SoundBytes.h"

bool LibraryTest::InitLikeTheInstaller()
{
    return FSOUND_SetDriver(0) && FSOUND_Init(44100, 32, 0) && FSOUND_Stream_SetBufferSize(1000);
}

PlayRun PlayToEnd(FSOUND_STREAM* stream, DWORD limitMs)
{
    PlayRun run;
    const unsigned length = static_cast<unsigned>(FSOUND_Stream_GetLength(stream));
    const DWORD start = ::GetTickCount();
    unsigned previous = 0;
    bool first = true;
    while (::GetTickCount() - start < limitMs) {
        if (run.channel < 0) run.channel = FSOUND_Stream_Play(FSOUND_FREE, stream);
        const unsigned position = FSOUND_Stream_GetPosition(stream);
        if (first || position != previous) ++run.distinctPositions;
        if (!first && position < previous) run.neverBackwards = false;
        if (position > length) run.neverPastLength = false;
        previous = position;
        first = false;
        run.lastPosition = position;
        if (position >= length) {
            run.reachedEnd = true;
            break;
        }
        ::Sleep(1);
    }
    run.milliseconds = ::GetTickCount() - start;
    return run;
}

std::string ToneWav(unsigned channels, unsigned rate, double seconds, double hz)
{
    const unsigned frames = static_cast<unsigned>(seconds * rate);
    std::string samples;
    samples.reserve(frames * channels * 2);
    for (unsigned i = 0; i < frames; ++i) {
        const double value = 12000.0 * std::sin(2.0 * 3.14159265358979323846 * hz * i / rate);
        const auto sample = static_cast<std::int16_t>(std::lround(value));
        for (unsigned c = 0; c < channels; ++c) samples += Le16(static_cast<std::uint16_t>(sample));
    }
    return PcmWav(channels, rate, 16, samples);
}
