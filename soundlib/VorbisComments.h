// The Vorbis comment header, walked as stb_vorbis reads it, before stb allocates by its lengths.
#pragma once

#include <cstddef>
#include <cstdint>

namespace soundlib {

struct VorbisComments {
    int error = 0;               // 0 or the FSOUND error code the file is refused with
    std::size_t heapBytes = 0;   // what stb_vorbis allocates to keep the vendor and the comments
};

// stb_vorbis takes the comment header's lengths and count on trust: past the packet's end it reads
// an end marker as data, allocates by it and, when that fails, frees slots it never filled.
VorbisComments CheckVorbisComments(const std::uint8_t* data, std::size_t size);

}  // namespace soundlib
