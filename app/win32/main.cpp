// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
// Varnel on Windows: shows the one window and runs a plain message loop.
#include "ui/win32/form1_window.h"
#include "ui/win32/message_loop.h"
#include "ui/win32/text.h"

#include <windows.h>

#include <stdexcept>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    try {
        varnel::win32::Form1Window window(instance);
        return varnel::win32::runMessageLoop(window);
    } catch (const std::exception& failure) {
        MessageBoxW(nullptr, varnel::win32::widen(failure.what()).c_str(), L"varnel", MB_OK | MB_ICONERROR);
        return 1;
    }
}
