// CWorkerThread.
#include "framework/WorkerThread.h"

CWorkerThread::CWorkerThread(std::function<void()> work)
{
    if (!Start(std::move(work))) m_work();
}

bool CWorkerThread::Start(std::function<void()> work)
{
    Join();
    m_work = std::move(work);
    m_thread = CHandle(::CreateThread(nullptr, 0, &CWorkerThread::ThreadProc, this, 0, nullptr));
    return m_thread.IsValid();
}

void CWorkerThread::Join()
{
    if (m_thread.IsValid()) ::WaitForSingleObject(m_thread.Get(), INFINITE);
    m_thread.Close();
}

DWORD WINAPI CWorkerThread::ThreadProc(LPVOID self)
{
    static_cast<CWorkerThread*>(self)->m_work();
    return 0;
}
