// CTextFile: reads an existing 8-bit text file line by line, others may read but not write it.
#pragma once

#include "framework/Handle.h"
#include "framework/LineSplitter.h"
#include "framework/String.h"

class CTextFile {
public:
    // Opens an existing file for reading, denying writers. False when it cannot be
    // opened (missing, locked for writing by another process, not accessible).
    bool Open(const CString& path);

    // The next line by the line rules; false at the end. A read error throws CFileException.
    bool ReadString(CString& line);

    void Close() { m_file.Close(); }

private:
    CHandle m_file;
    CString m_path;
    CLineSplitter m_lines;
};
