// Conversions between 8-bit texts and UTF-16.
#include "framework/WideText.h"

#include <windows.h>

std::wstring Widen(const CString& text, unsigned codePage)
{
    if (text.IsEmpty()) return std::wstring();
    const int needed = ::MultiByteToWideChar(codePage, 0, text.GetString(), text.GetLength(), nullptr, 0);
    std::wstring result(static_cast<std::size_t>(needed), L'\0');
    ::MultiByteToWideChar(codePage, 0, text.GetString(), text.GetLength(), &result[0], needed);
    return result;
}

CString Narrow(const std::wstring& text, unsigned codePage)
{
    if (text.empty()) return CString();
    const int length = static_cast<int>(text.size());
    const int needed = ::WideCharToMultiByte(codePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(needed), '\0');
    ::WideCharToMultiByte(codePage, 0, text.data(), length, &bytes[0], needed, nullptr, nullptr);
    return CString(bytes);
}
