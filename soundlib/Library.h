// The library's state behind the exported functions: session rules, channels and open streams.
#pragma once

#include <memory>
#include <vector>

#include "soundlib/ChannelTable.h"
#include "soundlib/Session.h"
#include "soundlib/Stream.h"

namespace soundlib {

class Library {
public:
    // The one instance; it is never destroyed, see Library.cpp.
    static Library& Instance();

    bool SetDriver(int driver);
    bool Init(int mixRate, int channels);
    int LastError() const { return m_session.LastError(); }
    void Fail(int code) { m_session.Fail(code); }
    bool SetBufferMs(int ms);
    FSOUND_STREAM* Open(const char* name, int offset, int length);
    int Length(FSOUND_STREAM* stream);
    int Play(int channel, FSOUND_STREAM* stream);
    unsigned Position(FSOUND_STREAM* stream);
    bool CloseStream(FSOUND_STREAM* stream);
    void Close();

private:
    Library() = default;
    bool Known(FSOUND_STREAM* stream);
    void ReleaseFinishedChannels();

    Session m_session;
    ChannelTable m_channels;
    std::vector<std::unique_ptr<FSOUND_STREAM>> m_streams;
};

}  // namespace soundlib
