// CTextFile on real files: lines across buffer ends, missing files, writers (tested here only), unreadable files.
#include <gtest/gtest.h>

#include <vector>

#include "framework/FileException.h"
#include "framework/TextFile.h"
#include "support/TempFolder.h"

namespace {

std::vector<std::string> ReadAll(const std::string& path)
{
    CTextFile file;
    EXPECT_TRUE(file.Open(path.c_str()));
    std::vector<std::string> lines;
    CString line;
    while (file.ReadString(line)) lines.push_back(line.Bytes());
    return lines;
}

}  // namespace

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
    EXPECT_EQ(ReadAll(dir / "list.cfg"), expected);
}

TEST(TextFile, MissingFilesAndWritersAreRefused)
{
    TempFolder dir;
    CTextFile absent;
    EXPECT_FALSE(absent.Open((dir / "absent").c_str()));
    dir.Write("list", "x|y\n");
    const std::string path = dir / "list";

    // Another process holding the file open for writing: the open fails as for a missing file.
    HANDLE writer = ::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    CTextFile blocked;
    EXPECT_FALSE(blocked.Open(path.c_str()));
    ::CloseHandle(writer);

    // While we read, others may read but not write.
    CTextFile reading;
    ASSERT_TRUE(reading.Open(path.c_str()));
    HANDLE reader = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(reader, INVALID_HANDLE_VALUE);
    ::CloseHandle(reader);
    HANDLE second = ::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(second, INVALID_HANDLE_VALUE);
    if (second != INVALID_HANDLE_VALUE) ::CloseHandle(second);
}

TEST(TextFile, ReadErrorThrowsAFileException)
{
    TempFolder dir;
    dir.MakeFolder("folder");
    // Files that open but cannot be read: a folder on some platforms; under Wine, the host's memory
    // file of a process, whose first page is never mapped (the read fails with an I/O error).
    const std::string candidates[] = {dir / "folder", "Z:\\proc\\self\\mem"};
    int opened = 0;
    for (const std::string& path : candidates) {
        CTextFile file;
        if (!file.Open(path.c_str())) continue;
        ++opened;
        CString line;
        EXPECT_THROW(file.ReadString(line), CFileException) << path;
    }
    if (opened == 0) GTEST_SKIP() << "no unreadable file opens here";
}
