// CInstallerDlg: the game directory from the game's registry value.
#include "../app/InstallerDlg.h"
#include "GameRegistry.h"

void CInstallerDlg::LoadGamePathFromRegistry()
{
    g_strGamePath.Empty();
    if (ReadGamePathValue(g_strGamePath)) UpdateData(FALSE);
}
