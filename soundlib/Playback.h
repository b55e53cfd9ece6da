// One stream playing on the device, kept fed by its own thread that sleeps until a buffer is done.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>

#include "soundlib/Decoder.h"
#include "soundlib/WaveOutQueue.h"
#include "soundlib/Win32Handle.h"

namespace soundlib {

class Playback {
public:
    static constexpr std::size_t kBuffers = 4;

    // Opens the device, queues the first buffers and starts the feeder; returns 0 or the FSOUND error code.
    static int Start(Decoder& decoder, int bufferMs, std::unique_ptr<Playback>& playback);
    // Stops the sound at once and waits for the feeder.
    ~Playback();
    Playback(const Playback&) = delete;
    Playback& operator=(const Playback&) = delete;

    // Bytes of the decoder's output that the device has played.
    std::uint64_t PlayedBytes() const;
    // The decoder has run dry and the device has played everything it was given; the device,
    // no longer needed, has been given back by then.
    bool Finished() const { return m_finished.load(); }

private:
    explicit Playback(Decoder& decoder);
    static unsigned __stdcall FeederMain(void* self);
    void Feed();
    bool Refill(std::size_t i);
    void CollectDone();

    Decoder& m_decoder;
    Win32Handle m_done;
    Win32Handle m_stop;
    WaveOutQueue m_queue;  // destroyed before the events it signals
    // The feeder closes the device when the sound is over, while callers may be asking its position.
    mutable std::mutex m_deviceLock;
    Win32Handle m_thread;
    std::atomic<std::uint64_t> m_doneBytes{0};
    std::atomic<std::uint64_t> m_queuedBytes{0};
    std::atomic<bool> m_finished{false};
    bool m_decoderEnded = false;  // touched by one thread at a time: Start, then the feeder
};

}  // namespace soundlib
