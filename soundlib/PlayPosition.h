// The position a stream reports, reconciled with its announced length.
#pragma once

#include <cstdint>

namespace soundlib {

// A decoder may deliver slightly more or fewer bytes than the length announced at open
// (codecs differ in how they treat encoder delay and Xing frames). Callers wait for
// position >= length, so that happens exactly when the last buffer has been played, never
// before and never not at all. `blockAlign` keeps a held-back position on a sample frame.
std::uint64_t ReportedPosition(std::uint64_t played, std::uint64_t length, bool finished, unsigned blockAlign);

}  // namespace soundlib
