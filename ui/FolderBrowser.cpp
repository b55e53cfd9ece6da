// The system folder browser.
#include "ui/FolderBrowser.h"

#include <shlobj.h>

#include "framework/Com.h"
#include "framework/WideText.h"

namespace {
// The browser's instruction text above its tree.
const int kBrowserTitleId = 14146;
}  // namespace

int CALLBACK BrowseCallback(HWND browser, UINT message, LPARAM, LPARAM data)
{
    if (message != BFFM_INITIALIZED || data == 0) return 0;
    const BrowseStart& start = *reinterpret_cast<const BrowseStart*>(data);
    // The title went in as 1250 bytes through the A request; shown as Unicode it reads right
    // under any code page.
    ::SetDlgItemTextW(browser, kBrowserTitleId, WidenFixed(start.title).c_str());
    if (!start.folder.IsEmpty()) {
        ::SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(start.folder.GetString()));
    }
    return 0;
}

bool ChooseFolder(const BrowseStart& start, CString& chosen)
{
    BROWSEINFOA request{};
    request.lpszTitle = start.title;
    request.ulFlags = BIF_RETURNONLYFSDIRS;
    request.lpfn = BrowseCallback;
    request.lParam = reinterpret_cast<LPARAM>(&start);
    // The shell's allocator is the task allocator (SHGetMalloc hands out the same one).
    const CTaskMemory<ITEMIDLIST> item(::SHBrowseForFolderA(&request));
    char path[MAX_PATH] = {};
    if (!item.IsValid() || !::SHGetPathFromIDListA(item.Get(), path)) return false;
    chosen = CString(path);
    return true;
}
