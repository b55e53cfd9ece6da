// CAboutDlg: the About box, a plain dialog centred over its owner.
#pragma once

#include "framework/Dialog.h"
#include "res/Resource.h"

class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(HWND owner) : CDialog(IDD_ABOUTBOX, owner) {}
};
