// libFuzzer target: arbitrary bytes as a sound file, through detection, the WAV parser and the MP3 frame walk.
#include <cstddef>
#include <cstdint>
#include <string>

#include "Mp3Scan.h"
#include "SoundFormat.h"
#include "WavHeader.h"
#include "support/MemorySource.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    // Once whole, once with reads failing halfway, as a damaged medium would.
    for (const std::uint64_t failFrom : {static_cast<std::uint64_t>(size) + 1, static_cast<std::uint64_t>(size / 2)}) {
        MemorySource detect(bytes, failFrom);
        soundlib::DetectFormat(detect);
        MemorySource wav(bytes, failFrom);
        soundlib::WavLayout layout;
        if (soundlib::ParseWav(wav, layout) == soundlib::WavResult::Ok) {
            if (layout.dataOffset + layout.dataBytes > size || layout.dataBytes % layout.BlockAlign() != 0) __builtin_trap();
        }
        MemorySource mp3(bytes, failFrom);
        soundlib::Mp3Layout frames;
        if (soundlib::ScanMp3(mp3, frames) == soundlib::Mp3Result::Ok) {
            if (frames.endOfFrames > size || frames.firstFrame > frames.endOfFrames) __builtin_trap();
        }
    }
    return 0;
}
