// Ogg Vorbis decoded by stb_vorbis from the bytes of its (bounded) source.
#pragma once

#include <memory>
#include <vector>

#include "soundlib/ByteSource.h"
#include "soundlib/Decoder.h"

typedef struct stb_vorbis stb_vorbis;

namespace soundlib {

class VorbisDecoder : public Decoder {
public:
    // Returns 0 or the FSOUND error code.
    static int Open(std::unique_ptr<ByteSource> file, std::unique_ptr<Decoder>& decoder);
    ~VorbisDecoder() override;
    VorbisDecoder(const VorbisDecoder&) = delete;
    VorbisDecoder& operator=(const VorbisDecoder&) = delete;

    PcmFormat Format() const override { return m_format; }
    std::uint64_t LengthBytes() const override { return m_length; }
    std::size_t Read(std::uint8_t* buffer, std::size_t capacity) override;
    bool Rewind() override;

private:
    VorbisDecoder(std::vector<std::uint8_t> bytes, stb_vorbis* vorbis, PcmFormat format, std::uint64_t length);

    std::vector<std::uint8_t> m_bytes;  // what stb_vorbis decodes from; outlives it
    stb_vorbis* m_vorbis;
    PcmFormat m_format;
    std::uint64_t m_length;
};

}  // namespace soundlib
