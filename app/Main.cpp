// The program's entry: hands control to the application object.
#include <windows.h>

#include "InstallerApp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    return theApp.Run(instance);
}
