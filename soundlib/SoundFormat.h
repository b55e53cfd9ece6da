// Which decoder a file needs, judged by its content alone.
#pragma once

#include "soundlib/ByteSource.h"

namespace soundlib {

enum class SoundFormat { Unknown, Wav, Mp3, OggVorbis, ReadError };

SoundFormat DetectFormat(ByteSource& source);

}  // namespace soundlib
