// Whether the default waveOut device can be opened at all.
#pragma once

namespace soundlib {

// Returns 0 or the FSOUND error code explaining why there is no usable output.
int CheckOutputDevice(int mixRate);

}  // namespace soundlib
