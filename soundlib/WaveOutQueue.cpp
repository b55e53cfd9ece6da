// waveOutOpen with CALLBACK_EVENT, header preparation and the reset on destruction.
#include "soundlib/WaveOutQueue.h"

#include <algorithm>

#include "soundlib/SystemSound.h"

namespace soundlib {

void WaveOutQueue::Close()
{
    if (!m_device) return;
    // Reset returns every queued buffer at once, so the device holds none of them afterwards.
    Platform().waveOutReset(m_device);
    for (Buffer& buffer : m_buffers) {
        if (buffer.prepared) Platform().waveOutUnprepareHeader(m_device, &buffer.header, sizeof buffer.header);
    }
    Platform().waveOutClose(m_device);
    m_device = nullptr;
    m_buffers.clear();
    m_buffers.shrink_to_fit();
}

MMRESULT WaveOutQueue::Open(const PcmFormat& format, HANDLE done, std::size_t buffers, std::size_t bufferBytes)
{
    const WAVEFORMATEX wave = Pcm16Format(format.sampleRate, format.channels);
    const MMRESULT opened = Platform().waveOutOpen(&m_device, WAVE_MAPPER, &wave, reinterpret_cast<DWORD_PTR>(done), 0,
                                          CALLBACK_EVENT);
    if (opened != MMSYSERR_NOERROR) {
        m_device = nullptr;
        return opened;
    }
    m_bufferBytes = bufferBytes;
    m_buffers.resize(buffers);
    for (Buffer& buffer : m_buffers) {
        buffer.data.resize(bufferBytes);
        buffer.header.lpData = reinterpret_cast<LPSTR>(buffer.data.data());
        buffer.header.dwBufferLength = static_cast<DWORD>(bufferBytes);
        const MMRESULT prepared = Platform().waveOutPrepareHeader(m_device, &buffer.header, sizeof buffer.header);
        if (prepared != MMSYSERR_NOERROR) return prepared;
        buffer.prepared = true;
    }
    return MMSYSERR_NOERROR;
}

bool WaveOutQueue::Queue(std::size_t i, std::size_t bytes)
{
    Buffer& buffer = m_buffers[i];
    buffer.header.dwBufferLength = static_cast<DWORD>(bytes);
    buffer.header.dwFlags &= ~WHDR_DONE;
    buffer.queued = Platform().waveOutWrite(m_device, &buffer.header, sizeof buffer.header) == MMSYSERR_NOERROR;
    return buffer.queued;
}

bool WaveOutQueue::TakeDone(std::size_t i, std::size_t& bytes)
{
    Buffer& buffer = m_buffers[i];
    if (!buffer.queued || !(buffer.header.dwFlags & WHDR_DONE)) return false;
    buffer.queued = false;
    bytes = buffer.header.dwBufferLength;
    return true;
}

std::size_t WaveOutQueue::QueuedCount() const
{
    return static_cast<std::size_t>(
        std::count_if(m_buffers.begin(), m_buffers.end(), [](const Buffer& buffer) { return buffer.queued; }));
}

std::uint64_t WaveOutQueue::DevicePosition() const
{
    if (!m_device) return 0;
    MMTIME time{};
    time.wType = TIME_BYTES;
    if (Platform().waveOutGetPosition(m_device, &time, sizeof time) != MMSYSERR_NOERROR || time.wType != TIME_BYTES) return 0;
    return time.u.cb;
}

}  // namespace soundlib
