// The control colour table.
#include "ui/Colours.h"

#include "res/Resource.h"

bool ColoursForControl(int id, ControlColours& colours)
{
    switch (id) {
    case IDC_PATH: colours = ControlColours{0x160100, 0x997245, 0x160100}; return true;
    case IDC_STATUS: colours = ControlColours{0x2B1200, 0x04FCF6, 0x2E1200}; return true;
    case IDC_VERSION: colours = ControlColours{0x2E1201, 0x997245, 0x2E1201}; return true;
    default: return false;
    }
}
