/* A DLL planted in the installer's folder under the name of a system DLL: when loaded it writes its
   path and the program that loaded it into planted-trace.txt beside itself, and refuses to load. */
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID reserved)
{
    wchar_t path[MAX_PATH];
    wchar_t program[MAX_PATH];
    wchar_t trace[MAX_PATH];
    DWORD length;
    DWORD programLength;
    DWORD put;
    int at;
    HANDLE file;
    (void)reserved;
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    length = GetModuleFileNameW(self, path, MAX_PATH);
    programLength = GetModuleFileNameW(NULL, program, MAX_PATH);
    lstrcpyW(trace, path);
    for (at = lstrlenW(trace); at > 0 && trace[at - 1] != L'\\'; --at) {
    }
    lstrcpyW(trace + at, L"planted-trace.txt");
    file = CreateFileW(trace, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_ALWAYS, 0, NULL);
    WriteFile(file, path, length * sizeof(wchar_t), &put, NULL);
    WriteFile(file, L" by ", 4 * sizeof(wchar_t), &put, NULL);
    WriteFile(file, program, programLength * sizeof(wchar_t), &put, NULL);
    WriteFile(file, L"\n", sizeof(wchar_t), &put, NULL);
    CloseHandle(file);
    return FALSE;
}
