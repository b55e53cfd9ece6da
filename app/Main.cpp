// The program's entry: hands control to the application object.
#include <windows.h>

#include "app/InstallerApp.h"
#include "framework/SystemLibrary.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    // First: the folder browser, the shell, the picture loader and the sound codecs load DLLs by
    // name later, and none of them may come from the installer's folder.
    LoadDllsFromSystemFolderOnly();
    return theApp.Run(instance);
}
