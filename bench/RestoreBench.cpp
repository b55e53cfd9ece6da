// Benchmark driver for bench/restore.sh: starts the installer kept in the game folder's restore
// point with /restore, as the list of installed programs does, answers its question and times the
// restore from the answer to the final message, and to the restore folder's end (it is cleared
// behind the message); then, as its floor, the same number of bare renames of the restored files.
// Prints tab-separated figures for the script.
//
// Environment: BENCH_GAME_DIR, BENCH_SYNC_DIR (host paths, ending in "/").
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/Handshake.h"
#include "tests/support/HostPath.h"

namespace {

const wchar_t kCaption[] = L"VELANInst";

// The next visible message box with the installer's caption other than `after`; null after 60 s.
HWND WaitForBox(HWND after)
{
    for (DWORD start = ::GetTickCount(); ::GetTickCount() - start < 60000; ::Sleep(2)) {
        HWND box = ::FindWindowW(L"#32770", kCaption);
        if (box && box != after && ::IsWindowVisible(box) && ::GetDlgItem(box, 0xFFFF)) return box;
    }
    return nullptr;
}

std::string Utf8(const std::wstring& text)
{
    std::string bytes(text.size() * 3 + 1, '\0');
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &bytes[0],
                                           static_cast<int>(bytes.size()), nullptr, nullptr);
    bytes.resize(size > 0 ? static_cast<std::size_t>(size) : 0);
    return bytes;
}

// Every file below `folder` (ending in a backslash), relative to it.
void FilesBelow(const std::string& folder, const std::string& relative, std::vector<std::string>& files)
{
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((folder + relative + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            FilesBelow(folder, relative + name + "\\", files);
        } else {
            files.push_back(relative + name);
        }
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
}

// The platform's floor for what the restore does: every file of the restored game renamed into
// one folder and back, as bare MoveFileExA calls (twice the renames of a restore that replaced
// every file). Seconds, or -1 when a rename failed.
double BareRenames(const std::string& gameDir, int& count)
{
    std::vector<std::string> files;
    FilesBelow(gameDir, "", files);
    const std::string aside = gameDir + "bare-renames\\";
    ::CreateDirectoryA(aside.c_str(), nullptr);
    const LARGE_INTEGER start = Now();
    bool ok = true;
    for (std::size_t i = 0; i < files.size(); ++i) {
        ok = ::MoveFileExA((gameDir + files[i]).c_str(), (aside + std::to_string(i)).c_str(), 0) && ok;
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        ok = ::MoveFileExA((aside + std::to_string(i)).c_str(), (gameDir + files[i]).c_str(), 0) && ok;
    }
    const double seconds = Seconds(start, Now());
    ::RemoveDirectoryA(aside.c_str());
    count = static_cast<int>(files.size() * 2);
    return ok ? seconds : -1;
}

std::wstring TextOf(HWND window)
{
    wchar_t text[2048] = {};
    ::GetWindowTextW(window, text, 2048);
    return text;
}

}  // namespace

int main()
{
    const std::string gameDir = HostPathFromEnvironment("BENCH_GAME_DIR");
    const std::string syncDir = HostPathFromEnvironment("BENCH_SYNC_DIR");
    std::string commandLine = "\"" + gameDir + "VELANInst.restore\\VELANInst.exe\" /restore";
    if (!Handshake(syncDir, "start")) return 1;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const LARGE_INTEGER started = Now();
    if (!::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        std::printf("error\tthe kept installer did not start (%lu)\n", ::GetLastError());
        return 1;
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    HWND question = WaitForBox(nullptr);
    if (!question) {
        std::printf("error\tno question\n");
        return 1;
    }
    const LARGE_INTEGER asked = Now();
    ::PostMessageW(question, WM_COMMAND, IDYES, 0);
    HWND done = WaitForBox(question);
    const LARGE_INTEGER ended = Now();
    if (!done) {
        std::printf("error\tno final message\n");
        return 1;
    }
    std::printf("start_to_question_s\t%.3f\n", Seconds(started, asked));
    std::printf("restore_s\t%.3f\n", Seconds(asked, ended));
    std::printf("message\t%s\n", Utf8(TextOf(::GetDlgItem(done, 0xFFFF))).c_str());
    ::PostMessageW(done, WM_COMMAND, IDOK, 0);
    // The restore folder is cleared behind the message: the restore is over when it is gone.
    const std::string restoreDir = gameDir + "VELANInst.restore";
    for (DWORD start = ::GetTickCount(); ::GetFileAttributesA(restoreDir.c_str()) != INVALID_FILE_ATTRIBUTES; ::Sleep(5)) {
        if (::GetTickCount() - start > 120000) {
            std::printf("error\tthe restore folder stays\n");
            return 1;
        }
    }
    std::printf("cleared_s\t%.3f\n", Seconds(asked, Now()));
    int renames = 0;
    const double floor = BareRenames(gameDir, renames);
    std::printf("bare_renames\t%d\n", renames);
    std::printf("bare_renames_s\t%.3f\n", floor);
    return floor < 0 ? 1 : 0;
}
