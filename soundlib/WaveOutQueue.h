// A waveOut device with its ring of prepared buffers.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "soundlib/Decoder.h"

namespace soundlib {

class WaveOutQueue {
public:
    WaveOutQueue() = default;
    ~WaveOutQueue() { Close(); }
    WaveOutQueue(const WaveOutQueue&) = delete;
    WaveOutQueue& operator=(const WaveOutQueue&) = delete;

    // Opens the default device; `done` is signalled whenever the device finishes a buffer.
    MMRESULT Open(const PcmFormat& format, HANDLE done, std::size_t buffers, std::size_t bufferBytes);

    std::size_t Count() const { return m_buffers.size(); }
    std::size_t Capacity() const { return m_bufferBytes; }
    std::uint8_t* Data(std::size_t i) { return m_buffers[i].data.data(); }

    // Hands `bytes` of buffer i to the device.
    bool Queue(std::size_t i, std::size_t bytes);
    // True once for each queued buffer the device has finished, with the bytes it held.
    bool TakeDone(std::size_t i, std::size_t& bytes);
    std::size_t QueuedCount() const;

    // Bytes the device reports as played since it was opened; 0 once closed.
    std::uint64_t DevicePosition() const;

    // Silences the device at once, then gives its buffers and the handle back.
    void Close();

private:
    struct Buffer {
        WAVEHDR header{};
        std::vector<std::uint8_t> data;
        bool prepared = false;
        bool queued = false;
    };

    HWAVEOUT m_device = nullptr;
    std::size_t m_bufferBytes = 0;
    // WAVEHDRs must not move while the device holds them: the vector is sized once, at Open.
    std::vector<Buffer> m_buffers;
};

}  // namespace soundlib
