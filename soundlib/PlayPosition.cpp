// Position clamping against the announced length.
#include "soundlib/PlayPosition.h"

namespace soundlib {

std::uint64_t ReportedPosition(std::uint64_t played, std::uint64_t length, bool finished, unsigned blockAlign)
{
    if (finished) return length;
    if (played < length) return played;
    const std::uint64_t step = blockAlign > 0 ? blockAlign : 1;
    return length >= step ? length - step : 0;
}

}  // namespace soundlib
