// A sound file (or a section of one) opened through the library's bounded file source.
#include "soundlib/OpenSound.h"

#include "soundlib/AcmMp3Codec.h"
#include "soundlib/FileSource.h"
#include "soundlib/OpenDecoder.h"
#include "soundlib/fsound.h"

namespace soundlib {

int OpenSound(const char* name, std::uint64_t offset, std::uint64_t length, std::unique_ptr<Decoder>& decoder)
{
    std::unique_ptr<FileSource> file;
    const int opened = FileSource::Open(name, offset, length, file);
    if (opened != FSOUND_ERR_NONE) return opened;
    return OpenDecoder(std::move(file), &OpenAcmMp3Codec, decoder);
}

}  // namespace soundlib
