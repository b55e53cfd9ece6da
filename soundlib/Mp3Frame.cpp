// Layer III header fields, tables of bitrates and sample rates, and ID3v2 sizes.
#include "soundlib/Mp3Frame.h"

namespace soundlib {
namespace {

constexpr unsigned kBitratesMpeg1[16] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0};
constexpr unsigned kBitratesMpeg2[16] = {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0};
constexpr unsigned kRatesMpeg1[3] = {44100, 48000, 32000};

}  // namespace

bool ParseMp3FrameHeader(const std::uint8_t* b, Mp3FrameHeader& header)
{
    if (b[0] != 0xFF || (b[1] & 0xE0) != 0xE0) return false;
    const unsigned versionBits = (b[1] >> 3) & 3;
    const unsigned layerBits = (b[1] >> 1) & 3;
    const unsigned bitrateIndex = b[2] >> 4;
    const unsigned rateIndex = (b[2] >> 2) & 3;
    const unsigned emphasis = b[3] & 3;
    if (versionBits == 1 || layerBits != 1 || bitrateIndex == 0 || bitrateIndex == 15 || rateIndex == 3 ||
        emphasis == 2) {
        return false;
    }

    Mp3FrameHeader h;
    h.version = versionBits == 3 ? MpegVersion::Mpeg1 : versionBits == 2 ? MpegVersion::Mpeg2 : MpegVersion::Mpeg25;
    const bool mpeg1 = h.version == MpegVersion::Mpeg1;
    h.bitrateKbps = mpeg1 ? kBitratesMpeg1[bitrateIndex] : kBitratesMpeg2[bitrateIndex];
    const unsigned divisor = mpeg1 ? 1 : h.version == MpegVersion::Mpeg2 ? 2 : 4;
    h.sampleRate = kRatesMpeg1[rateIndex] / divisor;
    h.channels = (b[3] >> 6) == 3 ? 1 : 2;
    h.padded = (b[2] & 2) != 0;
    h.protectedByCrc = (b[1] & 1) == 0;
    h.samplesPerFrame = mpeg1 ? 1152 : 576;
    // Bytes per frame = samples per frame / 8 bits * bitrate / rate, plus one padding byte.
    h.frameBytes = (h.samplesPerFrame / 8) * h.bitrateKbps * 1000 / h.sampleRate + (h.padded ? 1 : 0);
    header = h;
    return true;
}

bool SameMp3Stream(const Mp3FrameHeader& a, const Mp3FrameHeader& b)
{
    return a.version == b.version && a.sampleRate == b.sampleRate && a.channels == b.channels;
}

std::uint32_t Id3v2TagSize(const std::uint8_t* b)
{
    if (b[0] != 'I' || b[1] != 'D' || b[2] != '3' || b[3] == 0xFF || b[4] == 0xFF) return 0;
    // The size is "synchsafe": seven bits per byte, so the tag can never contain a frame sync.
    for (int i = 6; i < 10; ++i) {
        if (b[i] & 0x80) return 0;
    }
    const std::uint32_t body = (static_cast<std::uint32_t>(b[6]) << 21) | (static_cast<std::uint32_t>(b[7]) << 14) |
                               (static_cast<std::uint32_t>(b[8]) << 7) | b[9];
    const bool footer = (b[5] & 0x10) != 0;
    return 10 + body + (footer ? 10 : 0);
}

std::size_t XingTagOffset(const Mp3FrameHeader& header)
{
    const bool mono = header.channels == 1;
    const std::size_t sideInfo = header.version == MpegVersion::Mpeg1 ? (mono ? 17 : 32) : (mono ? 9 : 17);
    return 4 + (header.protectedByCrc ? 2 : 0) + sideInfo;
}

}  // namespace soundlib
