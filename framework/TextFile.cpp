// CTextFile: share-deny-write text reading through the line splitter.
#include "framework/TextFile.h"

#include "framework/FileException.h"

namespace {
const DWORD kChunk = 64 * 1024;
}

bool CTextFile::Open(const CString& path)
{
    m_lines = CLineSplitter();
    m_path = path;
    m_file = CHandle(::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    return m_file.IsValid();
}

bool CTextFile::ReadString(CString& line)
{
    while (!m_lines.NextLine(line)) {
        if (m_lines.AtEnd() || !m_file.IsValid()) return false;
        char buffer[kChunk];
        DWORD got = 0;
        if (!::ReadFile(m_file.Get(), buffer, kChunk, &got, nullptr)) {
            CFileException error = CFileException::FromLastError(m_path);
            Close();
            throw error;
        }
        if (got == 0) {
            m_lines.Finish();
        } else {
            m_lines.Feed(buffer, got);
        }
    }
    return true;
}
