// The exported C entry points: one lock, one Library call, and no exception ever crossing into the caller.
#include <mutex>
#include <new>

#include "soundlib/Library.h"
#include "soundlib/fsound.h"

using soundlib::Library;

namespace {

// The installer never calls from two threads at once, but a lock costs nothing and makes that harmless.
std::mutex& CallLock()
{
    static std::mutex* const lock = new std::mutex();
    return *lock;
}

template <typename Result, typename Call>
Result Guarded(Result onFailure, Call call)
{
    std::lock_guard<std::mutex> hold(CallLock());
    try {
        return call(Library::Instance());
    } catch (const std::bad_alloc&) {
        Library::Instance().Fail(FSOUND_ERR_MEMORY);
    } catch (...) {
        Library::Instance().Fail(FSOUND_ERR_PLAY);
    }
    return onFailure;
}

signed char Truth(bool value)
{
    return value ? 1 : 0;
}

}  // namespace

extern "C" {

signed char FSOUND_API FSOUND_SetDriver(int driver)
{
    return Guarded<signed char>(0, [&](Library& lib) { return Truth(lib.SetDriver(driver)); });
}

signed char FSOUND_API FSOUND_Init(int mixrate, int maxsoftwarechannels, unsigned int /*flags*/)
{
    return Guarded<signed char>(0, [&](Library& lib) { return Truth(lib.Init(mixrate, maxsoftwarechannels)); });
}

int FSOUND_API FSOUND_GetError(void)
{
    return Guarded<int>(FSOUND_ERR_MEMORY, [](Library& lib) { return lib.LastError(); });
}

signed char FSOUND_API FSOUND_Stream_SetBufferSize(int ms)
{
    return Guarded<signed char>(0, [&](Library& lib) { return Truth(lib.SetBufferMs(ms)); });
}

FSOUND_STREAM* FSOUND_API FSOUND_Stream_Open(const char* name, unsigned int /*mode*/, int offset, int length)
{
    return Guarded<FSOUND_STREAM*>(nullptr, [&](Library& lib) { return lib.Open(name, offset, length); });
}

int FSOUND_API FSOUND_Stream_GetLength(FSOUND_STREAM* stream)
{
    return Guarded<int>(0, [&](Library& lib) { return lib.Length(stream); });
}

int FSOUND_API FSOUND_Stream_Play(int channel, FSOUND_STREAM* stream)
{
    return Guarded<int>(-1, [&](Library& lib) { return lib.Play(channel, stream); });
}

unsigned int FSOUND_API FSOUND_Stream_GetPosition(FSOUND_STREAM* stream)
{
    return Guarded<unsigned int>(0, [&](Library& lib) { return lib.Position(stream); });
}

signed char FSOUND_API FSOUND_Stream_Close(FSOUND_STREAM* stream)
{
    return Guarded<signed char>(0, [&](Library& lib) { return Truth(lib.CloseStream(stream)); });
}

void FSOUND_API FSOUND_Close(void)
{
    Guarded<int>(0, [](Library& lib) {
        lib.Close();
        return 0;
    });
}

}  // extern "C"
