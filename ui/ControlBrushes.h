// CControlBrushes: the three solid brushes of the coloured controls, made once.
#pragma once

#include <windows.h>

#include "framework/Gdi.h"

class CControlBrushes {
public:
    // Sets the control's text colours on the surface and returns its brush; null for a
    // control that keeps the defaults.
    HBRUSH Apply(int controlId, HDC hdc);

private:
    CBrush m_brushes[3];
};
