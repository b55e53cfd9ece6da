// WAV data chunk reading and 8-bit widening.
#include "soundlib/WavDecoder.h"

#include "soundlib/PcmConvert.h"
#include "soundlib/fsound.h"

namespace soundlib {

int WavDecoder::Open(std::unique_ptr<ByteSource> file, std::unique_ptr<Decoder>& decoder)
{
    WavLayout layout;
    switch (ParseWav(*file, layout)) {
    case WavResult::Ok: break;
    case WavResult::NotWav:
    case WavResult::Unsupported: return FSOUND_ERR_FILE_FORMAT;
    case WavResult::Truncated:
    case WavResult::ReadError: return FSOUND_ERR_FILE_BAD;
    }
    decoder.reset(new WavDecoder(std::move(file), layout));
    return FSOUND_ERR_NONE;
}

WavDecoder::WavDecoder(std::unique_ptr<ByteSource> file, const WavLayout& layout)
    : m_file(std::move(file)), m_layout(layout)
{
}

PcmFormat WavDecoder::Format() const
{
    return PcmFormat{m_layout.sampleRate, m_layout.channels};
}

std::uint64_t WavDecoder::LengthBytes() const
{
    return m_layout.bitsPerSample == 8 ? m_layout.dataBytes * 2 : m_layout.dataBytes;
}

std::size_t WavDecoder::Read(std::uint8_t* buffer, std::size_t capacity)
{
    const bool widen = m_layout.bitsPerSample == 8;
    const unsigned outAlign = Format().BlockAlign();
    capacity -= capacity % outAlign;
    std::size_t wanted = widen ? capacity / 2 : capacity;
    const std::uint64_t rest = m_layout.dataBytes - m_read;
    if (wanted > rest) wanted = static_cast<std::size_t>(rest);
    std::size_t got = m_file->ReadAt(m_layout.dataOffset + m_read, buffer, wanted);
    got -= got % m_layout.BlockAlign();
    m_read += got;
    if (!widen) return got;
    Widen8BitSamples(buffer, got, buffer);
    return got * 2;
}

bool WavDecoder::Rewind()
{
    m_read = 0;
    return true;
}

}  // namespace soundlib
