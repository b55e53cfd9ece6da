// Benchmark helper: starts one Windows program (the NSIS installer of bench/install.sh) and times it
// from CreateProcess to its exit, inside the prefix, so the host's Wine launcher is not counted.
//
// Environment: BENCH_SYNC_DIR (host path, ending in "/"); BENCH_COMMAND_LINE, the whole command line,
// passed as it is (NSIS wants "/D=" last and unquoted, which argument quoting would break).
#include <windows.h>

#include <cstdio>
#include <string>

#include "bench/Handshake.h"
#include "tests/support/HostPath.h"

int main()
{
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const std::string syncDir = HostPathFromEnvironment("BENCH_SYNC_DIR");
    wchar_t commandLine[32768] = {};
    if (!::GetEnvironmentVariableW(L"BENCH_COMMAND_LINE", commandLine, 32768)) {
        std::printf("error\tno BENCH_COMMAND_LINE\n");
        return 1;
    }
    if (!Handshake(syncDir, "ready")) return 1;

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const LARGE_INTEGER start = Now();
    if (!::CreateProcessW(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        std::printf("error\tCreateProcess failed: %lu\n", static_cast<unsigned long>(::GetLastError()));
        return 1;
    }
    // An hour is far past any run of the benchmark's tree; a hang then fails instead of waiting forever.
    const DWORD waited = ::WaitForSingleObject(process.hProcess, 3600 * 1000);
    const LARGE_INTEGER ended = Now();
    DWORD exitCode = 0;
    ::GetExitCodeProcess(process.hProcess, &exitCode);
    if (waited != WAIT_OBJECT_0) {
        ::TerminateProcess(process.hProcess, 1);
        std::printf("error\tstill running after an hour\n");
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    if (!Handshake(syncDir, "ran")) return 1;

    std::printf("run_s\t%.3f\n", Seconds(start, ended));
    std::printf("exit_code\t%lu\n", static_cast<unsigned long>(exitCode));
    return waited == WAIT_OBJECT_0 && exitCode == 0 ? 0 : 1;
}
