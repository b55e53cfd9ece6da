// The text placed in the window's process for the length of one message.
#include "tests/support/RemoteText.h"

#include "framework/Handle.h"

LRESULT SendWithRemoteText(HWND window, UINT message, WPARAM wp, const std::wstring& text)
{
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    const CHandle process(::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, pid));
    const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
    void* at = process.IsValid() ? ::VirtualAllocEx(process.Get(), nullptr, bytes, MEM_COMMIT, PAGE_READWRITE)
                                 : nullptr;
    if (!at) return 0;
    ::WriteProcessMemory(process.Get(), at, text.c_str(), bytes, nullptr);
    const LRESULT result = ::SendMessageW(window, message, wp, reinterpret_cast<LPARAM>(at));
    ::VirtualFreeEx(process.Get(), at, 0, MEM_RELEASE);
    return result;
}
