// Finding the frames of an MP3 file and counting the samples they decode to.
#pragma once

#include <cstdint>

#include "soundlib/ByteSource.h"
#include "soundlib/Mp3Frame.h"

namespace soundlib {

struct Mp3Layout {
    Mp3FrameHeader first;              // format of the stream
    std::uint64_t firstFrame = 0;      // offset of the first frame (after any ID3v2 tags)
    std::uint64_t endOfFrames = 0;     // offset just after the last whole frame
    std::uint64_t frameCount = 0;      // whole frames, an Xing/Info frame included
    bool infoFrame = false;            // the first frame holds an Xing/Info tag (it is still counted)

    std::uint64_t SamplesPerChannel() const { return frameCount * first.samplesPerFrame; }
};

enum class Mp3Result { Ok, NotMp3, ReadError };

// Looks for the stream's start: ID3v2 tags, then a run of consistent frame headers near the beginning.
Mp3Result FindMp3Start(ByteSource& source, Mp3Layout& layout);

// FindMp3Start, then a walk over every frame to the end (resynchronising over damaged stretches).
Mp3Result ScanMp3(ByteSource& source, Mp3Layout& layout);

}  // namespace soundlib
