// The installer's call sequence, with what the position did on the way.
#include "Playing.h"

PlayRun PlayToEnd(FSOUND_STREAM* stream, DWORD limitMs)
{
    PlayRun run;
    const unsigned length = static_cast<unsigned>(FSOUND_Stream_GetLength(stream));
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < limitMs) {
        if (run.channel < 0) run.channel = FSOUND_Stream_Play(FSOUND_FREE, stream);
        const unsigned position = FSOUND_Stream_GetPosition(stream);
        run.lastPosition = position;
        if (position >= length) {
            run.reachedEnd = true;
            break;
        }
        ::Sleep(1);
    }
    return run;
}
