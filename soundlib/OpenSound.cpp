// Format detection followed by the matching decoder; the file name's extension is never consulted.
#include "OpenSound.h"

#include "FileSource.h"
#include "Mp3Decoder.h"
#include "SoundFormat.h"
#include "WavDecoder.h"
#include "fsound.h"

#if defined(SOUNDLIB_VORBIS)
#include "VorbisDecoder.h"
#endif

namespace soundlib {

int OpenSound(const char* name, std::uint64_t offset, std::uint64_t length, std::unique_ptr<Decoder>& decoder)
{
    std::unique_ptr<FileSource> file;
    const int opened = FileSource::Open(name, offset, length, file);
    if (opened != FSOUND_ERR_NONE) return opened;
    switch (DetectFormat(*file)) {
    case SoundFormat::Wav: return WavDecoder::Open(std::move(file), decoder);
    case SoundFormat::Mp3: return Mp3Decoder::Open(std::move(file), decoder);
    case SoundFormat::OggVorbis:
#if defined(SOUNDLIB_VORBIS)
        file.reset();
        return VorbisDecoder::Open(name, offset, length, decoder);
#else
        break;
#endif
    case SoundFormat::ReadError: return FSOUND_ERR_FILE_BAD;
    case SoundFormat::Unknown: break;
    }
    return FSOUND_ERR_FILE_FORMAT;
}

}  // namespace soundlib
