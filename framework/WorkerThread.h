// CWorkerThread: the program's one way to run work on a thread of its own; the work is waited for
// when the object goes.
#pragma once

#include <windows.h>

#include <functional>

#include "framework/Handle.h"

class CWorkerThread {
public:
    // Nothing runs until Start.
    CWorkerThread() = default;
    // Starts `work`; when no thread can be started it runs on the caller's thread, before the
    // constructor returns, and Handle() is null.
    explicit CWorkerThread(std::function<void()> work);
    ~CWorkerThread() { Join(); }
    CWorkerThread(const CWorkerThread&) = delete;
    CWorkerThread& operator=(const CWorkerThread&) = delete;

    // Starts `work` after waiting for any work started before; false, and the work not run, when
    // no thread can be started: for work the caller can do without.
    bool Start(std::function<void()> work);
    // Waits for the work to end; at once when none runs. Handle() is null afterwards.
    void Join();

    // Signalled when the work has ended.
    HANDLE Handle() const { return m_thread.Get(); }

private:
    static DWORD WINAPI ThreadProc(LPVOID self);

    std::function<void()> m_work;
    CHandle m_thread;
};
