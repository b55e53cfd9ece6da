// Colours of the three text controls, laid out 0x00BBGGRR.
#pragma once

#include "res/Resource.h"

struct ControlColours {
    unsigned textBackground;
    unsigned text;
    unsigned fill;
};

// The colours of the control with this id; false for every control that keeps the defaults.
bool ColoursForControl(int id, ControlColours& colours);

// The three controls that have colours of their own, in the order of their brushes.
const int kColouredControls[3] = {IDC_PATH, IDC_STATUS, IDC_VERSION};
