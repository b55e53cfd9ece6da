// Where a window goes when it is centred: plain arithmetic on rectangles.
#pragma once

struct Box {
    long left, top, right, bottom;
    long Width() const { return right - left; }
    long Height() const { return bottom - top; }
};

struct Position {
    long x, y;
};

// Top-left corner that puts the window's middle on the middle of centreOn, then moves it
// back inside workArea; a window larger than the work area is aligned with its left or top.
Position CentredPosition(const Box& window, const Box& centreOn, const Box& workArea);
