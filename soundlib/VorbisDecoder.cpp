// stb_vorbis over the section's bytes in memory; more than two channels are mixed down to stereo.
#include "soundlib/VorbisDecoder.h"

#include <climits>

// Declarations only: StbVorbis.c holds the implementation.
#define STB_VORBIS_HEADER_ONLY
#include <stb_vorbis.h>

#include "soundlib/StbHeap.h"
#include "soundlib/VorbisComments.h"
#include "soundlib/fsound.h"

namespace soundlib {
namespace {

// What stb_vorbis may allocate for a file beyond its comments: the test sound needs 167 KiB in the
// 64-bit build (stb's author reports at most about 150 KiB in his files); six times that before a
// file counts as hostile. The same in both builds, so that both accept the same files.
constexpr std::size_t kStbSetupBytes = 1024 * 1024;
// The stack stb_vorbis takes per decoded packet (alloca): 2 KiB for the test sounds, 16 KiB for the
// largest block size Vorbis allows; more means a setup only a hostile file has. Opening already
// decoded one packet, but stb's worst case (512 KiB) still fits a thread's default 1 MiB stack.
constexpr unsigned kStbStackBytes = 64 * 1024;

struct CloseVorbis {
    void operator()(stb_vorbis* vorbis) const { stb_vorbis_close(vorbis); }
};

int OpenErrorCode(int error)
{
    switch (error) {
    case VORBIS_outofmem: return FSOUND_ERR_MEMORY;
    case VORBIS_unexpected_eof: return FSOUND_ERR_FILE_BAD;
    default: return FSOUND_ERR_FILE_FORMAT;
    }
}

}  // namespace

int VorbisDecoder::Open(std::unique_ptr<ByteSource> file, std::unique_ptr<Decoder>& decoder)
{
    // stb_vorbis reads either a whole FILE, past any section, or memory it is given: so the
    // compressed section is read into memory, and only the source's bounds are ever read.
    const std::uint64_t size = file->Size();
    if (size > static_cast<std::uint64_t>(INT_MAX)) return FSOUND_ERR_MEMORY;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (!ReadExactly(*file, 0, bytes.data(), bytes.size())) return FSOUND_ERR_FILE_BAD;
    const VorbisComments comments = CheckVorbisComments(bytes.data(), bytes.size());
    if (comments.error != 0) return comments.error;
    int error = 0;
    std::unique_ptr<stb_vorbis, CloseVorbis> vorbis;
    {
        StbHeapBudget budget(kStbSetupBytes + comments.heapBytes);
        vorbis.reset(stb_vorbis_open_memory(bytes.data(), static_cast<int>(bytes.size()), &error, nullptr));
        if (!vorbis) return budget.Exceeded() ? FSOUND_ERR_FILE_FORMAT : OpenErrorCode(error);
        budget.Keep();
    }
    const stb_vorbis_info info = stb_vorbis_get_info(vorbis.get());
    if (info.sample_rate < kMinSampleRate || info.sample_rate > kMaxSampleRate || info.channels < 1 ||
        info.temp_memory_required > kStbStackBytes) {
        return FSOUND_ERR_FILE_FORMAT;
    }
    const PcmFormat format{info.sample_rate, info.channels >= 2 ? 2u : 1u};
    const std::uint64_t samples = stb_vorbis_stream_length_in_samples(vorbis.get());
    decoder.reset(new VorbisDecoder(std::move(bytes), vorbis.get(), format, samples * format.BlockAlign()));
    vorbis.release();
    return FSOUND_ERR_NONE;
}

VorbisDecoder::VorbisDecoder(std::vector<std::uint8_t> bytes, stb_vorbis* vorbis, PcmFormat format,
                             std::uint64_t length)
    : m_bytes(std::move(bytes)), m_vorbis(vorbis), m_format(format), m_length(length)
{
}

VorbisDecoder::~VorbisDecoder()
{
    stb_vorbis_close(m_vorbis);
}

std::size_t VorbisDecoder::Read(std::uint8_t* buffer, std::size_t capacity)
{
    const int channels = static_cast<int>(m_format.channels);
    const std::size_t limit = static_cast<std::size_t>(INT_MAX);
    const int shorts = static_cast<int>((capacity / 2 < limit ? capacity / 2 : limit) / channels * channels);
    const int frames =
        stb_vorbis_get_samples_short_interleaved(m_vorbis, channels, reinterpret_cast<short*>(buffer), shorts);
    return static_cast<std::size_t>(frames) * m_format.BlockAlign();
}

bool VorbisDecoder::Rewind()
{
    return stb_vorbis_seek_start(m_vorbis) != 0;
}

}  // namespace soundlib
