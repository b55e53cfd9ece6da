// CTextFile on real files: lines across buffer ends, missing files, writers (tested here only), unreadable files.
#include <gtest/gtest.h>

#include <vector>

#include "framework/FileException.h"
#include "framework/TextFile.h"
#include "tests/support/TempFolder.h"

TEST(TextFile, ReadsLinesAcrossBufferBoundaries)
{
    TempFolder dir;
    std::string bytes;
    std::vector<std::string> expected;
    for (int i = 0; i < 20000; ++i) {
        expected.push_back(std::string(static_cast<std::size_t>(i % 37), 'a' + i % 26));
        bytes += expected.back() + (i % 2 ? "\r\n" : "\n");
    }
    expected.push_back("last line without an end");
    bytes += expected.back();
    dir.Write("list.cfg", bytes);
    CTextFile file;
    ASSERT_TRUE(file.Open((dir / "list.cfg").c_str()));
    std::vector<std::string> lines;
    for (CString line; file.ReadString(line);) lines.push_back(line.Bytes());
    EXPECT_EQ(lines, expected);
}

TEST(TextFile, MissingFilesAndWritersAreRefused)
{
    TempFolder dir;
    CTextFile absent;
    EXPECT_FALSE(absent.Open((dir / "absent").c_str()));
    dir.Write("list", "x|y\n");
    const std::string path = dir / "list";

    // Another process holding the file open for writing: the open fails as for a missing file.
    // (The same share mode keeps writers out while we read.)
    HANDLE writer = ::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    CTextFile blocked;
    EXPECT_FALSE(blocked.Open(path.c_str()));
    ::CloseHandle(writer);

    // While we read, others may read.
    CTextFile reading;
    ASSERT_TRUE(reading.Open(path.c_str()));
    HANDLE reader = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(reader, INVALID_HANDLE_VALUE);
    ::CloseHandle(reader);
}

TEST(TextFile, ReadErrorThrowsAFileException)
{
    // A file that opens but cannot be read: under Wine, the host's memory file of a process, whose
    // first page is never mapped (the read fails with an I/O error). Windows has no such file.
    CTextFile file;
    if (!file.Open("Z:\\proc\\self\\mem")) GTEST_SKIP() << "no unreadable file opens here";
    CString line;
    EXPECT_THROW(file.ReadString(line), CFileException);
}
