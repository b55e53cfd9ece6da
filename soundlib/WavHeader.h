// Where the samples of a RIFF/WAVE file are and how they are laid out.
#pragma once

#include <cstdint>

#include "soundlib/ByteSource.h"

namespace soundlib {

struct WavLayout {
    unsigned channels = 0;
    unsigned sampleRate = 0;
    unsigned bitsPerSample = 0;
    std::uint64_t dataOffset = 0;
    std::uint64_t dataBytes = 0;  // whole sample frames only

    unsigned BlockAlign() const { return channels * bitsPerSample / 8; }
};

enum class WavResult {
    Ok,
    NotWav,       // no RIFF/WAVE signature
    Unsupported,  // a WAV, but not 8/16-bit PCM in one or two channels
    Truncated,    // the chunks or the samples end before they say they do
    ReadError,
};

WavResult ParseWav(ByteSource& source, WavLayout& layout);

}  // namespace soundlib
