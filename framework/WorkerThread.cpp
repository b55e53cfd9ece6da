// CWorkerThread.
#include "framework/WorkerThread.h"

CWorkerThread::CWorkerThread(std::function<void()> work) : m_work(std::move(work))
{
    m_thread = CHandle(::CreateThread(nullptr, 0, &CWorkerThread::ThreadProc, this, 0, nullptr));
    if (!m_thread.IsValid()) m_work();
}

CWorkerThread::~CWorkerThread()
{
    if (m_thread.IsValid()) ::WaitForSingleObject(m_thread.Get(), INFINITE);
}

DWORD WINAPI CWorkerThread::ThreadProc(LPVOID self)
{
    static_cast<CWorkerThread*>(self)->m_work();
    return 0;
}
