// CCopyProgressDlg: the window that follows the install run's copy and offers Storno.
#pragma once

#include <atomic>
#include <string>

#include "framework/Dialog.h"

// How often the progress window is shown where the run is.
const DWORD kProgressPeriodMs = 100;

class CCopyProgressDlg : public CDialog {
public:
    // Storno sets `cancel`; the copy reads it. Create shows the window centred on its owner; when
    // it cannot be created the copy goes on without it.
    CCopyProgressDlg(HWND owner, std::atomic<bool>& cancel);

    // The file being copied (relative to the game folder) and the share of bytes done, 0 to 1000.
    void Show(const std::wstring& file, int permille);

protected:
    BOOL OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wp, LPARAM lp, INT_PTR& result) override;

private:
    std::atomic<bool>& m_cancel;
    std::wstring m_file;
    int m_permille = -1;
};
