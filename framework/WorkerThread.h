// CWorkerThread: a piece of work on a thread of its own, waited for when the object goes.
#pragma once

#include <windows.h>

#include <functional>

#include "framework/Handle.h"

class CWorkerThread {
public:
    // Starts `work`; when no thread can be started it runs on the caller's thread, before the
    // constructor returns, and Handle() is null.
    explicit CWorkerThread(std::function<void()> work);
    ~CWorkerThread();  // waits for the work
    CWorkerThread(const CWorkerThread&) = delete;
    CWorkerThread& operator=(const CWorkerThread&) = delete;

    // Signalled when the work has ended.
    HANDLE Handle() const { return m_thread.Get(); }

private:
    static DWORD WINAPI ThreadProc(LPVOID self);

    std::function<void()> m_work;
    CHandle m_thread;
};
