// Benchmark: the installer's copy without the installer. Loads the same files.cfg the same way, then
// times the size pass (the same open-and-ask-size calls) and one SHFileOperationA with the same
// lists and flags. Its figures, set against the installer's, show what the window adds.
//
// Environment: BENCH_INSTALLER_DIR, BENCH_GAME_DIR, BENCH_SYNC_DIR (host paths, ending in "/");
// BENCH_BARE_MODE=copyfile copies the same pairs with CopyFileA instead (what the shell adds per file);
// BENCH_BARE_MODE=notify does that and sends the shell's change notice for each new file;
// BENCH_BARE_MODE=folders does that and asks whether each folder on each destination's path exists.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "Handshake.h"
#include "framework/FileFind.h"
#include "framework/TextFile.h"
#include "install/InstallPlan.h"
#include "install/Manifest.h"
#include "support/HostPath.h"

namespace {

// The parent folders of a destination, as the shell makes them for a copy.
void MakeParents(const CString& path)
{
    const std::string text = path.GetString();
    for (std::size_t at = text.find('\\', 3); at != std::string::npos; at = text.find('\\', at + 1)) {
        ::CreateDirectoryA(text.substr(0, at).c_str(), nullptr);
    }
}

enum class Mode { Shell, CopyFile, Notify, Folders };

// Every folder on the path up to the file's own, asked for, as the shell does before each copy.
void AskFolders(const std::string& file)
{
    for (std::size_t at = file.find('\\', 3); at != std::string::npos; at = file.find('\\', at + 1)) {
        ::GetFileAttributesA(file.substr(0, at).c_str());
    }
}

// The same pairs through CopyFileA; 0 when all were copied.
int CopyOneByOne(const CopyLists& lists, Mode mode)
{
    const char* from = lists.from.GetString();
    const char* to = lists.to.GetString();
    for (int i = 0; i < lists.count; ++i) {
        if (!::CopyFileA(from, to, FALSE)) {
            MakeParents(to);
            if (!::CopyFileA(from, to, FALSE)) return static_cast<int>(::GetLastError());
        }
        if (mode == Mode::Notify) ::SHChangeNotify(SHCNE_CREATE, SHCNF_PATHA, to, nullptr);
        if (mode == Mode::Folders) AskFolders(to);
        from += std::strlen(from) + 1;
        to += std::strlen(to) + 1;
    }
    return 0;
}

}  // namespace

int main()
{
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const std::string installerDir = HostPathFromEnvironment("BENCH_INSTALLER_DIR");
    const CString gameDir = HostPathFromEnvironment("BENCH_GAME_DIR").c_str();
    const std::string syncDir = HostPathFromEnvironment("BENCH_SYNC_DIR");
    const char* modeSetting = std::getenv("BENCH_BARE_MODE");
    const std::string modeName = modeSetting ? modeSetting : "shell";
    const Mode mode = modeName == "copyfile" ? Mode::CopyFile
                      : modeName == "notify" ? Mode::Notify
                      : modeName == "folders" ? Mode::Folders : Mode::Shell;

    CStringArray sources;
    CStringArray dests;
    {
        CTextFile file;
        if (!file.Open((installerDir + "files.cfg").c_str())) {
            std::printf("error\tno files.cfg\n");
            return 1;
        }
        const ManifestOutcome outcome = ReadManifest([&file](CString& line) { return file.ReadString(line); },
                                                     FileExists, installerDir.c_str(), sources, dests);
        if (outcome.stop != ManifestStop::None) {
            std::printf("error\tlist stopped at %s\n", outcome.subject.GetString());
            return 1;
        }
    }
    if (!Handshake(syncDir, "ready")) return 1;

    const LARGE_INTEGER start = Now();
    unsigned long long total = 0;
    for (int i = 0; i < sources.GetSize(); ++i) {
        const CString source = ResolveSource(sources[i], gameDir);
        HANDLE file = ::CreateFileA(source, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        LARGE_INTEGER size{};
        if (file == INVALID_HANDLE_VALUE || !::GetFileSizeEx(file, &size)) {
            std::printf("error\tcannot open %s\n", source.GetString());
            return 1;
        }
        ::CloseHandle(file);
        total += static_cast<unsigned long long>(size.QuadPart);
    }
    const LARGE_INTEGER sized = Now();
    ULARGE_INTEGER available{}, capacity{}, free{};
    ::GetDiskFreeSpaceExA(gameDir, &available, &capacity, &free);
    const CopyLists lists = BuildCopyLists(sources, dests, gameDir, FileExists);
    const LARGE_INTEGER listed = Now();
    SHFILEOPSTRUCTA request{};
    request.wFunc = FO_COPY;
    request.pFrom = lists.from.GetString();
    request.pTo = lists.to.GetString();
    request.fFlags = FOF_MULTIDESTFILES | FOF_NOCONFIRMATION | FOF_ALLOWUNDO | FOF_NOCONFIRMMKDIR;
    const int result = mode == Mode::Shell ? ::SHFileOperationA(&request) : CopyOneByOne(lists, mode);
    const LARGE_INTEGER copied = Now();
    // The script reads this process's processor time before it ends.
    if (!Handshake(syncDir, "copied")) return 1;

    std::printf("bare_files\t%d\n", lists.count);
    std::printf("bare_bytes\t%llu\n", total);
    std::printf("bare_size_pass_s\t%.3f\n", Seconds(start, sized));
    std::printf("bare_lists_s\t%.3f\n", Seconds(sized, listed));
    std::printf("bare_%s_s\t%.3f\n", modeName.c_str(), Seconds(listed, copied));
    std::printf("bare_total_s\t%.3f\n", Seconds(start, copied));
    std::printf("bare_result\t0x%x aborted=%d\n", static_cast<unsigned>(result), request.fAnyOperationsAborted);
    return result == 0 ? 0 : 1;
}
