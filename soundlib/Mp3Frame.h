// MPEG audio Layer III frame headers and the ID3v2 tags that may precede them.
#pragma once

#include <cstddef>
#include <cstdint>

namespace soundlib {

enum class MpegVersion { Mpeg1, Mpeg2, Mpeg25 };

struct Mp3FrameHeader {
    MpegVersion version = MpegVersion::Mpeg1;
    unsigned bitrateKbps = 0;
    unsigned sampleRate = 0;
    unsigned channels = 0;
    unsigned frameBytes = 0;  // header included
    unsigned samplesPerFrame = 0;
    bool padded = false;
    bool protectedByCrc = false;
};

// Reads a 4-byte header; false for anything but a decodable Layer III header
// (free-format bitrates and reserved values included).
bool ParseMp3FrameHeader(const std::uint8_t* bytes, Mp3FrameHeader& header);

// Whether two headers can belong to one stream (decoders reject changes of these).
bool SameMp3Stream(const Mp3FrameHeader& a, const Mp3FrameHeader& b);

// Size of the ID3v2 tag starting at `bytes` (10 bytes available), footer included; 0 when there is none.
std::uint32_t Id3v2TagSize(const std::uint8_t* bytes);

// Offset of the Xing/Info tag inside a frame: it follows the side information.
std::size_t XingTagOffset(const Mp3FrameHeader& header);

}  // namespace soundlib
