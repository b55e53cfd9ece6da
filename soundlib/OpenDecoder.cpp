// Format detection followed by the matching decoder; a file name's extension is never consulted.
#include "soundlib/OpenDecoder.h"

#include "soundlib/Mp3Decoder.h"
#include "soundlib/SoundFormat.h"
#include "soundlib/WavDecoder.h"
#include "soundlib/fsound.h"

#if defined(SOUNDLIB_VORBIS)
#include "soundlib/VorbisDecoder.h"
#endif

namespace soundlib {

int OpenDecoder(std::unique_ptr<ByteSource> source, Mp3CodecMaker makeMp3Codec, std::unique_ptr<Decoder>& decoder)
{
    switch (DetectFormat(*source)) {
    case SoundFormat::Wav: return WavDecoder::Open(std::move(source), decoder);
    case SoundFormat::Mp3: return Mp3Decoder::Open(std::move(source), makeMp3Codec, decoder);
    case SoundFormat::OggVorbis:
#if defined(SOUNDLIB_VORBIS)
        return VorbisDecoder::Open(std::move(source), decoder);
#else
        break;
#endif
    case SoundFormat::ReadError: return FSOUND_ERR_FILE_BAD;
    case SoundFormat::Unknown: break;
    }
    return FSOUND_ERR_FILE_FORMAT;
}

}  // namespace soundlib
