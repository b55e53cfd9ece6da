// CMusicPlayer: library set-up, the worker's poll loop and the ordered shutdown.
#include "music/MusicPlayer.h"

#include "music/ErrorText.h"

BOOL g_bSoundInit = FALSE;

namespace {
// Library settings: driver 0, 44100 Hz, 32 channels, no flags, 1000 ms stream buffer.
const int kDriver = 0;
const int kMixRate = 44100;
const int kChannels = 32;
const unsigned kInitFlags = 0;
const int kBufferMs = 1000;
// The library's default sample format, with exact MPEG length and position; no loop flag.
const unsigned kStreamMode = FSOUND_16BITS | FSOUND_MONO | FSOUND_SIGNED | FSOUND_MPEGACCURATE;
// Between polls the worker rests this long unless a stop is requested.
const DWORD kPollPauseMs = 50;
}  // namespace

CMusicPlayer::CMusicPlayer() : m_stopRequested(::CreateEventW(nullptr, TRUE, FALSE, nullptr))
{
    if (g_bSoundInit) return;
    FSOUND_SetDriver(kDriver);
    if (!FSOUND_Init(kMixRate, kChannels, kInitFlags)) m_strError = ErrorText(FSOUND_GetError());
    FSOUND_Stream_SetBufferSize(kBufferMs);
    g_bSoundInit = TRUE;
}

CMusicPlayer::~CMusicPlayer()
{
    if (m_stopRequested.IsValid()) ::SetEvent(m_stopRequested.Get());
    m_worker.Join();
    if (m_pStream) FSOUND_Stream_Close(m_pStream);
    FSOUND_Close();
    g_bSoundInit = FALSE;
}

BOOL CMusicPlayer::Play(CString path)
{
    m_pStream = FSOUND_Stream_Open(path, kStreamMode, 0, 0);
    if (!m_pStream) {
        m_strError = ErrorText(FSOUND_GetError());
        return FALSE;
    }
    // Without a thread of its own there is no music: the window must not wait for it.
    m_worker.Start([this] { PlayToEnd(); });
    return TRUE;
}

void CMusicPlayer::PlayToEnd()
{
    const unsigned length = static_cast<unsigned>(FSOUND_Stream_GetLength(m_pStream));
    int channel = -1;
    for (;;) {
        if (channel < 0) {
            channel = FSOUND_Stream_Play(FSOUND_FREE, m_pStream);
            // Only a busy channel table frees up by itself; a device that refused this sound (or
            // failed) would only be asked again and again while the window stays open.
            if (channel < 0) {
                const int error = FSOUND_GetError();
                if (error != FSOUND_ERR_CHANNEL_ALLOC) {
                    m_strError = ErrorText(error);
                    break;
                }
            }
        }
        const unsigned position = FSOUND_Stream_GetPosition(m_pStream);
        if (position >= length) break;
        // Stopped, or without the signal that could stop it: a worker nobody can stop would keep
        // the window waiting as it closes. The stream plays on by itself either way.
        if (::WaitForSingleObject(m_stopRequested.Get(), kPollPauseMs) != WAIT_TIMEOUT) break;
    }
}
