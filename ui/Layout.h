// Presentation constants and start-up steps of the installer window's text controls.
#pragma once

#include <windows.h>

// The path box loses this many pixels at its bottom edge at start-up.
const int kPathBoxShrink = 4;

// The bold font of the path box, version panel and status panel. Its character set is
// Central European, so Czech letters draw right whatever the system code page.
LOGFONTW BoldFontDescription();

// Moves the control's bottom edge up by kPathBoxShrink pixels, keeping its other edges.
void ShrinkPathBox(HWND pathBox, HWND dialog);
