// Benchmark: time from process start to a window on the screen, for programs given as
// LABEL=PATH (each compared with the second, the floor), started the same way one after another.
// Run under Wine by bench/startup.sh.
//
// A run counts from just before CreateProcess. Three moments are taken, polling every millisecond:
//   shown:    a visible top-level 600x600 dialog (class #32770) of that process with the
//             installer's title;
//   painted:  that window and every visible child of it have no region left waiting for WM_PAINT
//             (GetUpdateRect without erasing only asks: nothing is sent or validated);
//   onscreen: at least 14 of 16 points spread over the window differ, on the screen itself, from
//             the bare screen before any program ran (what a user would see).
// "onscreen" is the figure compared. A child validates its region when it starts painting, not
// when it ends; the children are asked one after another, so by the end of a check that finds
// none pending each one has been seen painted. The window then gets WM_CLOSE, the process is
// waited for, and the next run starts only once the screen is bare again at those points.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

namespace {

const wchar_t kTitle[] = L"VELAN - Instalace \u010de\u0161tiny";
const int kSize = 600;
const DWORD kRunTimeoutMs = 30000;
const int kGrid = 4;
const int kMustDiffer = 14;

struct Program {
    std::wstring label;
    std::wstring path;
    std::vector<double> shown, painted, onscreen, lastCheck;
    int failures = 0;
};

LARGE_INTEGER Now()
{
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return t;
}

double Ms(LARGE_INTEGER from, LARGE_INTEGER to)
{
    static LARGE_INTEGER f = [] {
        LARGE_INTEGER q;
        ::QueryPerformanceFrequency(&q);
        return q;
    }();
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(f.QuadPart);
}

struct Search {
    DWORD pid;
    HWND found;
};

BOOL CALLBACK Visit(HWND window, LPARAM param)
{
    Search& s = *reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    if (pid != s.pid || !::IsWindowVisible(window)) return TRUE;
    RECT r{};
    ::GetWindowRect(window, &r);
    if (r.right - r.left != kSize || r.bottom - r.top != kSize) return TRUE;
    wchar_t className[16] = {};
    ::GetClassNameW(window, className, 16);
    if (std::wcscmp(className, L"#32770") != 0) return TRUE;
    // Read from the window manager's copy: no message to a process that may be busy.
    wchar_t title[64] = {};
    ::InternalGetWindowText(window, title, 64);
    if (std::wcscmp(title, kTitle) != 0) return TRUE;
    s.found = window;
    return FALSE;
}

HWND ShownWindow(DWORD pid)
{
    Search s{pid, nullptr};
    ::EnumWindows(Visit, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

BOOL CALLBACK VisitChild(HWND child, LPARAM param)
{
    bool& pending = *reinterpret_cast<bool*>(param);
    if (::IsWindowVisible(child) && ::GetUpdateRect(child, nullptr, FALSE)) {
        pending = true;
        return FALSE;
    }
    return TRUE;
}

// Asks only; with erase FALSE nothing is sent to the window nor validated.
bool PaintPending(HWND window)
{
    if (::GetUpdateRect(window, nullptr, FALSE)) return true;
    bool pending = false;
    ::EnumChildWindows(window, VisitChild, reinterpret_cast<LPARAM>(&pending));
    return pending;
}

// Sample points: a 4x4 grid over the centred 600x600 area, kept away from the edges.
std::vector<POINT> SamplePoints()
{
    const int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    RECT work{0, 0, cx, cy};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int left = work.left + ((work.right - work.left) - kSize) / 2;
    const int top = work.top + ((work.bottom - work.top) - kSize) / 2;
    std::vector<POINT> points;
    for (int j = 0; j < kGrid; ++j) {
        for (int i = 0; i < kGrid; ++i) {
            // Odd offsets, so that regular patterns of the bare screen do not line up with them.
            points.push_back(POINT{left + 37 + i * (kSize - 74) / (kGrid - 1) + i,
                                   top + 41 + j * (kSize - 82) / (kGrid - 1) + j});
        }
    }
    return points;
}

std::vector<COLORREF> Sample(const std::vector<POINT>& points)
{
    HDC screen = ::GetDC(nullptr);
    std::vector<COLORREF> colours;
    for (const POINT& p : points) colours.push_back(::GetPixel(screen, p.x, p.y));
    ::ReleaseDC(nullptr, screen);
    return colours;
}

int Differing(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b)
{
    int n = 0;
    for (std::size_t i = 0; i < a.size(); ++i) n += a[i] != b[i];
    return n;
}

bool WaitForBareScreen(const std::vector<POINT>& points, const std::vector<COLORREF>& bare)
{
    const DWORD start = ::GetTickCount();
    while (Differing(Sample(points), bare) != 0) {
        if (::GetTickCount() - start > 10000) return false;
        ::Sleep(5);
    }
    return true;
}

// One start of the program; false when it did not reach the screen in time.
bool Run(Program& program, bool record, const std::vector<POINT>& points, const std::vector<COLORREF>& bare)
{
    if (!WaitForBareScreen(points, bare)) {
        std::printf("warning: the screen did not return to bare before a run of %ls\n", program.label.c_str());
    }
    std::wstring folder = program.path.substr(0, program.path.find_last_of(L'\\'));
    std::wstring commandLine = L"\"" + program.path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    const LARGE_INTEGER t0 = Now();
    if (!::CreateProcessW(program.path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                          &startup, &info)) {
        std::printf("cannot start %ls (error %lu)\n", program.path.c_str(), ::GetLastError());
        std::exit(2);
    }
    // Each moment is taken when the check that saw it has finished: an upper bound, late by at
    // most one check (its length is kept for the last one).
    double shown = -1, painted = -1, onscreen = -1, lastCheck = 0;
    HWND window = nullptr;
    for (;;) {
        const LARGE_INTEGER start = Now();
        if (Ms(t0, start) > kRunTimeoutMs) break;
        if (::WaitForSingleObject(info.hProcess, 0) == WAIT_OBJECT_0) break;
        if (!window) {
            window = ShownWindow(info.dwProcessId);
            if (window) shown = Ms(t0, Now());
        }
        if (window && painted < 0 && !PaintPending(window)) painted = Ms(t0, Now());
        if (painted >= 0 && Differing(Sample(points), bare) >= kMustDiffer) {
            const LARGE_INTEGER end = Now();
            onscreen = Ms(t0, end);
            lastCheck = Ms(start, end);
            break;
        }
        ::Sleep(1);
    }
    if (window) ::PostMessageW(window, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(info.hProcess, 10000) != WAIT_OBJECT_0) {
        ::TerminateProcess(info.hProcess, 1);
        ::WaitForSingleObject(info.hProcess, 5000);
    }
    ::CloseHandle(info.hThread);
    ::CloseHandle(info.hProcess);
    if (onscreen < 0) {
        ++program.failures;
        std::printf("warning: %ls did not reach the screen (shown %.1f, painted %.1f ms)\n", program.label.c_str(),
                    shown, painted);
        return false;
    }
    if (record) {
        program.shown.push_back(shown);
        program.painted.push_back(painted);
        program.onscreen.push_back(onscreen);
        program.lastCheck.push_back(lastCheck);
    }
    return true;
}

double Median(std::vector<double> v)
{
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double Min(const std::vector<double>& v)
{
    return v.empty() ? 0 : *std::min_element(v.begin(), v.end());
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    int rounds = 15, warmup = 2;
    std::vector<Program> programs;
    for (int i = 1; i < argc; ++i) {
        const std::wstring arg = argv[i];
        if (arg == L"--rounds" && i + 1 < argc) {
            rounds = std::wcstol(argv[++i], nullptr, 10);
        } else if (arg == L"--warmup" && i + 1 < argc) {
            warmup = std::wcstol(argv[++i], nullptr, 10);
        } else if (arg.find(L'=') != std::wstring::npos) {
            Program p;
            p.label = arg.substr(0, arg.find(L'='));
            p.path = arg.substr(arg.find(L'=') + 1);
            programs.push_back(p);
        }
    }
    if (programs.size() < 2) {
        std::printf("usage: startup_bench [--rounds N] [--warmup N] LABEL=PATH LABEL=PATH [LABEL=PATH...]\n");
        return 1;
    }
    const std::vector<POINT> points = SamplePoints();
    const std::vector<COLORREF> bare = Sample(points);

    for (int round = 0; round < warmup + rounds; ++round) {
        for (Program& p : programs) Run(p, round >= warmup, points, bare);
    }

    std::printf("%d rounds after %d warm-up rounds, programs alternating; ms from CreateProcess\n", rounds, warmup);
    std::printf("%-16s %17s %17s %17s %11s\n", "", "shown", "painted", "on screen", "last check");
    std::printf("%-16s %8s %8s %8s %8s %8s %8s %11s\n", "program", "median", "min", "median", "min", "median", "min",
                "median");
    for (const Program& p : programs) {
        std::printf("%-16ls %8.1f %8.1f %8.1f %8.1f %8.1f %8.1f %11.1f", p.label.c_str(), Median(p.shown),
                    Min(p.shown), Median(p.painted), Min(p.painted), Median(p.onscreen), Min(p.onscreen),
                    Median(p.lastCheck));
        if (p.failures) std::printf("  (%d runs failed)", p.failures);
        std::printf("\n");
    }
    // Minimums as well: on a shared machine they move less than medians.
    const Program& floor = programs[1];
    for (std::size_t i = 0; i < programs.size(); ++i) {
        if (i == 1) continue;
        const Program& p = programs[i];
        std::printf("ratio %ls / %ls, on screen: medians %.2f, minimums %.2f", p.label.c_str(), floor.label.c_str(),
                    Median(p.onscreen) / Median(floor.onscreen), Min(p.onscreen) / Min(floor.onscreen));
        if (i == 0) std::printf(" (shown, medians: %.2f)", Median(p.shown) / Median(floor.shown));
        std::printf("\n");
    }
    return 0;
}
