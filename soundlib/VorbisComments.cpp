// Reassembles the comment packet from its Ogg pages and checks every length in it against its end.
#include "soundlib/VorbisComments.h"

#include <climits>
#include <cstring>
#include <vector>

#include "soundlib/fsound.h"

namespace soundlib {
namespace {

constexpr std::size_t kPageHeaderBytes = 27;  // up to the segment count
constexpr std::size_t kSegmentCountAt = 26;
constexpr std::uint8_t kContinuedPacket = 1;
// stb_vorbis accepts only this first page: one 30-byte segment, the identification header.
constexpr std::size_t kIdentificationPageBytes = kPageHeaderBytes + 1 + 30;

std::uint32_t Le32(const std::uint8_t* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// Like stb's setup_malloc: sizes rounded up to 8.
std::size_t Rounded(std::uint64_t bytes)
{
    return static_cast<std::size_t>((bytes + 7) & ~static_cast<std::uint64_t>(7));
}

// The comment packet as stb_vorbis's get8_packet delivers it, or an error code wherever stb would
// run out of it early (a missing or unmarked page, lacing past the data).
int ReadCommentPacket(const std::uint8_t* data, std::size_t size, std::vector<std::uint8_t>& packet)
{
    std::size_t at = kIdentificationPageBytes;
    bool first = true;
    for (;;) {
        if (size - at < kPageHeaderBytes) return FSOUND_ERR_FILE_BAD;
        const std::uint8_t* page = data + at;
        if (std::memcmp(page, "OggS", 4) != 0 || page[4] != 0) return FSOUND_ERR_FILE_FORMAT;
        if (!first && !(page[5] & kContinuedPacket)) return FSOUND_ERR_FILE_FORMAT;
        // With no segments stb would take the previous page's lacing for this one's.
        const std::size_t segments = page[kSegmentCountAt];
        if (segments == 0) return FSOUND_ERR_FILE_FORMAT;
        at += kPageHeaderBytes;
        if (size - at < segments) return FSOUND_ERR_FILE_BAD;
        const std::uint8_t* lacing = data + at;
        at += segments;
        for (std::size_t i = 0; i < segments; ++i) {
            if (size - at < lacing[i]) return FSOUND_ERR_FILE_BAD;
            packet.insert(packet.end(), data + at, data + at + lacing[i]);
            at += lacing[i];
            if (lacing[i] < 255) return 0;
        }
        first = false;
    }
}

}  // namespace

VorbisComments CheckVorbisComments(const std::uint8_t* data, std::size_t size)
{
    VorbisComments result;
    // A first page stb_vorbis refuses keeps it from ever reading the comments.
    if (size < kIdentificationPageBytes || std::memcmp(data, "OggS", 4) != 0 || data[kSegmentCountAt] != 1 ||
        data[kPageHeaderBytes] != 30) {
        return result;
    }
    std::vector<std::uint8_t> packet;
    result.error = ReadCommentPacket(data, size, packet);
    if (result.error != 0) return result;

    result.error = FSOUND_ERR_FILE_FORMAT;
    const std::size_t end = packet.size();
    if (end < 7 || packet[0] != 3 || std::memcmp(&packet[1], "vorbis", 6) != 0) return result;
    std::size_t at = 7;
    // A length prefix and that many bytes, all inside the packet.
    auto takeString = [&](std::size_t& heap) {
        if (end - at < 4) return false;
        const std::uint32_t length = Le32(&packet[at]);
        at += 4;
        if (end - at < length) return false;
        at += length;
        heap += Rounded(static_cast<std::uint64_t>(length) + 1);
        return true;
    };
    std::size_t heap = 0;
    if (!takeString(heap) || end - at < 4) return result;
    const std::uint32_t count = Le32(&packet[at]);
    at += 4;
    // Each comment takes at least its length prefix; the list's size must also fit stb's int.
    if (count > (end - at) / 4 || count > (INT_MAX - 7) / sizeof(char*)) return result;
    if (count > 0) heap += Rounded(static_cast<std::uint64_t>(count) * sizeof(char*));
    for (std::uint32_t i = 0; i < count; ++i) {
        if (!takeString(heap)) return result;
    }
    result.error = 0;
    result.heapBytes = heap;
    return result;
}

}  // namespace soundlib
