// A stand-in for the game's launcher: records its working folder and command line beside itself.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char folder[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, folder);
    char self[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string record = std::string(folder) + "\n" + ::GetCommandLineA() + "\n";
    std::string path = self;
    path = path.substr(0, path.rfind('\\') + 1) + "launched.txt";
    HANDLE out = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(out, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
    ::CloseHandle(out);
    return 0;
}
