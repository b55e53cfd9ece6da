// Path text helpers.
#include "framework/PathText.h"

CString FolderOfPath(const CString& path)
{
    return path.Left(path.ReverseFind('\\') + 1);
}

CString AppNameOfPath(const CString& path)
{
    CString name = path.Mid(path.ReverseFind('\\') + 1);
    const int dot = name.ReverseFind('.');
    return dot >= 0 ? name.Left(dot) : name;
}

CString WithTrailingBackslash(const CString& path)
{
    if (!path.IsEmpty() && path.GetAt(path.GetLength() - 1) == '\\') return path;
    return path + "\\";
}

std::wstring FolderOfPath(const std::wstring& path)
{
    const std::size_t separator = path.find_last_of(L'\\');
    return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator + 1);
}
