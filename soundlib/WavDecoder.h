// PCM WAV samples streamed from the file, 8-bit ones widened to 16 bits.
#pragma once

#include <memory>

#include "soundlib/ByteSource.h"
#include "soundlib/Decoder.h"
#include "soundlib/WavHeader.h"

namespace soundlib {

class WavDecoder : public Decoder {
public:
    // Returns 0 or the FSOUND error code.
    static int Open(std::unique_ptr<ByteSource> file, std::unique_ptr<Decoder>& decoder);

    PcmFormat Format() const override;
    std::uint64_t LengthBytes() const override;
    std::size_t Read(std::uint8_t* buffer, std::size_t capacity) override;
    bool Rewind() override;

private:
    WavDecoder(std::unique_ptr<ByteSource> file, const WavLayout& layout);

    std::unique_ptr<ByteSource> m_file;
    WavLayout m_layout;
    std::uint64_t m_read = 0;  // bytes of the data chunk consumed
};

}  // namespace soundlib
