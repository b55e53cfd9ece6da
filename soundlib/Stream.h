// An opened sound: its decoder, and its playback while it has one.
#pragma once

#include <memory>

#include "soundlib/Decoder.h"
#include "soundlib/Playback.h"

struct FSOUND_STREAM {
    std::unique_ptr<soundlib::Decoder> decoder;
    std::unique_ptr<soundlib::Playback> playback;  // declared last: stops before the decoder goes
    int bufferMs = 0;
    int channel = -1;
    bool rewindDue = false;  // the decoder has been read from since it was opened or last rewound
};
