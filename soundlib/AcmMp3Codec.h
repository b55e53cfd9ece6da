// The system's MP3 codec, reached through the Audio Compression Manager.
#pragma once

#include "soundlib/PcmCodec.h"

namespace soundlib {

// An Mp3CodecMaker: MPEGLAYER3WAVEFORMAT in, 16-bit PCM of the same rate and channels out.
std::unique_ptr<PcmCodec> OpenAcmMp3Codec(const Mp3FrameHeader& first);

}  // namespace soundlib
