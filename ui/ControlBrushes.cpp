// CControlBrushes: colours applied to a control's drawing surface.
#include "ui/ControlBrushes.h"

#include "ui/Colours.h"

CBorrowedBrush CControlBrushes::Apply(int controlId, CBorrowedDC hdc)
{
    ControlColours colours{};
    if (!ColoursForControl(controlId, colours)) return CBorrowedBrush();
    ::SetBkColor(hdc.Get(), colours.textBackground);
    ::SetTextColor(hdc.Get(), colours.text);
    for (int i = 0; i < 3; ++i) {
        if (kColouredControls[i] != controlId) continue;
        if (m_brushes[i].IsNull()) m_brushes[i].CreateSolidBrush(colours.fill);
        return CBorrowedBrush(m_brushes[i].GetHandle());
    }
    return CBorrowedBrush();
}
