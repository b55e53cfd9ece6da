// CCopyProgressDlg: the copy's progress window.
#include "ui/CopyProgressDlg.h"

#include <commctrl.h>

#include "res/Resource.h"

namespace {
const int kBarRange = 1000;
}  // namespace

CCopyProgressDlg::CCopyProgressDlg(HWND owner, std::atomic<bool>& cancel)
    : CDialog(IDD_COPYPROGRESS, owner), m_cancel(cancel)
{
}

BOOL CCopyProgressDlg::OnInitDialog()
{
    ::SendMessageW(GetDlgItem(IDC_COPY_BAR), PBM_SETRANGE32, 0, kBarRange);
    return TRUE;
}

void CCopyProgressDlg::Show(const std::wstring& file, int permille)
{
    if (!m_hWnd) return;
    // Only what changed: a repaint every tick would make the text flicker.
    if (file != m_file) {
        m_file = file;
        ::SetWindowTextW(GetDlgItem(IDC_COPY_FILE), m_file.c_str());
    }
    if (permille != m_permille) {
        m_permille = permille;
        ::SendMessageW(GetDlgItem(IDC_COPY_BAR), PBM_SETPOS, static_cast<WPARAM>(permille), 0);
    }
}

bool CCopyProgressDlg::OnMessage(UINT message, WPARAM wp, LPARAM, INT_PTR& result)
{
    if (message != WM_COMMAND || HIWORD(wp) != BN_CLICKED) return false;
    // Enter must not end this window as it would a modal one; Storno, Escape and closing the
    // window all ask the copy to stop, and it closes the window when it has put everything back.
    if (LOWORD(wp) == IDCANCEL) {
        m_cancel.store(true);
        ::EnableWindow(GetDlgItem(IDCANCEL), FALSE);
    }
    result = TRUE;
    return true;
}
