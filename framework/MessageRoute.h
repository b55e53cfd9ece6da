// Static routing tables: window messages and commands to member handlers, scanned in order.
#pragma once

#include <windows.h>

#include <cstddef>

// One row: a message (for WM_COMMAND also the control id and notification, for WM_TIMER
// the timer id) and the member that handles it. A command handler takes nothing; a
// message handler gets the message's parameters and returns the dialog procedure's
// result, FALSE passing the message on to default processing.
template <class T>
struct MessageRoute {
    UINT message;
    UINT id;    // WM_COMMAND control id, WM_TIMER timer id; 0 for other messages
    UINT code;  // WM_COMMAND notification code
    void (T::*command)();
    INT_PTR (T::*handler)(WPARAM, LPARAM);
};

template <class T>
bool RouteMatches(const MessageRoute<T>& route, UINT message, WPARAM wp)
{
    if (route.message != message) return false;
    if (message == WM_COMMAND) return route.id == LOWORD(wp) && route.code == HIWORD(wp);
    if (message == WM_TIMER) return route.id == wp;
    return true;
}

// Runs the first matching row. False when no row matches.
template <class T, std::size_t N>
bool RouteMessage(T& target, const MessageRoute<T> (&table)[N], UINT message, WPARAM wp, LPARAM lp,
                  INT_PTR& result)
{
    for (const MessageRoute<T>& route : table) {
        if (!RouteMatches(route, message, wp)) continue;
        if (route.command) {
            (target.*route.command)();
            result = TRUE;
        } else {
            result = (target.*route.handler)(wp, lp);
        }
        return true;
    }
    return false;
}
