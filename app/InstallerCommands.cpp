// CInstallerDlg: Close, Browse, information document, web link, About box and the minimised icon.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "app/AboutDlg.h"
#include "app/InstallerDlg.h"
#include "app/Texts.h"
#include "framework/Handle.h"
#include "framework/PathText.h"
#include "res/Resource.h"
#include "ui/FolderBrowser.h"
#include "ui/Hover.h"

void CInstallerDlg::OnClose()
{
    KillTimer(kHoverTimerId);
    EndDialog(IDCANCEL);
}

void CInstallerDlg::OnBrowse()
{
    UpdateData(TRUE);
    CString chosen;
    if (!ChooseFolder(BrowseStart{kBrowseTitle, g_strGamePath}, chosen)) return;
    g_strGamePath = WithTrailingBackslash(chosen);
    UpdateData(FALSE);
}

void CInstallerDlg::OnInfo()
{
    BringToTopAndShow();
    ::ShellExecuteA(m_hWnd, "open", m_strInstallerDir + "CZ_info.txt", nullptr, nullptr, SW_SHOW);
}

void CInstallerDlg::OnWebLink()
{
    ::ShellExecuteA(nullptr, "open", kPublisherAddress, nullptr, nullptr, SW_SHOWNORMAL);
}

namespace {

// The menu text of the About entry (string 101); empty when the resource has none.
std::wstring AboutEntryText()
{
    wchar_t text[256] = {};
    const int length = ::LoadStringW(::GetModuleHandleW(nullptr), IDS_ABOUTBOX, text, 256);
    return std::wstring(text, length > 0 ? static_cast<std::size_t>(length) : 0);
}

// Shows a pop-up menu of the one entry at `at` and waits for the choice; the menu is gone before
// the chosen command runs.
UINT ChooseFromEntryMenu(HWND owner, const std::wstring& text, POINT at)
{
    const CMenu menu(::CreatePopupMenu());
    ::AppendMenuW(menu.Get(), MF_STRING, IDM_ABOUTBOX, text.c_str());
    return ::TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr);
}

}  // namespace

void CInstallerDlg::AppendAboutEntry()
{
    // A borderless window has no system menu; the same entry is offered by OnContextMenu.
    if (!(::GetWindowLongW(m_hWnd, GWL_STYLE) & WS_SYSMENU)) return;
    // The window's own copy of the system menu: the window destroys it.
    const CBorrowedMenu menu(::GetSystemMenu(m_hWnd, FALSE));
    const std::wstring text = AboutEntryText();
    if (menu.IsNull() || text.empty()) return;
    ::AppendMenuW(menu.Get(), MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu.Get(), MF_STRING, IDM_ABOUTBOX, text.c_str());
}

void CInstallerDlg::ShowAboutBox()
{
    CAboutDlg about(m_hWnd);
    about.DoModal();
}

INT_PTR CInstallerDlg::OnSysCommand(WPARAM command, LPARAM)
{
    if ((command & 0xFFF0) != IDM_ABOUTBOX) return FALSE;
    ShowAboutBox();
    return TRUE;
}

INT_PTR CInstallerDlg::OnContextMenu(WPARAM, LPARAM position)
{
    const std::wstring text = AboutEntryText();
    if (text.empty()) return FALSE;
    POINT at{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    if (at.x == -1 && at.y == -1) {  // from the keyboard: at the window's corner
        RECT window{};
        GetWindowRect(&window);
        at = POINT{window.left, window.top};
    }
    if (ChooseFromEntryMenu(m_hWnd, text, at) == IDM_ABOUTBOX) ShowAboutBox();
    return TRUE;
}

INT_PTR CInstallerDlg::OnPaint(WPARAM, LPARAM)
{
    if (!IsIconic()) return FALSE;
    CPaintDC dc(m_hWnd);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.Get()), 0);
    const int iconWidth = ::GetSystemMetrics(SM_CXICON);
    const int iconHeight = ::GetSystemMetrics(SM_CYICON);
    RECT client{};
    GetClientRect(&client);
    const int x = (client.right - client.left - iconWidth + 1) / 2;
    const int y = (client.bottom - client.top - iconHeight + 1) / 2;
    ::DrawIcon(dc.Get(), x, y, m_hIcon);
    return TRUE;
}

INT_PTR CInstallerDlg::OnQueryDragIcon(WPARAM, LPARAM)
{
    return reinterpret_cast<INT_PTR>(m_hIcon);
}
