// The installer's copy of itself in the temporary folder.
#include "install/ProgramCopy.h"

#include <windows.h>

#include "framework/PathText.h"
#include "install/GamePaths.h"
#include "install/RestorePoint.h"

std::wstring CopyProgramToTemp(const std::wstring& program)
{
    wchar_t temp[MAX_PATH + 1] = {};
    if (!::GetTempPathW(MAX_PATH, temp)) return std::wstring();
    const std::wstring folder = std::wstring(temp) + L"VELANInst-" + std::to_wstring(::GetCurrentProcessId()) + L'\\';
    ::CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring copy = folder + WideAscii(kKeptProgramName);
    const std::wstring library = WideAscii(kKeptLibraryName);
    if (!::CopyFileW(program.c_str(), copy.c_str(), FALSE) ||
        !::CopyFileW((FolderOfPath(program) + library).c_str(), (folder + library).c_str(), FALSE)) {
        return std::wstring();
    }
    return copy;
}

void ForgetCopyOnRestart(const std::wstring& program)
{
    const std::wstring folder = FolderOfPath(program);
    for (const std::wstring& file : {program, folder + WideAscii(kKeptLibraryName)}) {
        ::MoveFileExW(file.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
    }
    ::MoveFileExW(folder.substr(0, folder.size() - 1).c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
}
