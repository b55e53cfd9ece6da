// TempFolder: creation, files and recursive removal.
#include "tests/support/TempFolder.h"

#include <fstream>
#include <stdexcept>

#include "tests/support/HostCommands.h"

namespace {

// A file, a link itself (never what it points to), or a folder with everything in it.
void RemoveEntry(const std::string& path, DWORD attributes)
{
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        RemoveHostLink(path);
    } else if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        WIN32_FIND_DATAA data;
        HANDLE find = ::FindFirstFileA((path + "\\*").c_str(), &data);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                const std::string name = data.cFileName;
                if (name != "." && name != "..") RemoveEntry(path + "\\" + name, data.dwFileAttributes);
            } while (::FindNextFileA(find, &data));
            ::FindClose(find);
        }
        ::RemoveDirectoryA(path.c_str());
    } else {
        ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileA(path.c_str());
    }
}

}  // namespace

TempFolder::TempFolder(const std::string& baseFolder)
{
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    const std::string base = baseFolder.empty() ? std::string(temp) : baseFolder;
    static unsigned counter = 0;
    for (;;) {
        m_path = base + "velan" + std::to_string(::GetCurrentProcessId()) + "_" +
                 std::to_string(++counter) + "\\";
        if (::CreateDirectoryA(m_path.c_str(), nullptr)) break;
        if (::GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("cannot create " + m_path);
    }
}

TempFolder::~TempFolder()
{
    RemoveEntry(m_path.substr(0, m_path.size() - 1), FILE_ATTRIBUTE_DIRECTORY);
}

void TempFolder::Remove(const std::string& name) const
{
    const DWORD attributes = ::GetFileAttributesA((m_path + name).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) RemoveEntry(m_path + name, attributes);
}

void TempFolder::MakeFolder(const std::string& name) const
{
    std::string path = m_path;
    for (char ch : name) {
        if (ch == '\\') ::CreateDirectoryA(path.c_str(), nullptr);
        path += ch;
    }
    ::CreateDirectoryA(path.c_str(), nullptr);
}

void TempFolder::Write(const std::string& name, const std::string& bytes) const
{
    const std::size_t slash = name.rfind('\\');
    if (slash != std::string::npos) MakeFolder(name.substr(0, slash));
    std::ofstream file(m_path + name, std::ios::binary | std::ios::trunc);
    if (!file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
        throw std::runtime_error("cannot write " + name);
    }
}
