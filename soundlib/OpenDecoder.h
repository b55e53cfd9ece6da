// Chooses the decoder a sound's content calls for.
#pragma once

#include <memory>

#include "soundlib/ByteSource.h"
#include "soundlib/Decoder.h"
#include "soundlib/PcmCodec.h"

namespace soundlib {

// Returns 0 or the FSOUND error code; MP3 frames go to codecs made by `makeMp3Codec`.
int OpenDecoder(std::unique_ptr<ByteSource> source, Mp3CodecMaker makeMp3Codec, std::unique_ptr<Decoder>& decoder);

}  // namespace soundlib
