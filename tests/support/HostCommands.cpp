// Programs started from a test, host programs among them.
#include "tests/support/HostCommands.h"

#include <windows.h>

#include <algorithm>

#include "tests/support/WaitUntil.h"

bool StartProgram(std::wstring commandLine, const std::wstring& application)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(application.empty() ? nullptr : application.c_str(), &commandLine[0], nullptr, nullptr, FALSE,
                          0, nullptr, nullptr, &startup, &process)) {
        return false;
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return true;
}

bool StartHostProgram(const std::wstring& program, const std::vector<std::string>& arguments)
{
    std::wstring commandLine = program;
    for (const std::string& argument : arguments) {
        commandLine += L" \"" + std::wstring(argument.begin(), argument.end()) + L"\"";
    }
    std::wstring application = L"Z:" + program;
    std::replace(application.begin(), application.end(), L'/', L'\\');
    return StartProgram(commandLine, application);
}

std::string UnixPathOf(const std::string& windowsPath)
{
    using ToUnix = char*(CDECL*)(const wchar_t*);
    const auto toUnix = reinterpret_cast<ToUnix>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (!toUnix) return std::string();
    std::wstring wide(windowsPath.size() + 1, L'\0');
    wide.resize(static_cast<std::size_t>(::MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, &wide[0],
                                                               static_cast<int>(wide.size()))) - 1);
    char* unixPath = toUnix(wide.c_str());
    if (!unixPath) return std::string();
    const std::string path = unixPath;
    ::HeapFree(::GetProcessHeap(), 0, unixPath);
    return path;
}

bool MakeHostLink(const std::string& target, const std::string& link)
{
    return StartHostProgram(L"/bin/ln", {"-s", UnixPathOf(target), UnixPathOf(link)}) && WaitUntil([&] {
        const DWORD attributes = ::GetFileAttributesA(link.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
    }, 5000, 10);
}

bool RemoveHostLink(const std::string& link)
{
    return StartHostProgram(L"/bin/rm", {"-f", UnixPathOf(link)}) &&
           WaitUntil([&] { return ::GetFileAttributesA(link.c_str()) == INVALID_FILE_ATTRIBUTES; }, 5000, 10);
}
