// CInstallerApp: the application object; runs the installer dialog once.
#pragma once

#include "framework/WinApp.h"

class CInstallerApp : public CWinApp {
protected:
    BOOL InitInstance() override;
};

extern CInstallerApp theApp;
