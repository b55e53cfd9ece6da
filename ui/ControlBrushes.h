// CControlBrushes: the three solid brushes of the coloured controls, made once.
#pragma once

#include <windows.h>

#include "framework/Gdi.h"

class CControlBrushes {
public:
    // Sets the control's text colours on the surface and returns its brush, which stays this
    // object's; null for a control that keeps the defaults.
    CBorrowedBrush Apply(int controlId, CBorrowedDC hdc);

private:
    CBrush m_brushes[3];
};
