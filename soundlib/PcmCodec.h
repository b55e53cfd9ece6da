// A codec that turns compressed bytes into 16-bit PCM step by step: the platform's, or a stand-in.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "soundlib/Mp3Frame.h"

namespace soundlib {

class PcmCodec {
public:
    virtual ~PcmCodec() = default;

    // Room for the next input, after what the codec left unconsumed.
    virtual std::uint8_t* FreeSource() = 0;
    virtual std::size_t FreeSourceBytes() const = 0;
    virtual void SourceAdded(std::size_t bytes) = 0;

    // Converts the pending input; `last` also drains what the codec holds back. False on a codec failure.
    virtual bool Convert(bool last) = 0;

    // What the last Convert produced and how much of the input it took.
    virtual const std::uint8_t* Output() const = 0;
    virtual std::size_t OutputBytes() const = 0;
    virtual std::size_t ConsumedBytes() const = 0;
};

// Makes a codec for MP3 frames like `first`, or returns null when the system has none.
using Mp3CodecMaker = std::unique_ptr<PcmCodec> (*)(const Mp3FrameHeader& first);

}  // namespace soundlib
