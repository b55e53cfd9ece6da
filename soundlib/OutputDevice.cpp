// A trial open of the default waveOut device for FSOUND_Init.
#include "soundlib/OutputDevice.h"

#include <windows.h>
#include <mmsystem.h>

#include "soundlib/SystemSound.h"
#include "soundlib/fsound.h"

namespace soundlib {

int CheckOutputDevice(int mixRate)
{
    if (Platform().waveOutGetNumDevs() == 0) return FSOUND_ERR_INIT;
    const WAVEFORMATEX wave = Pcm16Format(static_cast<unsigned>(mixRate), 2);
    HWAVEOUT device = nullptr;
    // A real open, not a format query: only that shows a device another program holds exclusively.
    const MMRESULT opened = Platform().waveOutOpen(&device, WAVE_MAPPER, &wave, 0, 0, CALLBACK_NULL);
    if (opened == MMSYSERR_ALLOCATED) return FSOUND_ERR_ALLOCATED;
    if (opened != MMSYSERR_NOERROR) return FSOUND_ERR_INIT;
    Platform().waveOutClose(device);
    return FSOUND_ERR_NONE;
}

}  // namespace soundlib
