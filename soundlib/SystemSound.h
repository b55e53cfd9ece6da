// The platform's sound functions the library calls: winmm's waveOut and msacm32's stream conversion.
#pragma once

#include <windows.h>
#include <mmsystem.h>
#include <mmreg.h>
#include <msacm.h>

namespace soundlib {

struct SystemSound {
    decltype(&::waveOutGetNumDevs) waveOutGetNumDevs;
    decltype(&::waveOutOpen) waveOutOpen;
    decltype(&::waveOutClose) waveOutClose;
    decltype(&::waveOutPrepareHeader) waveOutPrepareHeader;
    decltype(&::waveOutUnprepareHeader) waveOutUnprepareHeader;
    decltype(&::waveOutWrite) waveOutWrite;
    decltype(&::waveOutReset) waveOutReset;
    decltype(&::waveOutGetPosition) waveOutGetPosition;
    decltype(&::acmStreamOpen) acmStreamOpen;
    decltype(&::acmStreamSize) acmStreamSize;
    decltype(&::acmStreamPrepareHeader) acmStreamPrepareHeader;
    decltype(&::acmStreamConvert) acmStreamConvert;
    decltype(&::acmStreamUnprepareHeader) acmStreamUnprepareHeader;
    decltype(&::acmStreamClose) acmStreamClose;
};

// The functions, loaded once from the system folder by full path and kept for the life of the
// process. winmm and msacm32 are not among the DLLs Windows always takes from its system folder:
// imported at load time, they would be looked for beside the program first (a download folder,
// say). Every function is there: those of a library that cannot be loaded fail as the platform's
// do without a device (no device, no driver).
const SystemSound& Platform();

// 16-bit PCM as the device plays it and the codec hands it out.
WAVEFORMATEX Pcm16Format(unsigned sampleRate, unsigned channels);

}  // namespace soundlib
