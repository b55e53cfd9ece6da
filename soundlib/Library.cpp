// Each entry point's work once the call has been checked against the session rules.
#include "soundlib/Library.h"

#include <algorithm>
#include <climits>

#include "soundlib/OpenSound.h"
#include "soundlib/OutputDevice.h"
#include "soundlib/PlayPosition.h"
#include "soundlib/fsound.h"

namespace soundlib {
namespace {

int ClampToInt(std::uint64_t value)
{
    return value > static_cast<std::uint64_t>(INT_MAX) ? INT_MAX : static_cast<int>(value);
}

}  // namespace

Library& Library::Instance()
{
    // Deliberately leaked: a destructor would run under the loader lock at process exit and
    // would wait for feeder threads that Windows has already ended.
    static Library* const instance = new Library();
    return *instance;
}

bool Library::SetDriver(int driver)
{
    return m_session.SelectDriver(driver);
}

bool Library::Init(int mixRate, int channels)
{
    if (!m_session.CheckInitArguments(mixRate, channels)) return false;
    const int device = CheckOutputDevice(mixRate);
    if (device != FSOUND_ERR_NONE) return m_session.Fail(device);
    m_session.Initialized(channels);
    m_channels = ChannelTable(channels);
    return true;
}

bool Library::SetBufferMs(int ms)
{
    return m_session.SetBufferMs(ms);
}

FSOUND_STREAM* Library::Open(const char* name, int offset, int length)
{
    if (!m_session.CheckOpenArguments(name, offset, length)) return nullptr;
    std::unique_ptr<FSOUND_STREAM> stream(new FSOUND_STREAM());
    const int opened = OpenSound(name, static_cast<std::uint64_t>(offset), static_cast<std::uint64_t>(length),
                                 stream->decoder);
    if (opened != FSOUND_ERR_NONE) {
        m_session.Fail(opened);
        return nullptr;
    }
    stream->bufferMs = m_session.BufferMs();
    m_streams.push_back(std::move(stream));
    return m_streams.back().get();
}

bool Library::Known(FSOUND_STREAM* stream)
{
    const bool known = stream != nullptr &&
                       std::any_of(m_streams.begin(), m_streams.end(), [stream](const auto& s) { return s.get() == stream; });
    if (!known) m_session.Fail(FSOUND_ERR_INVALID_PARAM);
    return known;
}

int Library::Length(FSOUND_STREAM* stream)
{
    if (!Known(stream)) return 0;
    return ClampToInt(stream->decoder->LengthBytes());
}

void Library::ReleaseFinishedChannels()
{
    for (const auto& s : m_streams) {
        if (s->playback && s->playback->Finished() && s->channel >= 0) {
            m_channels.Release(s.get());
            s->channel = -1;
        }
    }
}

int Library::Play(int channel, FSOUND_STREAM* stream)
{
    if (!m_session.RequireInitialized() || !Known(stream)) return -1;
    if (stream->playback && !stream->playback->Finished()) return stream->channel;
    ReleaseFinishedChannels();
    int taken = -1;
    switch (m_channels.Take(channel, stream, taken)) {
    case ChannelTable::Claim::Ok: break;
    case ChannelTable::Claim::OutOfRange: m_session.Fail(FSOUND_ERR_INVALID_PARAM); return -1;
    case ChannelTable::Claim::NoneFree:
    case ChannelTable::Claim::Taken: m_session.Fail(FSOUND_ERR_CHANNEL_ALLOC); return -1;
    }
    ChannelClaim claim(m_channels, stream);
    // A stream that already played (or began to) starts again from the beginning.
    stream->playback.reset();
    if (stream->rewindDue && !stream->decoder->Rewind()) {
        m_session.Fail(FSOUND_ERR_PLAY);
        return -1;
    }
    // Before the start, which may read from the decoder and still fail.
    stream->rewindDue = true;
    const int started = Playback::Start(*stream->decoder, stream->bufferMs, stream->playback);
    if (started != FSOUND_ERR_NONE) {
        m_session.Fail(started);
        return -1;
    }
    claim.Keep();
    stream->channel = taken;
    return taken;
}

unsigned Library::Position(FSOUND_STREAM* stream)
{
    if (!Known(stream) || !stream->playback) return 0;
    const std::uint64_t position =
        ReportedPosition(stream->playback->PlayedBytes(), stream->decoder->LengthBytes(),
                         stream->playback->Finished(), stream->decoder->Format().BlockAlign());
    return static_cast<unsigned>(ClampToInt(position));
}

bool Library::CloseStream(FSOUND_STREAM* stream)
{
    if (!Known(stream)) return false;
    stream->playback.reset();
    m_channels.Release(stream);
    m_streams.erase(std::remove_if(m_streams.begin(), m_streams.end(),
                                   [stream](const auto& s) { return s.get() == stream; }),
                    m_streams.end());
    return true;
}

void Library::Close()
{
    m_streams.clear();
    m_channels = ChannelTable();
    m_session.Closed();
}

}  // namespace soundlib
