/* A DLL planted in the installer's folder under the name of a system DLL: when loaded it writes its
   path and the program that loaded it into planted-trace.txt beside itself, and refuses to load. */
#include <windows.h>

#include <stdio.h>
#include <wchar.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID reserved)
{
    wchar_t path[MAX_PATH], program[MAX_PATH], trace[MAX_PATH + 20], line[2 * MAX_PATH + 8];
    DWORD put;
    HANDLE file;
    (void)reserved;
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    GetModuleFileNameW(self, path, MAX_PATH);
    GetModuleFileNameW(NULL, program, MAX_PATH);
    lstrcpyW(trace, path);
    lstrcpyW(wcsrchr(trace, L'\\') + 1, L"planted-trace.txt");
    _snwprintf(line, sizeof line / sizeof line[0], L"%ls by %ls\n", path, program);
    file = CreateFileW(trace, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_ALWAYS, 0, NULL);
    WriteFile(file, line, lstrlenW(line) * sizeof(wchar_t), &put, NULL);
    CloseHandle(file);
    return FALSE;
}
