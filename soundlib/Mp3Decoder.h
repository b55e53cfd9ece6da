// MP3 frames decoded by the system's Audio Compression Manager codec.
#pragma once

#include <memory>

#include "AcmStream.h"
#include "Decoder.h"
#include "FileSource.h"
#include "Mp3Scan.h"

namespace soundlib {

class Mp3Decoder : public Decoder {
public:
    // Returns 0 or the FSOUND error code.
    static int Open(std::unique_ptr<FileSource> file, std::unique_ptr<Decoder>& decoder);

    PcmFormat Format() const override;
    std::uint64_t LengthBytes() const override;
    std::size_t Read(std::uint8_t* buffer, std::size_t capacity) override;
    bool Rewind() override;

private:
    Mp3Decoder(std::unique_ptr<FileSource> file, const Mp3Layout& layout);
    bool StartCodec();
    bool DecodeMore();

    std::unique_ptr<FileSource> m_file;
    Mp3Layout m_layout;
    std::unique_ptr<AcmStream> m_codec;
    std::uint64_t m_fed = 0;        // file offset of the next byte for the codec
    std::size_t m_outputTaken = 0;  // bytes of the codec's last output already handed out
    bool m_drained = false;
};

}  // namespace soundlib
