// Opens a file (or a section of one) with the decoder its content calls for.
#pragma once

#include <cstdint>
#include <memory>

#include "soundlib/Decoder.h"

namespace soundlib {

// Returns 0 or the FSOUND error code; `length` 0 means up to the end of the file.
int OpenSound(const char* name, std::uint64_t offset, std::uint64_t length, std::unique_ptr<Decoder>& decoder);

}  // namespace soundlib
