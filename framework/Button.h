// CButton: a push button window whose owner-drawn draw requests reach a virtual.
#pragma once

#include "framework/Wnd.h"

class CButton : public CWnd {
public:
    // Called for every WM_DRAWITEM the dialog receives for this button.
    virtual void DrawItem(const DRAWITEMSTRUCT& request) { (void)request; }
};
