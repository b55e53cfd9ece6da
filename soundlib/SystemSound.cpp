// The platform's sound functions, from the system folder.
#include "soundlib/SystemSound.h"

#include <string>

namespace soundlib {
namespace {

#if defined(SOUNDLIB_IMPORTED_PLATFORM)

// The fault tests' build: the functions through the program's own import table, whose waveOutOpen
// slot the tests replace to make the device refuse.
SystemSound Load()
{
    return SystemSound{::waveOutGetNumDevs, ::waveOutOpen, ::waveOutClose, ::waveOutPrepareHeader,
                       ::waveOutUnprepareHeader, ::waveOutWrite, ::waveOutReset, ::waveOutGetPosition,
                       ::acmStreamOpen, ::acmStreamSize, ::acmStreamPrepareHeader, ::acmStreamConvert,
                       ::acmStreamUnprepareHeader, ::acmStreamClose};
}

#else

template <class... Args>
MMRESULT WINAPI NoDriver(Args...)
{
    return MMSYSERR_NODRIVER;
}

UINT WINAPI NoDevices()
{
    return 0;
}

template <class Function>
Function Cast(FARPROC found)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(found));
}

// Sets a function from the library, or the stand-in that fails when it is missing.
template <class... Args>
void Bind(HMODULE library, const char* name, MMRESULT(WINAPI*& function)(Args...))
{
    const FARPROC found = library ? ::GetProcAddress(library, name) : nullptr;
    function = found ? Cast<MMRESULT(WINAPI*)(Args...)>(found) : &NoDriver<Args...>;
}

HMODULE LoadFromSystemFolder(const wchar_t* name)
{
    wchar_t folder[MAX_PATH];
    const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    const std::wstring path = std::wstring(folder, length) + L"\\" + name;
    // What the DLL itself imports is looked for in the system folder only, where the system takes
    // that flag (it has SetDefaultDllDirectories then); else in the system folder first, since the
    // altered search path starts at the DLL's folder.
    const bool searchFlags = ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
    const DWORD kSearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32, from Windows 8's headers
    const DWORD search = searchFlags ? kSearchSystem32 : LOAD_WITH_ALTERED_SEARCH_PATH;
    return ::LoadLibraryExW(path.c_str(), nullptr, search);
}

SystemSound Load()
{
    SystemSound sound{};
    const HMODULE winmm = LoadFromSystemFolder(L"winmm.dll");
    const FARPROC devices = winmm ? ::GetProcAddress(winmm, "waveOutGetNumDevs") : nullptr;
    sound.waveOutGetNumDevs = devices ? Cast<decltype(sound.waveOutGetNumDevs)>(devices) : &NoDevices;
    Bind(winmm, "waveOutOpen", sound.waveOutOpen);
    Bind(winmm, "waveOutClose", sound.waveOutClose);
    Bind(winmm, "waveOutPrepareHeader", sound.waveOutPrepareHeader);
    Bind(winmm, "waveOutUnprepareHeader", sound.waveOutUnprepareHeader);
    Bind(winmm, "waveOutWrite", sound.waveOutWrite);
    Bind(winmm, "waveOutReset", sound.waveOutReset);
    Bind(winmm, "waveOutGetPosition", sound.waveOutGetPosition);
    const HMODULE acm = LoadFromSystemFolder(L"msacm32.dll");
    Bind(acm, "acmStreamOpen", sound.acmStreamOpen);
    Bind(acm, "acmStreamSize", sound.acmStreamSize);
    Bind(acm, "acmStreamPrepareHeader", sound.acmStreamPrepareHeader);
    Bind(acm, "acmStreamConvert", sound.acmStreamConvert);
    Bind(acm, "acmStreamUnprepareHeader", sound.acmStreamUnprepareHeader);
    Bind(acm, "acmStreamClose", sound.acmStreamClose);
    return sound;
}

#endif

}  // namespace

const SystemSound& Platform()
{
    static const SystemSound sound = Load();
    return sound;
}

WAVEFORMATEX Pcm16Format(unsigned sampleRate, unsigned channels)
{
    WAVEFORMATEX wave{};
    wave.wFormatTag = WAVE_FORMAT_PCM;
    wave.nChannels = static_cast<WORD>(channels);
    wave.nSamplesPerSec = sampleRate;
    wave.wBitsPerSample = 16;
    wave.nBlockAlign = static_cast<WORD>(channels * 2);
    wave.nAvgBytesPerSec = wave.nSamplesPerSec * wave.nBlockAlign;
    return wave;
}

}  // namespace soundlib
