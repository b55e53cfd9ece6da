// A stand-in for the platform's MP3 codec where there is none (native builds): whole frames in, PCM out.
#pragma once

#include "PcmCodec.h"

// An Mp3CodecMaker. Each whole frame of the first frame's size turns into one frame's worth of PCM.
std::unique_ptr<soundlib::PcmCodec> MakeStandInCodec(const soundlib::Mp3FrameHeader& first);
