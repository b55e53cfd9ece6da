// The system's own text for an error code.
#include "framework/SystemErrorText.h"

#include "framework/Handle.h"

std::wstring SystemErrorText(DWORD error)
{
    CLocalMemory<wchar_t> text;
    // With ALLOCATE_BUFFER the buffer argument is where the system stores its own buffer's address.
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
        0, reinterpret_cast<wchar_t*>(text.Receive()), 0, nullptr);
    std::wstring result = length ? std::wstring(text.Get(), length) : L"(" + std::to_wstring(error) + L")";
    while (!result.empty() && (result.back() == L'\n' || result.back() == L'\r' || result.back() == L' ')) {
        result.pop_back();
    }
    return result;
}
