// CWnd: holds one window handle and owns nothing; thin forwards to the platform.
#pragma once

#include <windows.h>

#include <string>

#include "framework/String.h"

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }
    void Attach(HWND hwnd) { m_hWnd = hwnd; }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }

    void SetWindowText(const std::wstring& text) { ::SetWindowTextW(m_hWnd, text.c_str()); }
    static std::wstring WindowText(HWND hwnd);

    BOOL EnableWindow(BOOL enable) { return ::EnableWindow(m_hWnd, enable); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    void GetWindowRect(RECT* rect) const { ::GetWindowRect(m_hWnd, rect); }
    void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
    // Redraws the whole window, its background erased first.
    void RedrawErased() { ::InvalidateRect(m_hWnd, nullptr, TRUE); }
    LRESULT SendMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0) { return ::SendMessageW(m_hWnd, msg, wp, lp); }
    UINT_PTR SetTimer(UINT_PTR id, UINT period) { return ::SetTimer(m_hWnd, id, period, nullptr); }
    BOOL KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }
    // To the top of the window order, neither moved nor resized, and shown.
    void BringToTopAndShow()
    {
        ::SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    }
    // A message box owned by this window.
    int MessageBox(const std::wstring& text, const std::wstring& caption, UINT type)
    {
        return ::MessageBoxW(m_hWnd, text.c_str(), caption.c_str(), type);
    }

protected:
    HWND m_hWnd = nullptr;
};
