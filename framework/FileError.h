// File-error causes and their standard message texts.
#pragma once

#include "framework/String.h"

enum class FileErrorCause {
    None,
    Generic,
    FileNotFound,
    BadPath,
    TooManyOpenFiles,
    AccessDenied,
    HardIO,
    SharingViolation,
    LockViolation,
    DiskFull,
    EndOfFile,
    OutOfMemory,
};

// The standard text for a cause, with "%1" standing for the file's path.
const char* FileErrorText(FileErrorCause cause);

// The standard text with every "%1" replaced by the path, taken literally.
CString FormatFileError(FileErrorCause cause, const CString& path);
