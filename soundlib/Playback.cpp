// Priming the buffers, the event-driven feeder loop and the position the device has reached.
#include "soundlib/Playback.h"

#include <process.h>

#include "soundlib/fsound.h"

namespace soundlib {
namespace {

int PlayErrorCode(MMRESULT result)
{
    switch (result) {
    case MMSYSERR_ALLOCATED: return FSOUND_ERR_ALLOCATED;
    case MMSYSERR_NOMEM: return FSOUND_ERR_MEMORY;
    case WAVERR_BADFORMAT: return FSOUND_ERR_OUTPUT_FORMAT;
    default: return FSOUND_ERR_PLAY;
    }
}

}  // namespace

Playback::Playback(Decoder& decoder)
    : m_decoder(decoder),
      m_done(::CreateEventA(nullptr, FALSE, FALSE, nullptr)),
      m_stop(::CreateEventA(nullptr, TRUE, FALSE, nullptr))
{
}

int Playback::Start(Decoder& decoder, int bufferMs, std::unique_ptr<Playback>& playback)
{
    std::unique_ptr<Playback> p(new Playback(decoder));
    if (!p->m_done || !p->m_stop) return FSOUND_ERR_PLAY;

    // The buffer length set by the caller is the whole queue, split so the device never runs dry
    // while one part is refilled.
    const PcmFormat format = decoder.Format();
    if (format.sampleRate < kMinSampleRate || format.sampleRate > kMaxSampleRate || format.channels < 1 ||
        format.channels > 2 || bufferMs < 1) {
        return FSOUND_ERR_PLAY;
    }
    const std::uint64_t align = format.BlockAlign();
    std::uint64_t bytes = format.sampleRate * align * static_cast<std::uint64_t>(bufferMs) / (1000 * kBuffers);
    bytes -= bytes % align;
    if (bytes < align) bytes = align;
    // A wave header counts its bytes in 32 bits; a buffer past that would wrap to a short one.
    if (bytes > 0xFFFFFFFFu) return FSOUND_ERR_MEMORY;
    const MMRESULT opened = p->m_queue.Open(format, p->m_done.Get(), kBuffers, static_cast<std::size_t>(bytes));
    if (opened != MMSYSERR_NOERROR) return PlayErrorCode(opened);

    for (std::size_t i = 0; i < p->m_queue.Count() && !p->m_decoderEnded; ++i) p->Refill(i);
    if (p->m_queue.QueuedCount() == 0) {
        p->m_queue.Close();
        p->m_finished = true;
    } else {
        unsigned id = 0;
        p->m_thread = Win32Handle(reinterpret_cast<HANDLE>(::_beginthreadex(nullptr, 0, FeederMain, p.get(), 0, &id)));
        if (!p->m_thread) return FSOUND_ERR_PLAY;
        // Refills are short and rare; running them ahead of the program's own threads keeps the device fed.
        ::SetThreadPriority(p->m_thread.Get(), THREAD_PRIORITY_HIGHEST);
    }
    playback = std::move(p);
    return FSOUND_ERR_NONE;
}

Playback::~Playback()
{
    if (m_thread) {
        ::SetEvent(m_stop.Get());
        ::WaitForSingleObject(m_thread.Get(), INFINITE);
    }
}

unsigned __stdcall Playback::FeederMain(void* self)
{
    static_cast<Playback*>(self)->Feed();
    return 0;
}

bool Playback::Refill(std::size_t i)
{
    const std::size_t got = m_decoder.Read(m_queue.Data(i), m_queue.Capacity());
    if (got == 0 || !m_queue.Queue(i, got)) {
        m_decoderEnded = true;
        return false;
    }
    m_queuedBytes += got;
    return true;
}

void Playback::CollectDone()
{
    // Each refill queues the decoder's next bytes at once, so the device's queue order is the sound's order.
    for (std::size_t i = 0; i < m_queue.Count(); ++i) {
        std::size_t bytes = 0;
        if (!m_queue.TakeDone(i, bytes)) continue;
        m_doneBytes += bytes;
        if (!m_decoderEnded) Refill(i);
    }
}

void Playback::Feed()
{
    const HANDLE events[2] = {m_stop.Get(), m_done.Get()};
    for (;;) {
        const DWORD woken = ::WaitForMultipleObjects(2, events, FALSE, INFINITE);
        if (woken != WAIT_OBJECT_0 + 1) return;
        CollectDone();
        if (m_decoderEnded && m_queue.QueuedCount() == 0) {
            {
                std::lock_guard<std::mutex> hold(m_deviceLock);
                m_queue.Close();
            }
            m_finished = true;
            return;
        }
    }
}

std::uint64_t Playback::PlayedBytes() const
{
    const std::uint64_t done = m_doneBytes.load();
    const std::uint64_t queued = m_queuedBytes.load();
    // The device's own counter moves between buffer completions; it can never pass what it was given.
    std::uint64_t device = 0;
    {
        std::lock_guard<std::mutex> hold(m_deviceLock);
        device = m_queue.DevicePosition();
    }
    if (device > queued) device = queued;
    return device > done ? device : done;
}

}  // namespace soundlib

