// CMusicPlayer: plays one music file once, through the sound library, on a worker thread.
#pragma once

#include <windows.h>

#include "framework/Handle.h"
#include "framework/String.h"
#include "framework/WorkerThread.h"
#include "soundlib/fsound.h"

// Whether a player has initialised the sound library and not yet closed it.
extern BOOL g_bSoundInit;

class CMusicPlayer {
public:
    // Initialises the library unless a player already has.
    CMusicPlayer();
    // Stops the worker, closes the stream, shuts the library down.
    virtual ~CMusicPlayer();
    CMusicPlayer(const CMusicPlayer&) = delete;
    CMusicPlayer& operator=(const CMusicPlayer&) = delete;

    // Opens the file as a stream and starts the worker; once per player. FALSE when the stream
    // cannot be opened.
    BOOL Play(CString path);

    // The text of the last library error; the installer itself never shows it.
    const CString& LastError() const { return m_strError; }

private:
    void PlayToEnd();

    FSOUND_STREAM* m_pStream = nullptr;
    CString m_strError;
    // The worker's one stop signal: it rests on it between polls and wakes at once when it is set.
    CHandle m_stopRequested;
    CWorkerThread m_worker;
};
