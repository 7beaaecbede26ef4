// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string>

namespace varnel::win32 {

// What assistive technology hears of one control, in the program's words.
struct SpokenControl {
    std::wstring name;
    std::wstring description;
    std::wstring value;
    LONG role = 0; // 0: the system's own role for the control
};

// Tells what a control says now; asked afresh on every question, so that a
// client holding the control's object hears its changes.
using Speaker = SpokenControl (*)(HWND control);

// Answers WM_GETOBJECT for a control's client area with the system's
// standard accessible object, but speaking the program's words. Returns 0
// (let the system answer) for any other object or when the accessibility
// libraries cannot be had.
LRESULT answerAccessibleObject(HWND control, WPARAM wParam, LPARAM lParam, Speaker speaker);

} // namespace varnel::win32
