// CFileException: a file operation failed; carries the cause, the system error and the path.
#pragma once

#include <windows.h>

#include "framework/FileError.h"
#include "framework/String.h"

class CFileException {
public:
    CFileException(FileErrorCause cause, DWORD osError, const CString& fileName)
        : m_cause(cause), m_lOsError(osError), m_strFileName(fileName) {}

    // The cause that a system error code stands for.
    static FileErrorCause OsErrorToCause(DWORD osError);
    // An exception built from the calling thread's last error.
    static CFileException FromLastError(const CString& fileName);

    // The standard text with the path in place of %1.
    CString GetErrorMessage() const { return FormatFileError(m_cause, m_strFileName); }

    FileErrorCause m_cause;
    DWORD m_lOsError;
    CString m_strFileName;
};
