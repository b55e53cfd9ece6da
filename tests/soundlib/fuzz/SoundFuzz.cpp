// libFuzzer target: arbitrary bytes as a sound file, through the parsers, and through detection and each
// decoder's reads.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "soundlib/Mp3Scan.h"
#include "soundlib/OpenDecoder.h"
#include "soundlib/WavHeader.h"
#include "soundlib/fsound.h"
#include "tests/support/MemorySource.h"
#include "tests/support/StandInCodec.h"

namespace {

// Enough to reach every decoder's end on small inputs, bounded for inputs that decode to hours.
constexpr std::size_t kMaxDecodedBytes = 4 * 1024 * 1024;

// Reads the whole sound in odd-sized pieces, then once more after a rewind.
void DecodeAll(const std::string& bytes, std::uint64_t failFrom)
{
    std::unique_ptr<soundlib::Decoder> decoder;
    if (soundlib::OpenDecoder(std::unique_ptr<soundlib::ByteSource>(new MemorySource(bytes, failFrom)),
                              &MakeStandInCodec, decoder) != FSOUND_ERR_NONE) {
        return;
    }
    const soundlib::PcmFormat format = decoder->Format();
    if (format.sampleRate < soundlib::kMinSampleRate || format.sampleRate > soundlib::kMaxSampleRate ||
        format.channels < 1 || format.channels > 2) {
        __builtin_trap();
    }
    std::vector<std::uint8_t> buffer(4099);
    std::size_t total = 0;
    while (total < kMaxDecodedBytes) {
        const std::size_t got = decoder->Read(buffer.data(), buffer.size());
        if (got > buffer.size() || got % format.BlockAlign() != 0) __builtin_trap();
        if (got == 0) break;
        total += got;
    }
    if (decoder->Rewind()) decoder->Read(buffer.data(), buffer.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    // Once whole, once with reads failing halfway, as a damaged medium would.
    for (const std::uint64_t failFrom : {static_cast<std::uint64_t>(size) + 1, static_cast<std::uint64_t>(size / 2)}) {
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
        DecodeAll(bytes, failFrom);
    }
    return 0;
}
