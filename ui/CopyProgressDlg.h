// CCopyProgressDlg: the window that follows the install run's copy and offers Storno.
#pragma once

#include <atomic>
#include <string>

#include "framework/Dialog.h"

class CCopyProgressDlg : public CDialog {
public:
    // Storno sets `cancel`; the copy reads it.
    CCopyProgressDlg(HWND owner, std::atomic<bool>& cancel);

    // Shows the window centred on its owner; false when it could not be created (the copy goes on
    // without it).
    bool Open();
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
