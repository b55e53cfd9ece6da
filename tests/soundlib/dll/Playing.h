// Driving the sound library the way the installer does, for the tests that link it.
#pragma once

#include <gtest/gtest.h>

#include "soundlib/fsound.h"
#include "tests/support/WaitUntil.h"

// The mode bits the installer passes to Stream_Open (music/MusicPlayer.cpp).
constexpr unsigned kInstallerMode = FSOUND_16BITS | FSOUND_MONO | FSOUND_SIGNED | FSOUND_MPEGACCURATE;

class LibraryTest : public ::testing::Test {
protected:
    // The library keeps its state for the whole process: every test ends shut down.
    void TearDown() override { FSOUND_Close(); }

    // SetDriver(0), Init(44100, 32, 0), Stream_SetBufferSize(1000).
    static bool InitLikeTheInstaller()
    {
        return FSOUND_SetDriver(0) && FSOUND_Init(44100, 32, 0) && FSOUND_Stream_SetBufferSize(1000);
    }
};

struct PlayRun {
    bool reachedEnd = false;
    unsigned lastPosition = 0;
    int channel = -1;
};

// The installer's worker loop (Play until it gets a channel, then poll the position until it reaches
// the length), with a 1 ms sleep where the installer spins, and a limit of 15 s.
inline PlayRun PlayToEnd(FSOUND_STREAM* stream)
{
    PlayRun run;
    const unsigned length = static_cast<unsigned>(FSOUND_Stream_GetLength(stream));
    run.reachedEnd = WaitUntil([&] {
        if (run.channel < 0) run.channel = FSOUND_Stream_Play(FSOUND_FREE, stream);
        run.lastPosition = FSOUND_Stream_GetPosition(stream);
        return run.lastPosition >= length;
    }, 15000, 1);
    return run;
}
