// Status panel text composition.
#include "ui/StatusText.h"

std::wstring AppendStatusLine(const std::wstring& current, const std::wstring& line)
{
    if (current.empty()) return line;
    return current + L"\r\n" + line;
}

std::wstring FillPattern(const std::wstring& pattern, const std::wstring& argument)
{
    const std::size_t at = pattern.find(L"%s");
    if (at == std::wstring::npos) return pattern;
    return pattern.substr(0, at) + argument + pattern.substr(at + 2);
}

CString FormatMegabytes(const CString& pattern, unsigned long long bytes)
{
    const int at = pattern.Find('%');
    if (at < 0 || at + 1 >= pattern.GetLength() || pattern.GetAt(at + 1) != 'd') return pattern;
    const std::string megabytes = std::to_string(bytes / 1048576ULL);
    return pattern.Left(at) + megabytes.c_str() + pattern.Mid(at + 2);
}
