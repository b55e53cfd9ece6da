// CControlBrushes: colours applied to a control's drawing surface.
#include "ui/ControlBrushes.h"

#include "ui/Colours.h"

HBRUSH CControlBrushes::Apply(int controlId, HDC hdc)
{
    ControlColours colours{};
    if (!ColoursForControl(controlId, colours)) return nullptr;
    ::SetBkColor(hdc, colours.textBackground);
    ::SetTextColor(hdc, colours.text);
    for (int i = 0; i < 3; ++i) {
        if (kColouredControls[i] != controlId) continue;
        if (m_brushes[i].IsNull()) m_brushes[i].CreateSolidBrush(colours.fill);
        return m_brushes[i].GetHandle();
    }
    return nullptr;
}
