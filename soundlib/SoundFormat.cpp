// Content sniffing: RIFF/WAVE and Ogg signatures first, MP3 frame runs last because they are the weakest sign.
#include "soundlib/SoundFormat.h"

#include <cstdint>
#include <cstring>

#include "soundlib/Bytes.h"
#include "soundlib/Mp3Scan.h"

namespace soundlib {

SoundFormat DetectFormat(ByteSource& source)
{
    std::uint8_t head[36] = {};
    const std::size_t got = source.ReadAt(0, head, sizeof head);
    if (source.Failed()) return SoundFormat::ReadError;
    if (got >= 12 && HasTag(head, "RIFF") && HasTag(head + 8, "WAVE")) return SoundFormat::Wav;
    // The first Ogg page of a Vorbis stream holds the identification header packet.
    if (got >= 35 && HasTag(head, "OggS") && head[28] == 1 && std::memcmp(head + 29, "vorbis", 6) == 0) {
        return SoundFormat::OggVorbis;
    }
    Mp3Layout layout;
    switch (FindMp3Start(source, layout)) {
    case Mp3Result::Ok: return SoundFormat::Mp3;
    case Mp3Result::ReadError: return SoundFormat::ReadError;
    case Mp3Result::NotMp3: break;
    }
    return SoundFormat::Unknown;
}

}  // namespace soundlib
