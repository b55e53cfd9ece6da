// Keeping a window thread answering while it waits.
#include "framework/MessagePump.h"

#include <exception>

#include "framework/WorkerThread.h"

bool PumpMessagesUntil(HANDLE handle, DWORD periodMs, HWND dialog)
{
    const DWORD start = ::GetTickCount();
    for (;;) {
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                // Meant for the loop around this one: left for it to see.
                ::PostQuitMessage(static_cast<int>(message.wParam));
                return ::WaitForSingleObject(handle, periodMs) == WAIT_OBJECT_0;
            }
            if (dialog && ::IsDialogMessageW(dialog, &message)) continue;
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        const DWORD elapsed = ::GetTickCount() - start;
        if (elapsed >= periodMs) return ::WaitForSingleObject(handle, 0) == WAIT_OBJECT_0;
        const DWORD woke = ::MsgWaitForMultipleObjects(1, &handle, FALSE, periodMs - elapsed, QS_ALLINPUT);
        if (woke == WAIT_OBJECT_0) return true;
        if (woke != WAIT_OBJECT_0 + 1) return ::WaitForSingleObject(handle, 0) == WAIT_OBJECT_0;
    }
}

void RunWhileAnswering(const std::function<void()>& work)
{
    std::exception_ptr failure;
    {
        CWorkerThread worker([&] {
            try {
                work();
            } catch (...) {
                failure = std::current_exception();
            }
        });
        while (worker.Handle() && !PumpMessagesUntil(worker.Handle(), 100, nullptr)) {
        }
    }
    if (failure) std::rethrow_exception(failure);
}
