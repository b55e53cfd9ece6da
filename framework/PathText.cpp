// Path text helpers.
#include "PathText.h"

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
