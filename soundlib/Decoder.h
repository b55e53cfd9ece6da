// What the player needs from a decoder: 16-bit PCM, its format and its total size.
#pragma once

#include <cstddef>
#include <cstdint>

namespace soundlib {

// The sample rates any decoder may hand out: the output counts its buffers from them.
constexpr unsigned kMinSampleRate = 1000;
constexpr unsigned kMaxSampleRate = 384000;

struct PcmFormat {
    unsigned sampleRate = 0;
    unsigned channels = 0;

    unsigned BlockAlign() const { return channels * 2; }
};

class Decoder {
public:
    virtual ~Decoder() = default;

    virtual PcmFormat Format() const = 0;
    // Bytes of 16-bit PCM the whole sound decodes to.
    virtual std::uint64_t LengthBytes() const = 0;
    // Up to `capacity` bytes of whole sample frames; 0 once the sound is over (or unreadable).
    virtual std::size_t Read(std::uint8_t* buffer, std::size_t capacity) = 0;
    // Back to the beginning, for a stream played again.
    virtual bool Rewind() = 0;
};

}  // namespace soundlib
