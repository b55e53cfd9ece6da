// Argument ranges and call-order rules of the library's entry points.
#include "soundlib/Session.h"

#include "soundlib/fsound.h"

namespace soundlib {
namespace {

constexpr int kMinMixRate = 4000;
constexpr int kMaxMixRate = 192000;
constexpr int kMaxChannels = 1024;
// Below this the feeder would wake too often to be cheap; above it the memory is pointless.
constexpr int kMinBufferMs = 50;
constexpr int kMaxBufferMs = 10000;

}  // namespace

bool Session::SelectDriver(int driver)
{
    if (m_initialized) return Fail(FSOUND_ERR_BUSY);
    if (driver != 0) return Fail(FSOUND_ERR_INVALID_PARAM);
    return true;
}

bool Session::CheckInitArguments(int mixRate, int channels)
{
    if (m_initialized) return Fail(FSOUND_ERR_BUSY);
    if (mixRate < kMinMixRate || mixRate > kMaxMixRate || channels < 1 || channels > kMaxChannels) {
        return Fail(FSOUND_ERR_INVALID_PARAM);
    }
    return true;
}

bool Session::SetBufferMs(int ms)
{
    if (ms < kMinBufferMs || ms > kMaxBufferMs) return Fail(FSOUND_ERR_INVALID_PARAM);
    m_bufferMs = ms;
    return true;
}

bool Session::RequireInitialized()
{
    return m_initialized || Fail(FSOUND_ERR_UNINITIALIZED);
}

bool Session::CheckOpenArguments(const char* name, int offset, int length)
{
    if (!RequireInitialized()) return false;
    if (name == nullptr || *name == '\0' || offset < 0 || length < 0) return Fail(FSOUND_ERR_INVALID_PARAM);
    return true;
}

void Session::Initialized(int channels)
{
    m_initialized = true;
    m_channels = channels;
}

void Session::Closed()
{
    m_initialized = false;
    m_channels = 0;
    m_bufferMs = kDefaultBufferMs;
}

}  // namespace soundlib
