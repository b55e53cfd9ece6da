// The Windows side of the benchmarks, one mode per benchmark, run under Wine by bench/bench.py: it times from inside
// the prefix (the host's Wine launcher is never counted) and prints tab-separated figures for the host side.
// Folders come as host paths ending in "/" in BENCH_INSTALLER_DIR, BENCH_GAME_DIR and BENCH_SYNC_DIR.
#include <cstdlib>
#include <fstream>
#include <functional>
#include <numeric>

#include "bench/Bench.h"
#include "framework/FileFind.h"
#include "framework/TextFile.h"
#include "install/Manifest.h"

namespace {

// The destinations of files.cfg's "<INSTDIR>source|destination" lines, the only lines the benchmarks write; read here
// rather than through the installer's code, so that the floor stays what it is when the installer changes.
std::vector<std::string> Destinations()
{
    std::vector<std::string> found;
    std::ifstream list(HostPathFromEnvironment("BENCH_INSTALLER_DIR") + "files.cfg", std::ios::binary);
    for (std::string line; std::getline(list, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find('|') != std::string::npos) found.push_back(line.substr(line.find('|') + 1));
    }
    return found;
}

// The NSIS installer from CreateProcess to its exit, between the pause "ready", in which the host side drops the page
// cache, and "ran", in which it checks the copy. Its command line comes whole in BENCH_COMMAND_LINE: NSIS wants "/D="
// last and unquoted, which quoting arguments would break.
int TimedRun()
{
    const char* command = std::getenv("BENCH_COMMAND_LINE");
    PROCESS_INFORMATION process{};
    if (!command || !Handshake("ready")) return Error("no BENCH_COMMAND_LINE or no host side");
    const double start = Now();
    if (!Start(command, process)) return Error("CreateProcess failed: " + std::to_string(::GetLastError()));
    // An hour is far past any run of the benchmark's tree: a hang fails instead of waiting forever.
    const bool ended = ::WaitForSingleObject(process.hProcess, 3600 * 1000) == WAIT_OBJECT_0;
    const double end = Now();
    DWORD code = 1;
    if (!ended) ::TerminateProcess(process.hProcess, 1);
    ::GetExitCodeProcess(process.hProcess, &code);
    ::CloseHandle(process.hProcess);
    if (!Handshake("ran")) return 1;
    std::printf("run_s\t%.3f\n", end - start);
    return !ended ? Error("still running after an hour") : code ? Error("exit code " + std::to_string(code)) : 0;
}

// The next visible message box with the installer's caption other than `after`; null after a minute.
HWND WaitForBox(HWND after)
{
    HWND box = nullptr;
    const auto shown = [&] {
        box = ::FindWindowW(L"#32770", L"VELANInst");
        return box && box != after && ::IsWindowVisible(box) && ::GetDlgItem(box, 0xFFFF);
    };
    return WaitUntil(shown, 60000, 2) ? box : nullptr;
}

// The installer kept in the restore point, started with /restore as the list of installed programs starts it; its
// question answered, timed to the final message and to the restore folder's end (it is cleared behind the message).
// Then the floor of a restore, which only renames: every restored file renamed aside and back by bare MoveFileExA.
int Restore()
{
    const std::string game = HostPathFromEnvironment("BENCH_GAME_DIR"), kept = game + "VELANInst.restore";
    const std::string aside = game + "bare-renames\\";
    const auto placed = Destinations();
    PROCESS_INFORMATION process{};
    if (!Handshake("start")) return 1;
    const double started = Now();
    if (!Start("\"" + kept + "\\VELANInst.exe\" /restore", process)) return Error("the kept installer did not start");
    ::CloseHandle(process.hProcess);
    const HWND question = WaitForBox(nullptr);
    if (!question) return Error("no question");
    const double asked = Now();
    ::PostMessageW(question, WM_COMMAND, IDYES, 0);
    const HWND done = WaitForBox(question);
    const double ended = Now();
    if (!done) return Error("no final message");
    std::printf("start_to_question_s\t%.3f\nrestore_s\t%.3f\nmessage\t%s\n", asked - started, ended - asked,
                Utf8(StoredText(::GetDlgItem(done, 0xFFFF))).c_str());
    ::PostMessageW(done, WM_COMMAND, IDOK, 0);
    if (!WaitUntil([&] { return ::GetFileAttributesA(kept.c_str()) == INVALID_FILE_ATTRIBUTES; }, 120000, 5)) {
        return Error("the restore folder stays");
    }
    std::printf("cleared_s\t%.3f\n", Now() - asked);
    const auto renameAll = [&](bool back) {
        bool ok = true;
        for (std::size_t i = 0; i < placed.size(); ++i) {
            const std::string there = game + placed[i], moved = aside + std::to_string(i);
            ok = ::MoveFileExA((back ? moved : there).c_str(), (back ? there : moved).c_str(), 0) && ok;
        }
        return ok;
    };
    ::CreateDirectoryA(aside.c_str(), nullptr);
    const double start = Now();
    const bool movedAside = renameAll(false), ok = renameAll(true) && movedAside;
    std::printf("bare_renames\t%zu\nbare_renames_s\t%.3f\n", 2 * placed.size(), ok ? Now() - start : -1.0);
    ::RemoveDirectoryA(aside.c_str());
    return ok ? 0 : 1;
}

// Loading install lists of 10,000 and 100,000 lines against reading the same file line by line with nothing else
// done (the floor), best of five each; every n-th line names a shipped file, which loading must look for.
int ListLoad()
{
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "velan-bench\\", path = folder + "files.cfg";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    const auto time = [&](bool load) {
        const double start = Now();
        CTextFile file;
        file.Open(path.c_str());
        CString line;
        CStringArray sources, dests;
        const auto next = [&file](CString& line) { return file.ReadString(line); };
        if (load) ReadManifest(next, FileExists, folder.c_str(), sources, dests);
        while (!load && file.ReadString(line)) {
        }
        return Now() - start;
    };
    for (int every : {0, 10, 1}) {
        if (every == 0) std::printf("no shipped files (parsing only):\n");
        else std::printf("every%s line a shipped file, looked for on disk:\n", every == 1 ? "" : " 10th");
        double load[2] = {};
        for (int lines : {10000, 100000}) {
            std::ofstream list(path, std::ios::binary);
            for (int i = 0; i < lines; ++i) {
                const std::string name = "data\\f" + std::to_string(i) + ".dat";
                const bool shipped = every && i % every == 0;
                list << (shipped ? "<INSTDIR>files.cfg|" + name : "<GAMEDIR>" + name + "|backup\\" + name) << "\r\n";
            }
            list.close();
            time(false);  // the file into the cache
            double best = 1e9, floor = 1e9;
            for (int i = 0; i < 5; ++i) {
                floor = std::min(floor, time(false));
                best = std::min(best, time(true));
            }
            load[lines > 10000] = best;
            std::printf("  %6d lines: load %.1f ms, read-only floor %.1f ms, ratio %.2f\n", lines, best * 1000,
                        floor * 1000, best / floor);
        }
        std::printf("  linearity: 100,000 lines take %.1f times as long as 10,000\n", load[1] / load[0]);
    }
    ::DeleteFileA(path.c_str());
    ::RemoveDirectoryA(folder.c_str());
    return 0;
}

// Start-up: from just before CreateProcess, polling every millisecond, to "shown" (a visible top-level 600x600
// dialog of that process with the installer's title) and "on screen": that window and every visible child of it have
// no region left waiting for WM_PAINT (GetUpdateRect without erasing only asks: nothing is sent or validated), and at
// least 14 of 16 points spread over the window differ, on the screen itself, from the bare screen before any program
// ran (what a user would see). A child validates its region when it starts painting; the children are asked one
// after another, so by the end of a check that finds none pending each one has been seen painted.
const int kSize = 600;

HWND ShownWindow(DWORD pid)
{
    for (HWND window : Windows(pid)) {
        RECT r{};
        if (::IsWindowVisible(window) && ::GetWindowRect(window, &r) && r.right - r.left == kSize &&
            r.bottom - r.top == kSize && ClassOf(window) == L"#32770" &&
            StoredText(window) == L"VELAN - Instalace \u010de\u0161tiny") {
            return window;
        }
    }
    return nullptr;
}

bool PaintPending(HWND window)
{
    if (::GetUpdateRect(window, nullptr, FALSE)) return true;
    for (HWND child : Windows(0, window)) {
        if (::IsWindowVisible(child) && ::GetUpdateRect(child, nullptr, FALSE)) return true;
    }
    return false;
}

// A 4x4 grid over the centred 600x600 area, kept from the edges, at odd offsets so that regular patterns of the bare
// screen do not line up with it; the colours there.
std::vector<COLORREF> Sample()
{
    RECT work{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int left = work.left + (work.right - work.left - kSize) / 2;
    const int top = work.top + (work.bottom - work.top - kSize) / 2;
    HDC screen = ::GetDC(nullptr);
    std::vector<COLORREF> colours;
    for (int j = 0; j < 4; ++j) {
        for (int i = 0; i < 4; ++i) {
            const int x = left + 37 + i * (kSize - 74) / 3 + i, y = top + 41 + j * (kSize - 82) / 3 + j;
            colours.push_back(::GetPixel(screen, x, y));
        }
    }
    ::ReleaseDC(nullptr, screen);
    return colours;
}

int Differing(const std::vector<COLORREF>& bare)
{
    const std::vector<COLORREF> now = Sample();
    return static_cast<int>(std::inner_product(now.begin(), now.end(), bare.begin(), 0, std::plus<>(),
                                               std::not_equal_to<>()));
}

// startup ROUNDS WARMUP LABEL=PATH...: each program started once a round, after the screen is bare again. Prints one
// line a start: "run", label, whether it counts, then shown and on screen in ms (-1: never).
int Startup(int argc, char** argv)
{
    const int rounds = std::atoi(argv[0]), warmup = std::atoi(argv[1]);
    const std::vector<COLORREF> bare = Sample();
    for (int round = 0; round < warmup + rounds; ++round) {
        for (int arg = 2; arg < argc; ++arg) {
            const std::string program = argv[arg], label = program.substr(0, program.find('='));
            const std::string path = program.substr(label.size() + 1);
            if (!WaitUntil([&] { return Differing(bare) == 0; }, 10000, 5)) {
                std::printf("warning: the screen did not return to bare before a run of %s\n", label.c_str());
            }
            PROCESS_INFORMATION process{};
            const double t0 = Now();
            const auto ms = [t0] { return 1000 * (Now() - t0); };
            if (!Start("\"" + path + "\"", process, path.substr(0, path.rfind('\\')).c_str())) {
                std::printf("cannot start %s (error %lu)\n", path.c_str(), ::GetLastError());
                return 2;
            }
            double shown = -1, onscreen = -1;
            bool painted = false;
            HWND window = nullptr;
            for (; ms() < 30000 && ::WaitForSingleObject(process.hProcess, 0) != WAIT_OBJECT_0; ::Sleep(1)) {
                if (!window && (window = ShownWindow(process.dwProcessId)) != nullptr) shown = ms();
                painted = painted || (window && !PaintPending(window));
                if (painted && Differing(bare) >= 14) {
                    onscreen = ms();
                    break;
                }
            }
            if (window) ::PostMessageW(window, WM_CLOSE, 0, 0);
            if (::WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
                ::TerminateProcess(process.hProcess, 1);
                ::WaitForSingleObject(process.hProcess, 5000);
            }
            ::CloseHandle(process.hProcess);
            std::printf("run\t%s\t%d\t%.3f\t%.3f\n", label.c_str(), round >= warmup, shown, onscreen);
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "install") return DriveInstall(false, 0);
    if (mode == "storno" && argc > 2) return DriveInstall(true, std::atof(argv[2]));
    if (mode == "restore") return Restore();
    if (mode == "run") return TimedRun();
    if (mode == "list") return ListLoad();
    if (mode == "startup" && argc > 4) return Startup(argc - 2, argv + 2);
    std::printf("usage: bench_driver install|storno SECONDS|restore|run|list|startup ROUNDS WARMUP "
                "LABEL=PATH...\n");
    return 2;
}
