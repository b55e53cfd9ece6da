// MP3 frames decoded by a PcmCodec (the system's, in the library).
#pragma once

#include <memory>

#include "soundlib/ByteSource.h"
#include "soundlib/Decoder.h"
#include "soundlib/Mp3Scan.h"
#include "soundlib/PcmCodec.h"

namespace soundlib {

class Mp3Decoder : public Decoder {
public:
    // Returns 0 or the FSOUND error code.
    static int Open(std::unique_ptr<ByteSource> file, Mp3CodecMaker makeCodec, std::unique_ptr<Decoder>& decoder);

    PcmFormat Format() const override;
    std::uint64_t LengthBytes() const override;
    std::size_t Read(std::uint8_t* buffer, std::size_t capacity) override;
    bool Rewind() override;

private:
    Mp3Decoder(std::unique_ptr<ByteSource> file, const Mp3Layout& layout, Mp3CodecMaker makeCodec);
    bool DecodeMore();

    std::unique_ptr<ByteSource> m_file;
    Mp3Layout m_layout;
    Mp3CodecMaker m_makeCodec;
    std::unique_ptr<PcmCodec> m_codec;  // never null once opened: a failed restart keeps the old one
    std::uint64_t m_fed = 0;            // file offset of the next byte for the codec
    std::size_t m_outputTaken = 0;      // bytes of the codec's last output already handed out
    bool m_drained = false;
};

}  // namespace soundlib
