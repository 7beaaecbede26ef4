// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace varnel::win32 {

// The window's screen density, looked up at run time: newer systems give one
// per monitor, older ones only the system's.
int dpiOf(HWND window);

// The outer size of a window whose client area is the given size.
SIZE windowSizeFor(SIZE client, DWORD style, int dpi);

} // namespace varnel::win32
