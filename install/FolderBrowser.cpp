// CInstallerDlg: choosing the game folder with the system folder browser.
#include <windows.h>
#include <shlobj.h>

#include "../app/InstallerDlg.h"
#include "../app/Texts.h"
#include "../framework/WideText.h"
#include "FolderBrowser.h"
#include "GamePathText.h"

namespace {
// The browser's instruction text above its tree.
const int kBrowserTitleId = 14146;
}  // namespace

int CALLBACK BrowseCallback(HWND browser, UINT message, LPARAM, LPARAM)
{
    if (message != BFFM_INITIALIZED) return 0;
    // The title went in as 1250 bytes through the A request; shown as Unicode it reads right
    // under any code page.
    ::SetDlgItemTextW(browser, kBrowserTitleId, WidenFixed(kBrowseTitle).c_str());
    if (!g_strGamePath.IsEmpty()) {
        ::SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(g_strGamePath.GetString()));
    }
    return 0;
}

void CInstallerDlg::OnBrowse()
{
    UpdateData(TRUE);
    IMalloc* allocator = nullptr;
    if (FAILED(::SHGetMalloc(&allocator))) return;
    BROWSEINFOA request{};
    request.hwndOwner = nullptr;
    request.pidlRoot = nullptr;
    request.pszDisplayName = nullptr;
    request.lpszTitle = kBrowseTitle;
    request.ulFlags = BIF_RETURNONLYFSDIRS;
    request.lpfn = BrowseCallback;
    request.lParam = 0;
    request.iImage = 0;
    LPITEMIDLIST item = ::SHBrowseForFolderA(&request);
    if (item) {
        char path[MAX_PATH] = {};
        if (::SHGetPathFromIDListA(item, path)) {
            g_strGamePath = WithTrailingBackslash(CString(path));
            UpdateData(FALSE);
        }
        allocator->Free(item);
    }
    allocator->Release();
}
