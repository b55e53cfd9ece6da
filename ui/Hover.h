// Hover tracking decisions: whether a point is on a button and what a tick changes.
#pragma once

#include "framework/Placement.h"

// Hover tracking polls the pointer on this timer.
const unsigned kHoverTimerId = 1;
const unsigned kHoverPeriodMs = 100;

// Right and bottom edges lie outside: left <= x < right, top <= y < bottom.
inline bool PointInside(const Box& box, long x, long y)
{
    return box.left <= x && x < box.right && box.top <= y && y < box.bottom;
}

enum class HoverChange { None, Light, Dim };

// What a tick does to a button that is lit or plain, with the pointer inside or not.
inline HoverChange HoverStep(bool inside, bool lit)
{
    if (inside && !lit) return HoverChange::Light;
    if (!inside && lit) return HoverChange::Dim;
    return HoverChange::None;
}
