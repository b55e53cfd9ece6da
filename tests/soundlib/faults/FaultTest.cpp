// The library and the music player when memory runs out inside Play, and when the output device refuses.
// The platform fails on demand through replacements for operator new and for the import slot of
// waveOutOpen, linked into this program only.
#include <windows.h>
#include <mmsystem.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "music/MusicPlayer.h"
#include "tests/soundlib/dll/Playing.h"
#include "tests/support/SoundBytes.h"
#include "tests/support/TempFolder.h"

namespace {

// How many more allocations succeed before every one fails; -1 for no limit.
std::atomic<long> g_allocationsLeft{-1};
// While set, opening a waveOut device fails as a device refusing the format does.
std::atomic<bool> g_refuseDevice{false};
// How often a waveOut device has been asked for, refused or not.
std::atomic<int> g_deviceOpens{0};

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

using Faults = LibraryTest;

TEST_F(Faults, PlayWithoutMemoryKeepsNoChannel)
{
    ASSERT_TRUE(InitLikeTheInstaller());
    for (const char* name : {"tone-mono-22050.mp3", "tone-16bit-mono.wav", "tone-mono.ogg"}) {
        FSOUND_STREAM* stream = FSOUND_Stream_Open(SoundDataPath(name).c_str(), kInstallerMode, 0, 0);
        ASSERT_NE(stream, nullptr) << name;
        // Played once, so that the next Play starts it over (a fresh codec for MP3).
        ASSERT_TRUE(PlayToEnd(stream).reachedEnd) << name;
        // More failures than there are channels, then one at each allocation of Play in turn.
        int channel = -1;
        for (long tries = 0, allowed = 0; channel < 0 && tries < 200; ++tries) {
            if (tries >= 40) ++allowed;
            g_allocationsLeft = allowed;
            channel = FSOUND_Stream_Play(FSOUND_FREE, stream);
            g_allocationsLeft = -1;
            if (channel < 0) {
                ASSERT_EQ(FSOUND_GetError(), FSOUND_ERR_MEMORY) << name << ", allocation " << allowed;
            }
        }
        EXPECT_EQ(channel, 0) << name;
        EXPECT_LT(FSOUND_Stream_GetPosition(stream), static_cast<unsigned>(FSOUND_Stream_GetLength(stream)))
            << name << " did not start over";
        EXPECT_TRUE(PlayToEnd(stream).reachedEnd) << name;
        EXPECT_TRUE(FSOUND_Stream_Close(stream));
    }
}

TEST(FaultsPlayer, StopsAskingADeviceThatRefusesTheSound)
{
    TempFolder dir;
    dir.Write("backgrnd.snd", PcmWav(1, 22050, 16, std::string(88200, '\x10')));
    CMusicPlayer player;
    ASSERT_EQ(player.LastError(), "");
    g_refuseDevice = true;
    const int before = g_deviceOpens;
    ASSERT_TRUE(player.Play((dir / "backgrnd.snd").c_str()));
    // The time is what is under test: a dozen of the worker's pauses, in which it must not ask the
    // refusing device again.
    ::Sleep(600);
    EXPECT_EQ(g_deviceOpens - before, 1);
    EXPECT_EQ(player.LastError(),
              "Soundcard does not support the features needed for this soundsystem (16bit stereo output)");
    g_refuseDevice = false;
}
