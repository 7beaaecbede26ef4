// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
// Test builds of the program, each with one thing done to its window that a
// player cannot do, named by the command line:
//   broken-square  square Label5 has lost its window, so that reading or
//                  setting its colour fails as the system reports it
//   dpi-192        the window is told that it moved to a screen of 192 dpi
//   without-ime    the program, in a thread with its IME disabled (which
//                  otherwise sets COM up on the side)
//   without-ime-or-com  the window alone, with no COM apartment either
#include "ui/form1.h"
#include "ui/win32/dpi.h"
#include "ui/win32/form1_window.h"
#include "ui/win32/message_loop.h"
#include "ui/win32/program.h"

#include <windows.h>

#include <imm.h>

#include <string_view>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int)
{
    using namespace varnel;
    const std::wstring_view mode = commandLine;
    if (mode.starts_with(L"without-ime"))
        ImmDisableIME(0);
    if (mode == L"without-ime")
        return win32::runProgram(instance);
    win32::Form1Window window(instance);
    if (!window.failure().empty())
        return 1;
    if (mode == L"broken-square") {
        DestroyWindow(window.control("Label5"));
    } else if (mode == L"dpi-192") {
        // Already at its size there, so that the window's repaint of its
        // controls is all that shows them.
        constexpr int dpi = 192;
        HWND main = GetParent(window.control("Label1"));
        const PixelRect client = toPixels({0, 0, form1.clientWidth, form1.clientHeight}, dpi);
        const SIZE size = win32::windowSizeFor({client.width, client.height},
                                               static_cast<DWORD>(GetWindowLongW(main, GWL_STYLE)), standardDpi);
        SetWindowPos(main, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
        RedrawWindow(main, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        RECT suggested;
        GetWindowRect(main, &suggested);
        SendMessageW(main, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    } else if (mode != L"without-ime-or-com") {
        return 2;
    }
    return win32::runMessageLoop(window);
}
