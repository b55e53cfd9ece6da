// File-error causes and their standard message texts.
#include "framework/FileError.h"

const char* FileErrorText(FileErrorCause cause)
{
    switch (cause) {
    case FileErrorCause::AccessDenied: return "Access to %1 was denied.";
    case FileErrorCause::SharingViolation: return "A sharing violation occurred while accessing %1.";
    case FileErrorCause::LockViolation: return "A locking violation occurred while accessing %1.";
    case FileErrorCause::FileNotFound: return "%1 was not found.";
    case FileErrorCause::BadPath: return "%1 contains an invalid path.";
    case FileErrorCause::TooManyOpenFiles:
        return "%1 could not be opened because there are too many open files.";
    case FileErrorCause::HardIO: return "A hardware I/O error was reported while accessing %1.";
    case FileErrorCause::DiskFull: return "There was not enough space on the disk while accessing %1.";
    case FileErrorCause::EndOfFile: return "An attempt was made to access %1 past its end.";
    case FileErrorCause::OutOfMemory: return "There is not enough memory to read %1.";
    case FileErrorCause::None:
    case FileErrorCause::Generic:
        break;
    }
    return "An unknown error occurred while accessing %1.";
}

CString FormatFileError(FileErrorCause cause, const CString& path)
{
    const CString pattern(FileErrorText(cause));
    CString result;
    for (int i = 0; i < pattern.GetLength(); ++i) {
        if (pattern.GetAt(i) == '%' && i + 1 < pattern.GetLength() && pattern.GetAt(i + 1) == '1') {
            result += path;
            ++i;
        } else {
            result.AppendChar(pattern.GetAt(i));
        }
    }
    return result;
}
