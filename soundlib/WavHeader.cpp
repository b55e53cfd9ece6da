// RIFF/WAVE chunk walk: finds "fmt " and "data" wherever they are among other chunks.
#include "soundlib/WavHeader.h"

#include <cstring>

#include "soundlib/Bytes.h"
#include "soundlib/Decoder.h"

namespace soundlib {
namespace {

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;

// KSDATAFORMAT_SUBTYPE_PCM after its first two bytes (which repeat the format tag).
constexpr std::uint8_t kPcmSubformatTail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                                0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

WavResult ReadFormat(ByteSource& source, std::uint64_t offset, std::uint32_t size, WavLayout& layout)
{
    std::uint8_t fmt[40] = {};
    if (size < 16) return WavResult::Unsupported;
    const std::size_t wanted = size < sizeof fmt ? size : sizeof fmt;
    if (!ReadExactly(source, offset, fmt, wanted)) {
        return source.Failed() ? WavResult::ReadError : WavResult::Truncated;
    }
    std::uint16_t tag = LittleEndian16(fmt);
    if (tag == kFormatExtensible) {
        if (wanted < 40 || LittleEndian16(fmt + 16) < 22) return WavResult::Unsupported;
        if (std::memcmp(fmt + 26, kPcmSubformatTail, sizeof kPcmSubformatTail) != 0) return WavResult::Unsupported;
        tag = LittleEndian16(fmt + 24);
    }
    layout.channels = LittleEndian16(fmt + 2);
    layout.sampleRate = LittleEndian32(fmt + 4);
    layout.bitsPerSample = LittleEndian16(fmt + 14);
    const bool pcm = tag == kFormatPcm;
    const bool bits = layout.bitsPerSample == 8 || layout.bitsPerSample == 16;
    const bool channels = layout.channels == 1 || layout.channels == 2;
    const bool rate = layout.sampleRate >= kMinSampleRate && layout.sampleRate <= kMaxSampleRate;
    return pcm && bits && channels && rate ? WavResult::Ok : WavResult::Unsupported;
}

}  // namespace

WavResult ParseWav(ByteSource& source, WavLayout& layout)
{
    layout = WavLayout();
    std::uint8_t riff[12];
    if (!ReadExactly(source, 0, riff, sizeof riff)) {
        return source.Failed() ? WavResult::ReadError : WavResult::NotWav;
    }
    if (!HasTag(riff, "RIFF") || !HasTag(riff + 8, "WAVE")) return WavResult::NotWav;

    const std::uint64_t size = source.Size();
    bool haveFormat = false;
    bool haveData = false;
    std::uint64_t declaredData = 0;
    std::uint64_t offset = 12;
    while (!(haveFormat && haveData)) {
        std::uint8_t chunk[8];
        if (!ReadExactly(source, offset, chunk, sizeof chunk)) {
            return source.Failed() ? WavResult::ReadError : WavResult::Truncated;
        }
        const std::uint32_t chunkSize = LittleEndian32(chunk + 4);
        const std::uint64_t body = offset + 8;
        if (HasTag(chunk, "fmt ") && !haveFormat) {
            const WavResult format = ReadFormat(source, body, chunkSize, layout);
            if (format != WavResult::Ok) return format;
            haveFormat = true;
        } else if (HasTag(chunk, "data") && !haveData) {
            layout.dataOffset = body;
            declaredData = chunkSize;
            haveData = true;
        }
        // Chunks are padded to even sizes; the pad byte is not counted in the size.
        offset = body + chunkSize + (chunkSize & 1);
    }

    if (layout.dataOffset + declaredData > size) return WavResult::Truncated;
    const unsigned align = layout.BlockAlign();
    layout.dataBytes = declaredData - declaredData % align;
    return WavResult::Ok;
}

}  // namespace soundlib
