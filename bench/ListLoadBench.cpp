// Benchmark: loading files.cfg of 10,000 and 100,000 lines, against reading the same file line by
// line with nothing else done (the floor). Prints times and ratios; run under Wine by bench/list.sh.
#include <windows.h>

#include <cstdio>
#include <string>

#include "framework/FileFind.h"
#include "framework/TextFile.h"
#include "install/Manifest.h"

namespace {

double Seconds(LARGE_INTEGER a, LARGE_INTEGER b)
{
    LARGE_INTEGER f;
    ::QueryPerformanceFrequency(&f);
    return static_cast<double>(b.QuadPart - a.QuadPart) / static_cast<double>(f.QuadPart);
}

// shippedEvery: every n-th line names a shipped file, which loading must look for (0: none).
void WriteList(const std::string& path, int lines, int shippedEvery)
{
    std::string text;
    for (int i = 0; i < lines; ++i) {
        if (shippedEvery && i % shippedEvery == 0) {
            text += "<INSTDIR>files.cfg|data\\f" + std::to_string(i) + ".dat\r\n";
        } else {
            text += "<GAMEDIR>data\\f" + std::to_string(i) + ".dat|backup\\data\\f" + std::to_string(i) + ".dat\r\n";
        }
    }
    HANDLE f = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(f, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    ::CloseHandle(f);
}

double Floor(const std::string& path)
{
    LARGE_INTEGER a, b;
    ::QueryPerformanceCounter(&a);
    CTextFile file;
    file.Open(path.c_str());
    CString line;
    long long bytes = 0;
    while (file.ReadString(line)) bytes += line.GetLength();
    ::QueryPerformanceCounter(&b);
    return bytes >= 0 ? Seconds(a, b) : 0;
}

double Load(const std::string& path, const std::string& folder)
{
    LARGE_INTEGER a, b;
    ::QueryPerformanceCounter(&a);
    CTextFile file;
    file.Open(path.c_str());
    CStringArray sources;
    CStringArray dests;
    ReadManifest([&file](CString& line) { return file.ReadString(line); }, FileExists, folder.c_str(), sources,
                 dests);
    ::QueryPerformanceCounter(&b);
    return Seconds(a, b);
}

}  // namespace

int main()
{
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "velan-bench\\";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    const std::string path = folder + "files.cfg";
    for (int shippedEvery : {0, 10, 1}) {
    if (shippedEvery == 0) std::printf("no shipped files (parsing only):\n");
    else std::printf("every%s line a shipped file, looked for on disk:\n", shippedEvery == 1 ? "" : " 10th");
    double load[2] = {};
    for (int round = 0; round < 2; ++round) {
        const int lines = round == 0 ? 10000 : 100000;
        WriteList(path, lines, shippedEvery);
        Floor(path);  // warm the file cache
        double best = 1e9, bestFloor = 1e9;
        for (int i = 0; i < 5; ++i) {
            bestFloor = std::min(bestFloor, Floor(path));
            best = std::min(best, Load(path, folder));
        }
        load[round] = best;
        std::printf("  %6d lines: load %.1f ms, read-only floor %.1f ms, ratio %.2f\n", lines, best * 1000,
                    bestFloor * 1000, best / bestFloor);
    }
    std::printf("  linearity: 100,000 lines take %.1f times as long as 10,000\n", load[1] / load[0]);
    }
    ::DeleteFileA(path.c_str());
    ::RemoveDirectoryA(folder.c_str());
    return 0;
}
