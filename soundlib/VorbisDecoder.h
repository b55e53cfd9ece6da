// Ogg Vorbis decoded by stb_vorbis, read straight from the file.
#pragma once

#include <memory>

#include "Decoder.h"

typedef struct stb_vorbis stb_vorbis;

namespace soundlib {

class VorbisDecoder : public Decoder {
public:
    // Returns 0 or the FSOUND error code.
    static int Open(const char* name, std::uint64_t offset, std::uint64_t length, std::unique_ptr<Decoder>& decoder);
    ~VorbisDecoder() override;
    VorbisDecoder(const VorbisDecoder&) = delete;
    VorbisDecoder& operator=(const VorbisDecoder&) = delete;

    PcmFormat Format() const override { return m_format; }
    std::uint64_t LengthBytes() const override { return m_length; }
    std::size_t Read(std::uint8_t* buffer, std::size_t capacity) override;
    bool Rewind() override;

private:
    VorbisDecoder(stb_vorbis* vorbis, PcmFormat format, std::uint64_t length);

    stb_vorbis* m_vorbis;
    PcmFormat m_format;
    std::uint64_t m_length;
};

}  // namespace soundlib
