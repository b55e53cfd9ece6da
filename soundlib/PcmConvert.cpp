// 8-bit to 16-bit PCM widening.
#include "soundlib/PcmConvert.h"

namespace soundlib {

void Widen8BitSamples(const std::uint8_t* in, std::size_t count, std::uint8_t* out)
{
    // Backwards, so that `in` and `out` may share one buffer.
    for (std::size_t i = count; i-- > 0;) {
        const std::uint8_t high = static_cast<std::uint8_t>(in[i] ^ 0x80);
        out[2 * i] = 0;
        out[2 * i + 1] = high;
    }
}

}  // namespace soundlib
