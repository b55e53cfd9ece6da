// Replacements for operator new and for the import slot of waveOutOpen, linked into the fault tests only.
#include "faults/PlatformFaults.h"

#include <windows.h>
#include <mmsystem.h>

#include <cstdlib>
#include <new>

std::atomic<long> g_allocationsLeft{-1};
std::atomic<bool> g_refuseDevice{false};
std::atomic<int> g_deviceOpens{0};

namespace {

using WaveOutOpen = MMRESULT(WINAPI*)(LPHWAVEOUT, UINT, LPCWAVEFORMATEX, DWORD_PTR, DWORD_PTR, DWORD);

MMRESULT WINAPI OpenOrRefuse(LPHWAVEOUT device, UINT id, LPCWAVEFORMATEX format, DWORD_PTR callback,
                             DWORD_PTR instance, DWORD flags)
{
    ++g_deviceOpens;
    if (g_refuseDevice) return WAVERR_BADFORMAT;
    static const auto real =
        reinterpret_cast<WaveOutOpen>(reinterpret_cast<void*>(::GetProcAddress(::LoadLibraryA("winmm.dll"), "waveOutOpen")));
    return real(device, id, format, callback, instance, flags);
}

}  // namespace

// The library's objects call waveOutOpen through its import slot; defining the slot here keeps
// the import library's own out of the link. Its name carries the stdcall decoration on 32 bits.
#if defined(_WIN64)
#define WAVEOUTOPEN_SLOT "__imp_waveOutOpen"
#else
#define WAVEOUTOPEN_SLOT "__imp__waveOutOpen@24"
#endif
extern "C" {
extern WaveOutOpen g_waveOutOpenSlot __asm__(WAVEOUTOPEN_SLOT);
WaveOutOpen g_waveOutOpenSlot = &OpenOrRefuse;
}

void* operator new(std::size_t size)
{
    long left = g_allocationsLeft.load();
    while (left > 0 && !g_allocationsLeft.compare_exchange_weak(left, left - 1)) {
    }
    if (left == 0) throw std::bad_alloc();
    if (void* block = std::malloc(size != 0 ? size : 1)) return block;
    throw std::bad_alloc();
}
