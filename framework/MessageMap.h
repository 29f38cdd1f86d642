// One entry of a dialog class's static message table: a message, or for WM_COMMAND a
// notification code and control id, routed to a member function of the class T. The handler's
// signature decides how the message's arguments reach it:
//   void()                 nothing
//   void(int)              the control id      (WM_COMMAND, for an entry of a range of ids)
//   void(UINT, LPARAM)     wParam, lParam      (WM_SYSCOMMAND)
//   void(UINT_PTR)         wParam              (WM_TIMER)
//   void(HWND, LPARAM)     wParam, lParam      (WM_CONTEXTMENU: the window, the point)
//   HICON()                returned to the system (WM_QUERYDRAGICON)
#pragma once

#include <windows.h>

#include <variant>

namespace fw {

template <class T>
struct Message {
    using Handler = std::variant<void (T::*)(), void (T::*)(int), void (T::*)(UINT, LPARAM),
                                 void (T::*)(UINT_PTR), HICON (T::*)(), void (T::*)(HWND, LPARAM)>;

    UINT message = 0;
    UINT code = 0;  // WM_COMMAND only: the notification code
    UINT id = 0;    // WM_COMMAND only: the control id, or the first of a range of ids
    Handler handler;
    // WM_COMMAND only: the last id of a range, as WTL's COMMAND_RANGE_CODE_HANDLER; 0 for one id.
    UINT lastId = 0;

    bool Matches(UINT msg, WPARAM wParam) const {
        if (msg != message) return false;
        const UINT control = LOWORD(wParam);
        return msg != WM_COMMAND ||
               (HIWORD(wParam) == code && control >= id && control <= (lastId ? lastId : id));
    }
};

// Calls an entry's handler on an object with the message's arguments; the result is what the
// dialog procedure returns for the message.
template <class T>
struct MessageCall {
    T& self;
    WPARAM wParam;
    LPARAM lParam;

    INT_PTR operator()(void (T::*fn)()) const {
        (self.*fn)();
        return TRUE;
    }
    INT_PTR operator()(void (T::*fn)(int)) const {
        (self.*fn)(LOWORD(wParam));
        return TRUE;
    }
    INT_PTR operator()(void (T::*fn)(UINT, LPARAM)) const {
        (self.*fn)(static_cast<UINT>(wParam), lParam);
        return TRUE;
    }
    INT_PTR operator()(void (T::*fn)(UINT_PTR)) const {
        (self.*fn)(wParam);
        return TRUE;
    }
    INT_PTR operator()(HICON (T::*fn)()) const { return reinterpret_cast<INT_PTR>((self.*fn)()); }
    INT_PTR operator()(void (T::*fn)(HWND, LPARAM)) const {
        (self.*fn)(reinterpret_cast<HWND>(wParam), lParam);
        return TRUE;
    }
};

}  // namespace fw
