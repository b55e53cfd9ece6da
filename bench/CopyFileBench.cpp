// Benchmark reference: the pairs of files.cfg copied by a bare CopyFileA loop, timed in this process.
// It reads the list itself rather than through the installer's code, so the installer's rewrite of
// its copy leaves this reference alone; it shows what Wine's plain file copy costs per file.
//
// Environment: BENCH_INSTALLER_DIR, BENCH_GAME_DIR, BENCH_SYNC_DIR (host paths, ending in "/").
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "bench/Handshake.h"
#include "tests/support/HostPath.h"

namespace {

// Folders on the way to a destination, made only after a copy failed, as an installer would.
void MakeParents(const std::string& path)
{
    for (std::size_t at = path.find('\\', 3); at != std::string::npos; at = path.find('\\', at + 1)) {
        ::CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
    }
}

}  // namespace

int main()
{
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const std::string installerDir = HostPathFromEnvironment("BENCH_INSTALLER_DIR");
    const std::string gameDir = HostPathFromEnvironment("BENCH_GAME_DIR");
    const std::string syncDir = HostPathFromEnvironment("BENCH_SYNC_DIR");

    // The benchmark writes only "<INSTDIR>source|destination" lines.
    std::vector<std::pair<std::string, std::string>> pairs;
    std::ifstream list(installerDir + "files.cfg", std::ios::binary);
    const std::string marker = "<INSTDIR>";
    for (std::string line; std::getline(list, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::size_t bar = line.find('|');
        if (bar == std::string::npos || line.compare(0, marker.size(), marker) != 0) continue;
        pairs.emplace_back(installerDir + line.substr(marker.size(), bar - marker.size()),
                           gameDir + line.substr(bar + 1));
    }
    if (pairs.empty()) {
        std::printf("error\tno pairs in files.cfg\n");
        return 1;
    }
    if (!Handshake(syncDir, "ready")) return 1;

    const LARGE_INTEGER start = Now();
    DWORD failure = 0;
    for (const auto& [from, to] : pairs) {
        if (::CopyFileA(from.c_str(), to.c_str(), FALSE)) continue;
        MakeParents(to);
        if (!::CopyFileA(from.c_str(), to.c_str(), FALSE)) {
            failure = ::GetLastError();
            std::printf("error\tCopyFileA %s: %lu\n", to.c_str(), static_cast<unsigned long>(failure));
            break;
        }
    }
    const LARGE_INTEGER copied = Now();
    // The script reads this process's processor time before it ends.
    if (!Handshake(syncDir, "copied")) return 1;

    std::printf("files\t%zu\n", pairs.size());
    std::printf("copy_s\t%.3f\n", Seconds(start, copied));
    return failure == 0 ? 0 : 1;
}
