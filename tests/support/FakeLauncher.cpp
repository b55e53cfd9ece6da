// A stand-in for the game's launcher: records its working folder and command line beside itself.
#include <windows.h>

#include <fstream>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char folder[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, folder);
    char self[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string path = self;
    std::ofstream(path.substr(0, path.rfind('\\') + 1) + "launched.txt", std::ios::binary)
        << folder << "\n" << ::GetCommandLineA() << "\n";
    return 0;
}
