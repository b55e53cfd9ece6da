// stb_vorbis over a FILE section; more than two channels are mixed down to stereo.
#include "VorbisDecoder.h"

#include <cstdio>

// Declarations only: StbVorbis.c holds the implementation.
#define STB_VORBIS_HEADER_ONLY
#include <stb_vorbis.h>

#include "fsound.h"

namespace soundlib {

int VorbisDecoder::Open(const char* name, std::uint64_t offset, std::uint64_t length, std::unique_ptr<Decoder>& decoder)
{
    std::FILE* file = std::fopen(name, "rb");
    if (!file) return FSOUND_ERR_FILE_NOTFOUND;
    if (std::fseek(file, static_cast<long>(offset), SEEK_SET) != 0) {
        std::fclose(file);
        return FSOUND_ERR_FILE_BAD;
    }
    if (length == 0) {
        std::fseek(file, 0, SEEK_END);
        const long end = std::ftell(file);
        std::fseek(file, static_cast<long>(offset), SEEK_SET);
        length = end > static_cast<long>(offset) ? static_cast<std::uint64_t>(end) - offset : 0;
    }
    int error = 0;
    // stb_vorbis owns the FILE from here on and closes it on every path.
    stb_vorbis* vorbis = stb_vorbis_open_file_section(file, 1, &error, nullptr, static_cast<unsigned>(length));
    if (!vorbis) {
        return error == VORBIS_outofmem ? FSOUND_ERR_MEMORY
               : error == VORBIS_unexpected_eof || error == VORBIS_file_open_failure ? FSOUND_ERR_FILE_BAD
                                                                                        : FSOUND_ERR_FILE_FORMAT;
    }
    const stb_vorbis_info info = stb_vorbis_get_info(vorbis);
    PcmFormat format{info.sample_rate, info.channels >= 2 ? 2u : 1u};
    const std::uint64_t samples = stb_vorbis_stream_length_in_samples(vorbis);
    decoder.reset(new VorbisDecoder(vorbis, format, samples * format.BlockAlign()));
    return FSOUND_ERR_NONE;
}

VorbisDecoder::VorbisDecoder(stb_vorbis* vorbis, PcmFormat format, std::uint64_t length)
    : m_vorbis(vorbis), m_format(format), m_length(length)
{
}

VorbisDecoder::~VorbisDecoder()
{
    stb_vorbis_close(m_vorbis);
}

std::size_t VorbisDecoder::Read(std::uint8_t* buffer, std::size_t capacity)
{
    const int channels = static_cast<int>(m_format.channels);
    const int shorts = static_cast<int>(capacity / 2) / channels * channels;
    const int frames =
        stb_vorbis_get_samples_short_interleaved(m_vorbis, channels, reinterpret_cast<short*>(buffer), shorts);
    return static_cast<std::size_t>(frames) * m_format.BlockAlign();
}

bool VorbisDecoder::Rewind()
{
    return stb_vorbis_seek_start(m_vorbis) != 0;
}

}  // namespace soundlib
