// Centring arithmetic.
#include "framework/Placement.h"

namespace {

long Fit(long start, long size, long areaStart, long areaEnd)
{
    if (start + size > areaEnd) start = areaEnd - size;
    if (start < areaStart) start = areaStart;
    return start;
}

}  // namespace

Position CentredPosition(const Box& window, const Box& centreOn, const Box& workArea)
{
    const long x = (centreOn.left + centreOn.right) / 2 - window.Width() / 2;
    const long y = (centreOn.top + centreOn.bottom) / 2 - window.Height() / 2;
    return Position{Fit(x, window.Width(), workArea.left, workArea.right),
                    Fit(y, window.Height(), workArea.top, workArea.bottom)};
}
