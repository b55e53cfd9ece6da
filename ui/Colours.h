// Colours of the three text controls, laid out 0x00BBGGRR.
#pragma once

struct ControlColours {
    unsigned textBackground;
    unsigned text;
    unsigned fill;
};

// The colours of the control with this id; false for every control that keeps the defaults.
bool ColoursForControl(int id, ControlColours& colours);

// The three controls that have colours of their own, in the order of their brushes.
const int kColouredControls[3] = {1001, 1005, 1007};
